// Character-counting string helpers over UTF-8 text.
#include "text/Utf8Text.h"

namespace ragozo {
namespace {

bool isContinuationByte(unsigned char byte) { return (byte & 0xC0) == 0x80; }

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

}  // namespace

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
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

}  // namespace ragozo
