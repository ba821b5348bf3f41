// Runs a program with its arguments, its output thrown away, and prints its wall time,
// the processor time it used (user and system) and its peak resident memory:
//   payvanta_measure_run PROGRAM ARGS...
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM ARGS...\n", argv[0]);
        return 64;
    }
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child < 0) {
        std::perror("fork");
        return 70;
    }
    if (child == 0) {
        const int devNull = ::open("/dev/null", O_WRONLY);
        if (devNull >= 0) {
            ::dup2(devNull, STDOUT_FILENO);
        }
        ::execv(argv[1], argv + 1);
        std::perror("exec");
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    if (::wait4(child, &status, 0, &usage) < 0) {
        std::perror("wait4");
        return 70;
    }
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    // Processor time holds better than wall time on a machine busy with other work.
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    const double cpu = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    std::printf("exit status: %d\nwall seconds: %.3f\ncpu seconds: %.4f\npeak resident kB: %ld\n",
                WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), wall.count(), cpu,
                usage.ru_maxrss);
    return 0;
}
