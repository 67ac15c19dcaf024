// The entry box's line edit.
#include "qt/EntryLineEdit.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

namespace ragozo::view {

void EntryLineEdit::keyPressEvent(QKeyEvent* event) {
  // Alt and Meta combinations are access keys of the window, not characters for the entry.
  const bool typesCharacter = !event->text().isEmpty() &&
                              !(event->modifiers() & (Qt::AltModifier | Qt::MetaModifier)) &&
                              event->key() != Qt::Key_Return &&
                              event->key() != Qt::Key_Enter && event->key() != Qt::Key_Tab &&
                              event->key() != Qt::Key_Backtab && event->key() != Qt::Key_Escape &&
                              event->key() != Qt::Key_Delete;
  if (typesCharacter) emit characterComing();
  QLineEdit::keyPressEvent(event);
}

void EntryLineEdit::inputMethodEvent(QInputMethodEvent* event) {
  // A letter composed by an input method comes as committed text without a key
  // press; it must empty the entry after a result first, as a typed key does.
  if (!event->commitString().isEmpty()) emit characterComing();
  QLineEdit::inputMethodEvent(event);
}

void EntryLineEdit::mouseDoubleClickEvent(QMouseEvent* event) {
  // The double click pastes; the word selection it would make is not wanted.
  event->accept();
  emit doubleClicked();
}

void EntryLineEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  emit focusGained();
}

void EntryLineEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  emit focusLost();
}

}  // namespace ragozo::view
