#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace fw {

// The framework's string is a run of bytes. Literals in the program are UTF-8;
// bytes read from a document carry no encoding. Joining is operator+, and
// equality is operator==, byte for byte, with no case folding.
using String = std::string;

// A one-byte string for the codes 0 to 255: the byte of that value, with no
// encoding (code 230 is the single byte E6, as documents hold it). Codes
// outside that range give the empty string.
String Chr(std::int64_t code);

// Byte positions count from 1. A start of 0 or below, or past the end, gives
// the empty string; the length is clipped to the bytes that are there.
String MidB(std::string_view s, std::int64_t start, std::int64_t length);
String MidB(std::string_view s, std::int64_t start);

// The first `count` bytes, or the whole string when it is shorter.
String LeftB(std::string_view s, std::int64_t count);

std::int64_t LenB(std::string_view s);

// Position (from 1) of the first occurrence of `find` in `source` at or after
// `start`; a start of 0 or 1 searches the whole string. 0 when absent, and
// for an empty `find`.
std::int64_t InStrB(std::int64_t start, std::string_view source, std::string_view find);
std::int64_t InStrB(std::string_view source, std::string_view find);

// The number of fields the delimiter cuts the string into: occurrences + 1,
// and 0 for the empty string. An empty delimiter leaves one field.
std::int64_t CountFields(std::string_view s, std::string_view delimiter);

// Field k (from 1) without its delimiters; empty where two delimiters touch,
// after a trailing delimiter, or when k is out of range.
String NthField(std::string_view s, std::string_view delimiter, std::int64_t k);

// The platform's line ending.
String EndOfLine();

} // namespace fw
