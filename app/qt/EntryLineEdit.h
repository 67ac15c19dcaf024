// The entry box: a line edit that reports keys before they go in, double clicks and focus.
#pragma once

#include <QLineEdit>
#include <functional>

namespace ragozo::view {

class EntryLineEdit : public QLineEdit {
  Q_OBJECT

 public:
  using QLineEdit::QLineEdit;

  // A character is about to go into the entry, typed as a key or committed by
  // an input method (Enter and Tab are not such characters).
  std::function<void(int)> onKeyPress;
  std::function<void()> onDoubleClick;
  std::function<void()> onFocusIn;
  std::function<void()> onFocusOut;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace ragozo::view
