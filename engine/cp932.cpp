#include "engine/cp932.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <utility>

namespace korvane {
namespace {

// Runs one whole conversion; nullopt on any character that does not convert.
std::optional<std::string> Convert(const char* to, const char* from, const std::string& in) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out;
  out.resize(in.size() * 4 + 16);
  char* inPtr = const_cast<char*>(in.data());
  size_t inLeft = in.size();
  char* outPtr = out.data();
  size_t outLeft = out.size();
  bool ok = true;
  while (inLeft > 0) {
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) {
      if (errno == E2BIG) {
        const size_t used = out.size() - outLeft;
        out.resize(out.size() * 2);
        outPtr = out.data() + used;
        outLeft = out.size() - used;
        continue;
      }
      ok = false;  // EILSEQ or EINVAL: a character without a form, or a cut sequence
      break;
    }
  }
  if (ok && iconv(cd, nullptr, nullptr, &outPtr, &outLeft) == static_cast<size_t>(-1)) ok = false;
  iconv_close(cd);
  if (!ok) return std::nullopt;
  out.resize(out.size() - outLeft);
  return out;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Characters that CP932 either lacks or folds onto another code point; each maps to the form
// that a CP932 round trip gives back.
constexpr std::pair<char32_t, char32_t> kFolds[] = {
    {0x301C, 0xFF5E},  // WAVE DASH -> FULLWIDTH TILDE
    {0x2016, 0x2225},  // DOUBLE VERTICAL LINE -> PARALLEL TO
    {0x2212, 0xFF0D},  // MINUS SIGN -> FULLWIDTH HYPHEN-MINUS
    {0x00A2, 0xFFE0},  // CENT SIGN -> FULLWIDTH CENT SIGN
    {0x00A3, 0xFFE1},  // POUND SIGN -> FULLWIDTH POUND SIGN
    {0x00AC, 0xFFE2},  // NOT SIGN -> FULLWIDTH NOT SIGN
    {0x2014, 0x2015},  // EM DASH -> HORIZONTAL BAR
    {0x00A6, 0xFFE4},  // BROKEN BAR -> FULLWIDTH BROKEN BAR
    {0x00A5, 0x005C},  // YEN SIGN: the single-byte 0x5C
    {0x203E, 0x007E},  // OVERLINE: the single-byte 0x7E
};

}  // namespace

std::string NormalizeForCp932(const std::string& utf8) {
  std::string out;
  out.reserve(utf8.size());
  size_t i = 0;
  while (i < utf8.size()) {
    const unsigned char lead = static_cast<unsigned char>(utf8[i]);
    size_t len = lead < 0x80           ? 1
                 : (lead >> 5) == 0x6  ? 2
                 : (lead >> 4) == 0xE  ? 3
                 : (lead >> 3) == 0x1E ? 4
                                       : 1;
    if (i + len > utf8.size()) len = 1;
    char32_t cp = 0;
    if (len == 1) {
      cp = lead;
    } else {
      cp = lead & (0x7F >> len);
      for (size_t k = 1; k < len; ++k)
        cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    }
    bool folded = false;
    if (len > 1) {
      for (const auto& [from, to] : kFolds) {
        if (cp == from) {
          AppendUtf8(out, to);
          folded = true;
          break;
        }
      }
    }
    if (!folded) out.append(utf8, i, len);  // anything else, even malformed bytes, stays as it was
    i += len;
  }
  return out;
}

std::optional<std::string> EncodeCp932(const std::string& utf8) {
  return Convert("CP932", "UTF-8", utf8);
}

std::optional<std::string> DecodeCp932(const std::string& bytes) {
  return Convert("UTF-8", "CP932", bytes);
}

bool IsCp932RoundTrip(const std::string& utf8) {
  auto encoded = EncodeCp932(utf8);
  if (!encoded) return false;
  auto decoded = DecodeCp932(*encoded);
  return decoded && *decoded == utf8;
}

}  // namespace korvane
