#include "cups_library.h"

#if __has_include(<dlfcn.h>)
#include <dlfcn.h>
#define PAYVANTA_HAS_DLOPEN 1
#endif

namespace payvanta::reports::qt {

namespace {

// The little of libcups's interface (cups.h, http.h, ipp.h) used here, as version 2 of the
// library lays it out; its enumerations are ints.
struct CupsOption {
    char* name;
    char* value;
};
struct CupsDest {
    char* name;
    char* instance;
    int isDefault;
    int numOptions;
    CupsOption* options;
};
void* const kDefaultConnection = nullptr; // CUPS_HTTP_DEFAULT: the scheduler of the environment
constexpr int kHttpContinue = 100;        // HTTP_STATUS_CONTINUE: the request goes on
constexpr int kFirstIppError = 0x0100;    // below it, the successful-ok statuses

} // namespace

struct CupsLibrary::Functions {
    CupsDest* (*getNamedDest)(void* http, const char* name, const char* instance);
    void (*freeDests)(int count, CupsDest* dests);
    int (*createJob)(void* http, const char* name, const char* title, int numOptions,
                     CupsOption* options);
    int (*startDocument)(void* http, const char* name, int job, const char* document,
                         const char* format, int last);
    int (*writeRequestData)(void* http, const char* buffer, std::size_t length);
    int (*finishDocument)(void* http, const char* name);
    int (*cancelJob2)(void* http, const char* name, int job, int purge);
    const char* (*lastErrorString)();
};

namespace {

#ifdef PAYVANTA_HAS_DLOPEN
template <typename Function> bool lookUp(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}
#endif

} // namespace

const CupsLibrary* CupsLibrary::load() {
    static const CupsLibrary* const loaded = []() -> const CupsLibrary* {
#ifdef PAYVANTA_HAS_DLOPEN
        // Loaded once and kept for the rest of the run, as a linked library would be.
        void* library = dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
        if (library == nullptr) {
            return nullptr;
        }
        static Functions f;
        if (lookUp(library, "cupsGetNamedDest", f.getNamedDest) &&
            lookUp(library, "cupsFreeDests", f.freeDests) &&
            lookUp(library, "cupsCreateJob", f.createJob) &&
            lookUp(library, "cupsStartDocument", f.startDocument) &&
            lookUp(library, "cupsWriteRequestData", f.writeRequestData) &&
            lookUp(library, "cupsFinishDocument", f.finishDocument) &&
            lookUp(library, "cupsCancelJob2", f.cancelJob2) &&
            lookUp(library, "cupsLastErrorString", f.lastErrorString)) {
            static const CupsLibrary cups(&f);
            return &cups;
        }
#endif
        return nullptr;
    }();
    return loaded;
}

std::optional<std::string> CupsLibrary::printPdf(std::string_view destination,
                                                 const std::string& title,
                                                 std::string_view pdf) const {
    const Functions& f = *functions_;
    const std::size_t slash = destination.find('/');
    const std::string queue(destination.substr(0, slash));
    const std::string instance(slash == std::string_view::npos ? std::string_view()
                                                               : destination.substr(slash + 1));

    // The options the user keeps for the destination (lpoptions), as lp sends them.
    CupsDest* dest = f.getNamedDest(kDefaultConnection, queue.c_str(),
                                    instance.empty() ? nullptr : instance.c_str());
    const int job = f.createJob(kDefaultConnection, queue.c_str(), title.c_str(),
                                dest != nullptr ? dest->numOptions : 0,
                                dest != nullptr ? dest->options : nullptr);
    if (dest != nullptr) {
        f.freeDests(1, dest);
    }
    if (job == 0) {
        return std::string(f.lastErrorString());
    }

    int status = f.startDocument(kDefaultConnection, queue.c_str(), job, title.c_str(),
                                 "application/pdf", 1);
    if (status == kHttpContinue) {
        status = f.writeRequestData(kDefaultConnection, pdf.data(), pdf.size());
    }
    const bool sent = status == kHttpContinue &&
                      f.finishDocument(kDefaultConnection, queue.c_str()) < kFirstIppError;
    if (sent) {
        return std::nullopt;
    }
    // A job half sent is taken back, so that nothing of it prints.
    std::string reason = f.lastErrorString();
    f.cancelJob2(kDefaultConnection, queue.c_str(), job, 0);
    return reason;
}

} // namespace payvanta::reports::qt
