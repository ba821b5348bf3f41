#pragma once

#include "failure.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace payvanta::files {

// Reads a file that must be a regular, text file of at most maxBytes: a folder, a
// device, a file holding NUL bytes or a larger file is refused with its reason.
Result<std::string> readSmallTextFile(const std::filesystem::path& path, std::size_t maxBytes);

// Replaces the file with the bytes without ever leaving it half-written: the bytes go
// to a temporary file beside it, which then takes its place. On a failure the old file
// is untouched.
std::optional<Failure> replaceFileAtomically(const std::filesystem::path& path,
                                             std::string_view bytes);

// The text with each line ending (CRLF, LF or a lone CR) as a break, without the breaks.
template <typename Fn>
void forEachLine(std::string_view text, Fn&& fn) {
    std::size_t start = 0;
    std::size_t lineNumber = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        const std::size_t stop = end == std::string_view::npos ? text.size() : end;
        fn(text.substr(start, stop - start), ++lineNumber);
        if (end == std::string_view::npos) {
            break;
        }
        start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    }
}

// Removes leading and trailing spaces (spaces only: a tab stays).
std::string_view trimSpaces(std::string_view s);

} // namespace payvanta::files
