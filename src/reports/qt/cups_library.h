#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace payvanta::reports::qt {

// The system's CUPS library, for handing it a print job ourselves: Qt's CUPS print engine
// does not look at whether CUPS took its job, so a queue that refuses jobs would look as if
// it printed. libcups is loaded when the first job is printed, never linked, so that none
// of it is loaded at start-up; where it is missing, printing goes through Qt alone.
class CupsLibrary {
public:
    // The library, loaded on the first call; nullptr where the system has no libcups.
    static const CupsLibrary* load();

    // Sends the PDF to the destination ("queue" or "queue/instance") as one job under the
    // title, with the destination's own default options. Nothing when CUPS took the job;
    // else why it did not (a queue that refuses jobs, a scheduler that cannot be reached).
    std::optional<std::string> printPdf(std::string_view destination, const std::string& title,
                                        std::string_view pdf) const;

private:
    struct Functions; // what the library is called through, looked up when it loads
    explicit CupsLibrary(const Functions* functions) : functions_(functions) {}

    const Functions* functions_;
};

} // namespace payvanta::reports::qt
