#pragma once

#include "failure.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace payvanta::files {

// Reads a file that must be a regular, text file of at most maxBytes: a folder, a
// device, a FIFO, a file holding NUL bytes or a larger file is refused with its reason.
// The file is opened first and the opened file checked, so that nothing can be put in
// its place between the check and the reading.
Result<std::string> readSmallTextFile(const std::filesystem::path& path, std::size_t maxBytes);

// The temporary copy of a save is the file's name followed by ".tmp-" and six letters:
// a file name must leave room for them.
inline constexpr std::size_t kTemporarySuffixBytes = 11;

// What a save does with a link at the file's name.
enum class LinkAtName {
    // The file the link points at is replaced and the link stays: a project opened
    // through a link is saved where it lives.
    Follow,
    // The new file takes the link's place and what it pointed at is left alone: a file
    // the program makes, in a folder others may write to, never lands where a link that
    // someone planted there points.
    Replace,
};

// Replaces the file with the bytes without ever leaving it half-written: the bytes go
// to a temporary copy beside it, made with the old file's permissions, owner and group,
// which then takes its place. Copies left by a save that crashed are removed first.
// Where the folder takes no new file, or the copy could not keep the old owner and group,
// the file is written in place instead, its old content kept in a backup until the new
// one is on disk. On a failure the old file is unchanged (should even putting it back
// fail, the reason says where the backup is). Something other than a file in its place
// (a folder, a FIFO, a device) is refused and left as it is.
std::optional<Failure> replaceFileAtomically(const std::filesystem::path& path,
                                             std::string_view bytes,
                                             LinkAtName link = LinkAtName::Follow);

// The text with each line ending (CRLF, LF or a lone CR) as a break, without the breaks.
template <typename Fn> void forEachLine(std::string_view text, Fn&& fn) {
    std::size_t start = 0;
    std::size_t lineNumber = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        const std::size_t stop = end == std::string_view::npos ? text.size() : end;
        fn(text.substr(start, stop - start), ++lineNumber);
        if (end == std::string_view::npos) {
            break;
        }
        start =
            end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    }
}

} // namespace payvanta::files
