// The entry box's line edit.
#include "qt/EntryLineEdit.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>

namespace ragozo::view {
namespace {

// Whether the key brings text of its own into the entry: a character, Backspace, or a paste. A
// shortcut that leaves the text as it is (copy, select all, the caret's moves) brings none, nor
// does an access key of the window; one that takes text out without a key's character (a cut,
// Delete, an undo) starts the new entry through the change it makes, as the mouse's cut does.
bool bringsText(const QKeyEvent& event) {
  if (event.matches(QKeySequence::Paste)) return true;
  if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  if (event.key() == Qt::Key_Backspace) return true;
  const QString text = event.text();
  return !text.isEmpty() && text.front().isPrint();
}

}  // namespace

void EntryLineEdit::keyPressEvent(QKeyEvent* event) {
  if (bringsText(*event)) emit textComing();
  QLineEdit::keyPressEvent(event);
}

void EntryLineEdit::inputMethodEvent(QInputMethodEvent* event) {
  // A letter composed by an input method comes as committed text without a key
  // press; it must empty the entry after a result first, as a typed key does.
  if (!event->commitString().isEmpty()) emit textComing();
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
