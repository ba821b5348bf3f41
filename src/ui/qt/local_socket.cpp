#include "ui/qt/local_socket.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace payvanta::ui::qt {

SocketHandle& SocketHandle::operator=(SocketHandle&& other) noexcept {
    if (this != &other) {
        reset();
        descriptor_ = other.release();
    }
    return *this;
}

SocketHandle::~SocketHandle() {
    reset();
}

int SocketHandle::release() {
    const int descriptor = descriptor_;
    descriptor_ = -1;
    return descriptor;
}

void SocketHandle::reset() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
        descriptor_ = -1;
    }
}

namespace {

SocketResult failed() {
    return {SocketHandle(), errno};
}

// The socket address of a path; false when the path is too long for one.
bool addressOf(const std::string& path, sockaddr_un& address) {
    address = {};
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof(address.sun_path)) {
        return false;
    }
    std::memcpy(address.sun_path, path.data(), path.size());
    return true;
}

int millisecondsTo(std::chrono::steady_clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    return static_cast<int>(std::max<long long>(0, left.count()));
}

// Waits until the socket is ready for `events`; false when the time is up first.
bool waitFor(int socket, short events, std::chrono::steady_clock::time_point deadline) {
    for (;;) {
        pollfd entry{socket, events, 0};
        const int ready = ::poll(&entry, 1, millisecondsTo(deadline));
        if (ready > 0) {
            return true;
        }
        if (ready == 0 || errno != EINTR) {
            return false;
        }
    }
}

} // namespace

SocketResult listenOn(const std::string& path) {
    sockaddr_un address;
    if (!addressOf(path, address)) {
        return {SocketHandle(), ENAMETOOLONG};
    }
    SocketHandle server(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (!server.valid()) {
        return failed();
    }
    ::unlink(path.c_str());
    if (::bind(server.get(), reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
        return failed();
    }
    if (::chmod(path.c_str(), S_IRWXU) != 0 || ::listen(server.get(), SOMAXCONN) != 0) {
        SocketResult result = failed();
        ::unlink(path.c_str());
        return result;
    }
    return {std::move(server), 0};
}

SocketResult acceptNext(int server) {
    for (;;) {
        SocketHandle connection(::accept4(server, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK));
        if (connection.valid()) {
            return {std::move(connection), 0};
        }
        if (errno != EINTR) {
            return failed();
        }
    }
}

SocketResult connectTo(const std::string& path) {
    sockaddr_un address;
    if (!addressOf(path, address)) {
        return {SocketHandle(), ENAMETOOLONG};
    }
    // Not blocking: a copy that does not take its connections makes this one wait no
    // longer than it wants to.
    SocketHandle socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (!socket.valid()) {
        return failed();
    }
    if (::connect(socket.get(), reinterpret_cast<const sockaddr*>(&address), sizeof(address)) !=
        0) {
        return failed();
    }
    return {std::move(socket), 0};
}

int exchange(int socket, std::string_view bytes, std::chrono::steady_clock::time_point deadline) {
    while (!bytes.empty()) {
        if (!waitFor(socket, POLLOUT, deadline)) {
            return -1;
        }
        const ssize_t sent =
            ::send(socket, bytes.data(), bytes.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (sent < 0) {
            if (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK) {
                continue;
            }
            return -1;
        }
        bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
    for (;;) {
        if (!waitFor(socket, POLLIN, deadline)) {
            return -1;
        }
        unsigned char answer = 0;
        const ssize_t got = ::recv(socket, &answer, 1, MSG_DONTWAIT);
        if (got == 1) {
            return answer;
        }
        if (got == 0 || (errno != EINTR && errno != EAGAIN && errno != EWOULDBLOCK)) {
            return -1;
        }
    }
}

FileIdentity socketFileAt(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISSOCK(st.st_mode)) {
        return {};
    }
    return {static_cast<unsigned long long>(st.st_dev), static_cast<unsigned long long>(st.st_ino)};
}

} // namespace payvanta::ui::qt
