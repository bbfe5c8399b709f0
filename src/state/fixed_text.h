// A text field of fixed length: writing a longer text keeps its first N
// characters; readers use the trimmed text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quorbis {

// Trims blanks (spaces, tabs, CR, LF) on both sides.
std::string Trim(std::string_view text);
// The first `count` characters of a UTF-8 text (characters, not bytes).
std::string FirstCharacters(std::string_view text, size_t count);
// Number of characters (code points) of a UTF-8 text.
size_t CharacterCount(std::string_view text);

template <size_t N>
class FixedText {
 public:
  static constexpr size_t kLength = N;

  FixedText() = default;
  FixedText(std::string_view text)
      : text_(FirstCharacters(text, N)) {}  // NOLINT: implicit by design
  FixedText& operator=(std::string_view text) {
    text_ = FirstCharacters(text, N);
    return *this;
  }

  // The stored text as written (cut, not trimmed).
  const std::string& raw() const { return text_; }
  std::string Trimmed() const { return Trim(text_); }
  bool Empty() const { return Trimmed().empty(); }
  bool operator==(const FixedText&) const = default;

 private:
  std::string text_;
};

}  // namespace quorbis
