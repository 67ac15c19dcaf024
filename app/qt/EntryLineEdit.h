// The entry box: a line edit that reports keys before they go in, double clicks and focus.
#pragma once

#include <QLineEdit>

namespace ragozo::view {

class EntryLineEdit : public QLineEdit {
  Q_OBJECT

 public:
  using QLineEdit::QLineEdit;

  // Signals rather than callbacks, so that a connection ends with its receiver.
 signals:
  // A character is about to go into the entry, typed as a key or committed by
  // an input method (Enter and Tab are not such characters).
  void characterComing();
  void doubleClicked();
  void focusGained();
  void focusLost();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace ragozo::view
