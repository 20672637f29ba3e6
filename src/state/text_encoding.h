#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Texts are UTF-8 in memory and Windows-1251 (one byte a character) in the state files.
// Lengths and padding count characters, not bytes.
namespace vekselgrad {

std::string cp1251ToUtf8(std::string_view bytes);

// Characters that Windows-1251 cannot hold become '?'.
std::string utf8ToCp1251(std::string_view text);

std::size_t characterCount(std::string_view utf8);

// The text cut to, or padded with blanks on the right to, exactly `length` characters.
std::string fitToLength(std::string_view utf8, std::size_t length);

}  // namespace vekselgrad
