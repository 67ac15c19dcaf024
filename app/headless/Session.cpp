// The whole program without a display.
#include "headless/Session.h"

#include <string>
#include <utility>

#include "text/Utf8Text.h"

namespace ragozo::headless {
namespace {

// The character code of one UTF-8 encoded character, as a key press carries it.
int characterCode(const std::string& character) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(character[i]); };
  switch (character.size()) {
    case 2:
      return ((byte(0) & 0x1F) << 6) | (byte(1) & 0x3F);
    case 3:
      return ((byte(0) & 0x0F) << 12) | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
    case 4:
      return ((byte(0) & 0x07) << 18) | ((byte(1) & 0x3F) << 12) | ((byte(2) & 0x3F) << 6) | (byte(3) & 0x3F);
    default:
      return character.empty() ? 0 : byte(0);
  }
}

}  // namespace

Session::Session(window::LexiconFill fillLexicon) : program(desktop, dialogs, clipboard, std::move(fillLexicon)) {}

void Session::start() {
  program.start();
  program.splash()->handOver();
}

void Session::type(std::string_view text) {
  const std::size_t count = charCount(text);
  for (std::size_t i = 1; i <= count; ++i) {
    const std::string character = midChars(text, i, 1);
    window::MainWindow& w = main();
    w.keyPressed(characterCode(character));
    w.entryEdited(w.state().entry + character);
    w.setCaret(static_cast<int>(charCount(w.state().entry)));
  }
}

void Session::conjugate(std::string_view verb) {
  type(verb);
  main().conjugate();
}

}  // namespace ragozo::headless
