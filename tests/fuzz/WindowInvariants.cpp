// What must hold in the main window after every user action, whatever the input.
#include "WindowInvariants.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/ShownNames.h"

namespace ragozo::fuzz {
namespace {

// A cell holds two blanks, parentheses, a preverb, a stem no longer than the
// entry and an ending; twice the entry and a margin is more than any form needs.
std::size_t longestText(const InputFacts& facts) { return 2 * facts.longestEntry + 64; }

// `name` gives the text's place, made only when a breach is reported.
template <typename Name>
void checkText(const Name& name, const std::string& text, const InputFacts& facts) {
  if (facts.validUtf8 && !isValidUtf8(text)) breach("not valid UTF-8", name() + ": " + text);
  if (text.size() > longestText(facts)) breach("text grew too long", name() + ": " + text);
}

}  // namespace

bool isValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = 0;
    char32_t code = 0;
    if (lead < 0x80) {
      ++i;
      continue;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2, code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3, code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4, code = lead & 0x07;
    } else {
      return false;
    }
    if (i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      if ((byte(i + k) & 0xC0) != 0x80) return false;
      code = (code << 6) | (byte(i + k) & 0x3F);
    }
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    if (overlong || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return false;
    i += length;
  }
  return true;
}

void checkWindow(const window::MainWindow& w, const InputFacts& facts) {
  const window::ShownResult& shown = w.state().entry.shown;
  for (int row = 0; row < ConjugationTable::kRows; ++row) {
    for (int column = 0; column < ConjugationTable::kColumns; ++column) {
      const std::string& cell = shown.table.cell(row, column);
      const auto name = [&] { return testing::tablePlaceName(row, column); };
      checkText(name, cell, facts);
      if (row == 0 || column == 0) continue;
      if (!cell.empty() && !cell.starts_with("  ")) breach("form cell without its two blanks", name() + ": " + cell);
      if (!facts.typedNoFormText && cell.find(kNoSuchForm) != std::string::npos) {
        breach("the no-form notice in a table cell", cell);
      }
    }
  }
  for (std::size_t box = 0; box < shown.derivedBoxes.size(); ++box) {
    const std::string& text = shown.derivedBoxes[box];
    checkText([&] { return testing::boxName(static_cast<DerivedBox>(box)) + " box"; }, text, facts);
    if (!facts.typedNoFormText && text != kNoSuchForm && text.find(kNoSuchForm) != std::string::npos) {
      breach("the no-form notice inside a derived form", text);
    }
  }
  if (facts.validUtf8 && !isValidUtf8(shown.noticeLine)) breach("notice line not valid UTF-8", shown.noticeLine);
}

void breach(std::string_view what, std::string_view detail) {
  std::fprintf(stderr, "window invariant broken: %.*s\n  %.*s\n", static_cast<int>(what.size()), what.data(),
               static_cast<int>(detail.size()), detail.data());
  std::abort();
}

}  // namespace ragozo::fuzz
