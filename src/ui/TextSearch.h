#pragma once
// Byte-wise text helpers for GBK paths: positions count bytes from 1, and a search only tries
// places where a character starts, so the second byte of a double-byte character never matches.
#include <cstdint>
#include <string>

// 1-based byte position of the first occurrence of `sought` in `text`, or -1.
std::int32_t FindText(const std::string& text, const std::string& sought);

// At most `count` bytes of `text` from the 1-based byte position `start`; "" when out of range.
std::string MidText(const std::string& text, std::int32_t start, std::int32_t count);

// What follows the last backslash that starts a character, whole: a path's bare file name.
std::string BareFileName(const std::string& path);
