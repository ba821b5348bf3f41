#pragma once

#include <functional>
#include <string>
#include <sys/types.h>

namespace payvanta::test {

// The user and group "nobody", whom permissions stop.
inline constexpr uid_t kNobody = 65534;

// Runs the body in a child process as a user whom permissions stop: "nobody" when the tests
// run as root. The body says what went wrong, or nothing.
std::string asUnprivileged(const std::function<std::string()>& body);

} // namespace payvanta::test
