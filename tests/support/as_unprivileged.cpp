#include "support/as_unprivileged.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace payvanta::test {

std::string asUnprivileged(const std::function<std::string()>& body) {
    int pipe[2];
    if (::pipe(pipe) != 0) {
        return "no pipe";
    }
    const pid_t child = ::fork();
    if (child == 0) {
        const bool dropped = ::geteuid() != 0 || (::setgroups(0, nullptr) == 0 &&
                                                  ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0);
        const std::string result = dropped ? body() : "cannot become nobody";
        const bool written = ::write(pipe[1], result.data(), result.size()) >= 0;
        ::_exit(written ? 0 : 1);
    }
    ::close(pipe[1]);
    std::string result;
    char buffer[256];
    for (ssize_t n; (n = ::read(pipe[0], buffer, sizeof buffer)) > 0;) {
        result.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(pipe[0]);
    ::waitpid(child, nullptr, 0);
    return result;
}

} // namespace payvanta::test
