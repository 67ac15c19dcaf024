// Character-counting string helpers over UTF-8 text.
#include "text/Utf8Text.h"

namespace ragozo {
namespace {

bool isContinuationByte(unsigned char byte) { return (byte & 0xC0) == 0x80; }

constexpr std::string_view kBlanks[] = {
    " ",            "\t",           "\n",           "\v",           "\f",           "\r",
    "\xC2\x85",     "\xC2\xA0",     "\xE1\x9A\x80", "\xE2\x80\x80", "\xE2\x80\x81", "\xE2\x80\x82",
    "\xE2\x80\x83", "\xE2\x80\x84", "\xE2\x80\x85", "\xE2\x80\x86", "\xE2\x80\x87", "\xE2\x80\x88",
    "\xE2\x80\x89", "\xE2\x80\x8A", "\xE2\x80\xA8", "\xE2\x80\xA9", "\xE2\x80\xAF", "\xE2\x81\x9F",
    "\xE3\x80\x80"};

// The byte length of the blank that `text` starts with (or, `atEnd`, ends with); 0 for none.
std::size_t blankLength(std::string_view text, bool atEnd) {
  for (std::string_view blank : kBlanks) {
    if (atEnd ? text.ends_with(blank) : text.starts_with(blank)) return blank.size();
  }
  return 0;
}

// `text` less its leading blanks.
std::string_view withoutLeadingBlanks(std::string_view text) {
  while (const std::size_t length = blankLength(text, false)) text.remove_prefix(length);
  return text;
}

// Byte offset of the character that starts `n` characters into `text`, or its size.
std::size_t byteOffsetOfChar(std::string_view text, std::size_t n) {
  std::size_t offset = 0;
  while (offset < text.size() && n > 0) {
    ++offset;
    while (offset < text.size() && isContinuationByte(static_cast<unsigned char>(text[offset]))) ++offset;
    --n;
  }
  return offset;
}

// The accented capitals of two bytes and their small letters' second bytes, under a shared first byte.
struct AccentedCapital {
  unsigned char first;
  unsigned char capital;
  unsigned char small;
};
constexpr AccentedCapital kAccentedCapitals[] = {
    {0xC3, 0x81, 0xA1}, {0xC3, 0x89, 0xA9}, {0xC3, 0x8D, 0xAD}, {0xC3, 0x93, 0xB3}, {0xC3, 0x96, 0xB6},
    {0xC3, 0x9A, 0xBA}, {0xC3, 0x9C, 0xBC}, {0xC5, 0x90, 0x91}, {0xC5, 0xB0, 0xB1},
};

}  // namespace

std::string lowerCase(std::string_view text) {
  std::string lower(text);
  for (std::size_t i = 0; i < lower.size(); ++i) {
    const auto byte = static_cast<unsigned char>(lower[i]);
    if (byte >= 'A' && byte <= 'Z') {
      lower[i] = static_cast<char>(byte - 'A' + 'a');
    } else if (i + 1 < lower.size()) {
      const auto next = static_cast<unsigned char>(lower[i + 1]);
      for (const AccentedCapital& letter : kAccentedCapitals) {
        if (byte == letter.first && next == letter.capital) {
          lower[++i] = static_cast<char>(letter.small);
          break;
        }
      }
    }
  }
  return lower;
}

std::size_t charCount(std::string_view text) {
  std::size_t count = 0;
  for (char c : text) count += isContinuationByte(static_cast<unsigned char>(c)) ? 0 : 1;
  return count;
}

std::string leftChars(std::string_view text, std::size_t n) {
  return std::string(text.substr(0, byteOffsetOfChar(text, n)));
}

std::string rightChars(std::string_view text, std::size_t n) {
  const std::size_t count = charCount(text);
  if (n >= count) return std::string(text);
  return std::string(text.substr(byteOffsetOfChar(text, count - n)));
}

std::string midChars(std::string_view text, std::size_t start, std::size_t n) {
  if (start == 0) start = 1;
  const std::size_t from = byteOffsetOfChar(text, start - 1);
  const std::string_view rest = text.substr(from);
  if (n == std::string_view::npos) return std::string(rest);
  return std::string(rest.substr(0, byteOffsetOfChar(rest, n)));
}

std::string_view lastChar(std::string_view text) {
  if (text.empty()) return text;
  std::size_t begin = text.size() - 1;
  while (begin > 0 && isContinuationByte(static_cast<unsigned char>(text[begin]))) --begin;
  return text.substr(begin);
}

std::string dropLastChars(std::string_view text, std::size_t n) {
  const std::size_t count = charCount(text);
  return n >= count ? std::string() : leftChars(text, count - n);
}

std::string trimBlanks(std::string_view text) {
  text = withoutLeadingBlanks(text);
  while (const std::size_t length = blankLength(text, true)) text.remove_suffix(length);
  return std::string(text);
}

bool isBlank(std::string_view text) { return withoutLeadingBlanks(text).empty(); }

}  // namespace ragozo
