#include "runtime/conversions.h"

#include "runtime/platform.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "runtime/platform.h"
#include "runtime/tables.h"
#include "runtime/text.h"
#include "runtime/utf8.h"

namespace vx {
namespace {

// "1234567" -> "1.234.567": a "." before every digit that starts a group of
// three, except the first one written.
std::string groupdigits(const std::string& digits) {
  std::string out;
  out.reserve(digits.size() + digits.size() / 3);
  for (size_t i = 0; i < digits.size(); ++i) {
    const size_t remaining = digits.size() - i;
    if (remaining % 3 == 0 && !out.empty()) out.push_back('.');
    out.push_back(digits[i]);
  }
  return out;
}

// Left padding shared by the integer and the fixed-point formatter.
std::string padleft(const std::string& text, int64_t padding, int64_t width) {
  const int64_t length = scalarcount(text);
  if (length >= width || padding < 0) return text;
  std::string pad;
  appendscalar(pad, isunicodescalar(padding) ? static_cast<char32_t>(padding) : 0);
  return repeatstring(pad, width - length) + text;
}

}  // namespace

std::string inttostring(int64_t value, int64_t padding, int64_t width, bool grouping) {
  std::string digits = std::to_string(value);
  std::string sign;
  if (!digits.empty() && digits[0] == '-') {
    sign = "-";
    digits.erase(0, 1);
  }
  if (grouping) digits = groupdigits(digits);
  return padleft(sign + digits, padding, width);
}

int64_t binarytoint(const std::vector<uint8_t>& bytes) {
  size_t i = 0;
  while (i < bytes.size() && bytes[i] == ' ') ++i;
  bool negative = false;
  if (i < bytes.size() && bytes[i] == '-') {
    negative = true;
    ++i;
    while (i < bytes.size() && bytes[i] == ' ') ++i;
  }
  uint64_t value = 0;  // unsigned, so that overflow wraps as two's complement
  for (; i < bytes.size() && bytes[i] >= '0' && bytes[i] <= '9'; ++i)
    value = value * 10 + (bytes[i] - '0');
  if (negative) value = 0 - value;
  return static_cast<int64_t>(value);
}

std::vector<uint8_t> stringtobinary(const std::string& text) {
  return std::vector<uint8_t>(text.begin(), text.end());
}

std::string binarytostring(const std::vector<uint8_t>& bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size();) {
    if (bytes[i] == 27 && i + 5 < bytes.size() && bytes[i + 5] == 29) {
      int32_t code = 0;
      for (int k = 1; k <= 4; ++k)
        code = code * 16 + static_cast<int32_t>(HexValueTable[bytes[i + k]]);
      appendscalar(out, isunicodescalar(code) ? static_cast<char32_t>(code) : 0);
      i += 6;
      continue;
    }
    appendscalar(out, bytes[i]);
    ++i;
  }
  return out;
}

std::string doubletostring(double value) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  // The shortest digits that read back to the same value, as d.ddde±x.
  const std::string scientific = shortestscientific(value);
  const size_t e = scientific.find('e');
  std::string mantissa = scientific.substr(0, e);
  const int exponent = std::stoi(scientific.substr(e + 1));
  std::string sign;
  if (mantissa[0] == '-') {
    sign = "-";
    mantissa.erase(0, 1);
  }
  std::string digits;
  for (char c : mantissa)
    if (c != '.') digits.push_back(c);
  if (exponent < -4 || exponent >= 16) {
    std::string text = sign + digits.substr(0, 1);
    if (digits.size() > 1) text += "," + digits.substr(1);
    const int magnitude = exponent < 0 ? -exponent : exponent;
    text += exponent < 0 ? "e-" : "e+";
    if (magnitude < 10) text += "0";
    return text + std::to_string(magnitude);
  }
  std::string integer, fraction;
  if (exponent < 0) {
    integer.assign(1, '0');
    fraction = std::string(-exponent - 1, '0') + digits;
  } else if (static_cast<int>(digits.size()) <= exponent + 1) {
    integer = digits + std::string(exponent + 1 - digits.size(), '0');
  } else {
    integer = digits.substr(0, exponent + 1);
    fraction = digits.substr(exponent + 1);
  }
  // A whole number would read "12,0"; the trailing ",0" is not written.
  return fraction.empty() ? sign + integer : sign + integer + "," + fraction;
}

