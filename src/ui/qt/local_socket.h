#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace payvanta::ui::qt {

// The few calls on a local (Unix domain) stream socket that the single copy needs, made
// on the system directly: Qt's local sockets come with its network library, which would
// load a dozen libraries into every start of the program.

// An open descriptor, closed when it goes.
class SocketHandle {
public:
    SocketHandle() = default;
    explicit SocketHandle(int descriptor) : descriptor_(descriptor) {}
    SocketHandle(SocketHandle&& other) noexcept : descriptor_(other.release()) {}
    SocketHandle& operator=(SocketHandle&& other) noexcept;
    SocketHandle(const SocketHandle&) = delete;
    SocketHandle& operator=(const SocketHandle&) = delete;
    ~SocketHandle();

    int get() const { return descriptor_; }
    bool valid() const { return descriptor_ >= 0; }
    int release();
    void reset();

private:
    int descriptor_ = -1;
};

// A socket or the system's error number.
struct SocketResult {
    SocketHandle socket;
    int error = 0;
};

// Listens on `path` (a socket file left there is replaced), open to its owner only; the
// socket does not block. The system queues as many connections as it allows.
SocketResult listenOn(const std::string& path);
// The next waiting connection, not blocking; an invalid handle with the error number
// (EAGAIN when nobody waits).
SocketResult acceptNext(int server);
// Connects to the socket at `path`; fails at once (EAGAIN) when its queue is full.
SocketResult connectTo(const std::string& path);
// Sends all of `bytes` and waits for the one byte of the answer within the time left.
// The answer, or -1 when it did not come in time.
int exchange(int socket, std::string_view bytes, std::chrono::steady_clock::time_point deadline);
// Identifies the socket file at `path`: its device and inode, or zeros when there is none.
struct FileIdentity {
    unsigned long long device = 0;
    unsigned long long inode = 0;
    bool operator==(const FileIdentity&) const = default;
};
FileIdentity socketFileAt(const std::string& path);

} // namespace payvanta::ui::qt
