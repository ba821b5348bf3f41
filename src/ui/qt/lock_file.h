#pragma once

#include "ui/qt/local_socket.h"

#include <memory>
#include <string>

namespace payvanta::ui::qt {

// A lock that the system holds for the program on a file (flock): one process at a time
// holds it, and it is let go when the program ends, however it ends, so that a copy that
// crashed leaves nothing to clear up. The file holds the process id for a person who
// looks, and goes when the lock is let go. Nothing is flushed to the disk: Qt's lock file
// waited for its file to reach the disk, about a millisecond of every start where the
// folder is on a disk rather than in memory.
class LockFile {
public:
    enum class Outcome {
        Taken,
        HeldElsewhere, // by a running process
        Failed,        // the file cannot be made, opened or locked
    };
    struct Attempt {
        Outcome outcome = Outcome::Failed;
        std::unique_ptr<LockFile> lock; // when taken
        int error = 0;                  // the system's error number, when failed
    };

    // Takes the lock on the file at `path`, made when missing, without waiting.
    static Attempt take(const std::string& path);

    LockFile(const LockFile&) = delete;
    LockFile& operator=(const LockFile&) = delete;
    ~LockFile();

private:
    LockFile(std::string path, SocketHandle file);

    std::string path_;
    SocketHandle file_;
};

} // namespace payvanta::ui::qt