std::string doubletoformattedstring(int64_t padding, int64_t width, int64_t decimals,
                                    bool grouping, double value) {
  const std::string text = doubletostring(value);
  // The texts for infinity and not-a-number are no digits to format: they
  // stay as they are, the negative infinity's "-inf" too.
  if (firstscalar(text) >= 64 || std::isinf(value)) return text;
  std::string mantissa = text;
  int64_t exponent = 0;
  if (const size_t e = text.find('e'); e != std::string::npos) {
    mantissa = text.substr(0, e);
    std::string exponenttext = text.substr(e + 1);
    if (!exponenttext.empty() && exponenttext[0] == '+') exponenttext.erase(0, 1);
    exponent = binarytoint(stringtobinary(exponenttext));
  }
  std::string sign;
  if (!mantissa.empty() && mantissa[0] == '-') {
    sign = "-";
    mantissa.erase(0, 1);
  }
  std::string integer = mantissa, fraction;
  if (const size_t comma = mantissa.find(','); comma != std::string::npos) {
    integer = mantissa.substr(0, comma);
    fraction = mantissa.substr(comma + 1);
  }
  if (exponent < 0) {
    std::string shifted(static_cast<size_t>(-exponent - 1), '0');
    shifted.append(integer).append(fraction);
    fraction = std::move(shifted);
    integer.assign(1, '0');
  } else if (exponent > 0) {
    const std::string all = integer + fraction;
    const auto wanted = static_cast<size_t>(exponent + 1);
    if (all.size() < wanted) {
      integer = all + std::string(wanted - all.size(), '0');
      fraction.clear();
    } else {
      integer = all.substr(0, wanted);
      fraction = all.substr(wanted);
    }
  }
  if (grouping) integer = groupdigits(integer);
  std::string result = padleft(sign + integer, padding, width);
  // The magnitude is taken without negating (the smallest Int has no
  // positive counterpart) and capped: past the digits of a double only zeros
  // follow, and more than MaxDecimals of them are not written.
  const uint64_t magnitude =
      decimals < 0 ? 0 - static_cast<uint64_t>(decimals) : static_cast<uint64_t>(decimals);
  const auto places = static_cast<size_t>(std::min<uint64_t>(magnitude, MaxDecimals));
  if (fraction.size() > places) fraction.resize(places);
  fraction.append(places - fraction.size(), '0');
  if (decimals < 0)
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  if (!fraction.empty()) result += "," + fraction;
  return result;
}

std::string bytetohexstring(uint64_t value) {
  const char text[2] = {static_cast<char>(HexDigitTable[(value >> 4) & 0xF]),
                        static_cast<char>(HexDigitTable[value & 0xF])};
  return std::string(text, 2);
}

namespace {
std::vector<uint8_t> hexdigits(uint64_t value, int count) {
  std::vector<uint8_t> out(count);
  for (int i = count - 1; i >= 0; --i, value >>= 4) out[i] = HexDigitTable[value & 0xF];
  return out;
}
}  // namespace

std::vector<uint8_t> uint16tohexbinary(uint64_t value) { return hexdigits(value & 0xFFFF, 4); }
std::vector<uint8_t> uint32tohexbinary(uint64_t value) {
  return hexdigits(value & 0xFFFFFFFF, 8);
}
std::string uint32tohexstring(uint64_t value) {
  const std::vector<uint8_t> digits = uint32tohexbinary(value);
  return std::string(digits.begin(), digits.end());
}

int64_t readuint32be(const std::vector<uint8_t>& bytes, int64_t offset) {
  // Compared as "offset <= size - 4", so that an offset near the largest Int
  // cannot wrap around and pass.
  const auto size = static_cast<int64_t>(bytes.size());
  if (offset < 0 || size < 4 || offset > size - 4) return 0;
  const auto at = [&](int64_t k) { return static_cast<int64_t>(bytes[offset + k]); };
  return (at(0) << 24) | (at(1) << 16) | (at(2) << 8) | at(3);
}

}  // namespace vx
