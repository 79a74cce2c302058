// Text on disk is code page 932 (Shift-JIS as Windows writes it); text in memory is UTF-8.
#pragma once

#include <optional>
#include <string>

namespace korvane {

// Maps the characters that CP932 folds many-to-one onto the form it gives back
// (U+301C WAVE DASH -> U+FF5E FULLWIDTH TILDE, and the like).
std::string NormalizeForCp932(const std::string& utf8);

// nullopt when a character has no CP932 form.
std::optional<std::string> EncodeCp932(const std::string& utf8);
// nullopt when the bytes are not valid CP932.
std::optional<std::string> DecodeCp932(const std::string& bytes);

// True when the text encodes without error and decodes back to exactly the same text.
bool IsCp932RoundTrip(const std::string& utf8);

}  // namespace korvane
