#pragma once
// What the fuzz targets share: a check that names the broken property and the input's bytes
// before it aborts (libFuzzer then keeps the input as a crash file), and small helpers for
// cutting one fuzz input into the arguments of a routine.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace fuzz {

// The bytes of a text as C escapes, so that a report can be pasted into a unit test.
// How many doubles lie between a and b (of the same sign); infinity counts as the double after
// the largest finite one.
inline std::uint64_t UlpsApart(double a, double b) {
  std::uint64_t x, y;
  std::memcpy(&x, &a, sizeof x);
  std::memcpy(&y, &b, sizeof y);
  return x > y ? x - y : y - x;
}

inline std::string Escaped(const std::string& text) {
  std::string out;
  for (unsigned char c : text) {
    if (c >= 0x20 && c < 0x7F && c != '\\' && c != '"') {
      out += static_cast<char>(c);
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    }
  }
  return out;
}

[[noreturn]] inline void Fail(const char* property, const char* file, int line, const std::string& detail) {
  std::fprintf(stderr, "\nproperty broken: %s\n  at %s:%d\n  %s\n", property, file, line, detail.c_str());
  std::abort();
}

// Reads a fixed-size integer (or double) from the front of the input; missing bytes are 0.
template <typename T>
T TakeInteger(const std::uint8_t*& data, std::size_t& size) {
  std::uint8_t bytes[sizeof(T)] = {};
  const std::size_t n = size < sizeof(T) ? size : sizeof(T);
  std::memcpy(bytes, data, n);
  data += n;
  size -= n;
  T value{};
  std::memcpy(&value, bytes, sizeof(T));  // the machines that fuzz are little-endian
  return value;
}

// The text up to the next zero byte (which is consumed), or the rest of the input.
inline std::string TakeField(const std::uint8_t*& data, std::size_t& size) {
  const void* zero = std::memchr(data, 0, size);
  const std::size_t length = zero ? static_cast<std::size_t>(static_cast<const std::uint8_t*>(zero) - data) : size;
  std::string field(reinterpret_cast<const char*>(data), length);
  const std::size_t used = zero ? length + 1 : length;
  data += used;
  size -= used;
  return field;
}

}  // namespace fuzz

// Checks a property; `detail` is any expression giving a std::string about the failing input.
#define FUZZ_CHECK(condition, detail)                                     \
  do {                                                                    \
    if (!(condition)) ::fuzz::Fail(#condition, __FILE__, __LINE__, (detail)); \
  } while (0)
