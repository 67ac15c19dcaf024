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
  // The entry is about to be typed into as a key types: a character (Backspace
  // included, but not Enter or Tab), one committed by an input method, or a paste
  // by Ctrl+V, the context menu or the middle button.
  void textComing();
  void doubleClicked();
  void focusGained();
  void focusLost();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  // The context menu's paste: Ctrl+V's.
  void pasteAsTyped();
};

}  // namespace ragozo::view
