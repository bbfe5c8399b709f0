#include "state/fixed_text.h"

namespace quorbis {

namespace {
bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\0';
}
bool IsContinuation(unsigned char c) {
  return (c & 0xC0) == 0x80;
}
}  // namespace

std::string Trim(std::string_view text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return std::string(text.substr(begin, end - begin));
}

std::string FirstCharacters(std::string_view text, size_t count) {
  size_t chars = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (!IsContinuation(static_cast<unsigned char>(text[i]))) {
      if (chars == count) return std::string(text.substr(0, i));
      ++chars;
    }
  }
  return std::string(text);
}

size_t CharacterCount(std::string_view text) {
  size_t chars = 0;
  for (char c : text) chars += IsContinuation(static_cast<unsigned char>(c)) ? 0 : 1;
  return chars;
}

}  // namespace quorbis
