#pragma once

#include <optional>
#include <string>
#include <string_view>

// Text files of the program are 8-bit Windows-1252 text. Inside the program every text
// is UTF-8.
namespace payvanta::encoding {

// True when the bytes are well-formed UTF-8.
bool isValidUtf8(std::string_view bytes);

// The bytes of a file as UTF-8: taken as UTF-8 when they are valid UTF-8 and hold a
// character beyond ASCII (a leading byte-order mark is dropped), otherwise read as
// Windows-1252.
std::string decodeFileText(std::string_view bytes);

std::string windows1252ToUtf8(std::string_view bytes);

// The text in Windows-1252, or nothing when a character has no Windows-1252 byte.
std::optional<std::string> utf8ToWindows1252(std::string_view text);

} // namespace payvanta::encoding
