// The entry box: a line edit that reports text before it goes in, double clicks and focus.
#pragma once

#include <QLineEdit>

namespace ragozo::view {

class EntryLineEdit : public QLineEdit {
  Q_OBJECT

 public:
  using QLineEdit::QLineEdit;

  // Signals rather than callbacks, so that a connection ends with its receiver.
 signals:
  // Text is about to go into the entry: a character typed as a key (Backspace's
  // included, but not Enter's or Tab's), one committed by an input method, or a paste.
  void textComing();
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
