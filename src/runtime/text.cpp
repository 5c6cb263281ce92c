#include "runtime/text.h"

#include <algorithm>
#include <clocale>
#include <cwctype>
#include <locale.h>

#include "runtime/utf8.h"

namespace vx {

std::string charinstring(const std::string& s, int64_t position) {
  const std::u32string c = utf8toscalars(s);
  if (position < 1 || position > static_cast<int64_t>(c.size())) return {};
  return scalarstoutf8(c.substr(position - 1, 1));
}

std::string rightfromstring(const std::string& s, int64_t position) {
  if (position < 2) return s;
  const std::u32string c = utf8toscalars(s);
  if (position > static_cast<int64_t>(c.size())) return {};
  return scalarstoutf8(c.substr(position - 1));
}

std::string midstring(const std::string& s, int64_t start, int64_t length) {
  if (length < 1) return {};
  const std::u32string c = utf8toscalars(s);
  const auto count = static_cast<int64_t>(c.size());
  if (start < 2) return count <= length ? s : scalarstoutf8(c.substr(0, length));
  if (start > count) return {};
  return scalarstoutf8(c.substr(start - 1, length));
}

int64_t instring(const std::string& s, const std::string& searched, int64_t start) {
  if (searched.empty()) return 0;
  // A start below 1 would shift the answer so that a match at the very
  // beginning reads as "not found"; it is treated as 1.
  if (start < 1) start = 1;
  const std::u32string tail = utf8toscalars(rightfromstring(s, start));
  const size_t found = tail.find(utf8toscalars(searched));
  if (found == std::u32string::npos) return 0;
  return static_cast<int64_t>(found) + start;
}

std::string repeatstring(const std::string& s, int64_t count) {
  if (count < 1 || count > MaxSpaces || s.empty()) return {};
  std::string out;
  out.reserve(s.size() * count);
  for (int64_t i = 0; i < count; ++i) out += s;
  return out;
}

std::string spacestring(int64_t count) {
  if (count < 1 || count > MaxSpaces) return {};
  return std::string(count, ' ');
}

std::string padbetween(const std::string& left, const std::string& right, int64_t width) {
  // Tested first: a width near the smallest Int would wrap in the subtraction.
  if (width < 1) return {};
  const int64_t free = width - scalarcount(left) - scalarcount(right);
  if (free >= 1) return left + spacestring(std::min<int64_t>(free, MaxSpaces)) + right;
  const std::u32string joined = utf8toscalars(left + right);
  return scalarstoutf8(joined.substr(0, width));
}

std::string firstlineofstring(const std::string& s) {
  size_t cut = s.find('\r');
  if (cut == std::string::npos) cut = s.find('\n');
  if (cut == std::string::npos) return s;
  return s.substr(0, cut);
}

int64_t firstscalar(const std::string& s) {
  if (s.empty()) return 0;
  return utf8toscalars(s).front();
}

int64_t lowercasescalar(int64_t code) {
  if (code < 0) return 0;
  if (!isunicodescalar(code)) return 0;
  // The C.UTF-8 locale carries the full Unicode simple case mapping.
  static const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
  if (utf8 == static_cast<locale_t>(0)) {
    if ((code >= 'A' && code <= 'Z') || (code >= 0xC0 && code <= 0xDE && code != 0xD7))
      return code + 32;
    return code;
  }
  return static_cast<int64_t>(towlower_l(static_cast<wint_t>(code), utf8));
}

}  // namespace vx
