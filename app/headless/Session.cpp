// The whole program without a display.
#include "headless/Session.h"

#include <string>
#include <utility>

#include "text/Utf8Text.h"

namespace ragozo::headless {
namespace {

bool isContinuationByte(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

}  // namespace

Session::Session(window::LexiconFill fillLexicon) : program(desktop, dialogs, clipboard, std::move(fillLexicon)) {}

void Session::start() {
  program.start();
  program.splash()->handOver();
}

void Session::type(std::string_view text) {
  if (text.empty()) return;
  window::MainWindow& w = main();
  // A character is a byte and the continuation bytes after it, so that every byte is typed.
  for (std::size_t begin = 0, end = 0; begin < text.size(); begin = end) {
    for (end = begin + 1; end < text.size() && isContinuationByte(text[end]);) ++end;
    const std::string_view character = text.substr(begin, end - begin);
    w.keyPressed();
    w.entryTypedAtEnd(character);
  }
  // Nothing reads the caret while keys come in, so it is set once they are in.
  w.setCaret(static_cast<int>(charCount(w.state().entry.text)));
}

void Session::typeNewEntry(std::string_view text) {
  main().entryEdited("");
  type(text);
}

void Session::conjugate(std::string_view verb) {
  typeNewEntry(verb);
  main().conjugate();
}

}  // namespace ragozo::headless
