// Linked into every program of a HALVANE_SANITIZE build. Beside libasan,
// libubsan keeps a report file of its own, but the log_path it reads from
// UBSAN_OPTIONS reaches libasan's (its call to __sanitizer_set_report_path
// binds to libasan's copy), so UBSan reports went to standard error, where a
// test that reads a child's output swallows them. This points libubsan's own
// report file at that log_path.

#include <cstdlib>
#include <cstring>
#include <string>

#include <dlfcn.h>

namespace {

// The last log_path= in a sanitizer option string, as the runtime reads it:
// flags are split by blanks, commas and colons, a value may be quoted.
std::string logPath(const char *options)
{
    std::string path;
    const char *at = options;
    while (*at) {
        while (*at && std::strchr(" \t\n\r,:", *at))
            ++at;
        const char *name = at;
        while (*at && *at != '=' && !std::strchr(" \t\n\r,:", *at))
            ++at;
        const std::string flag(name, at);
        if (*at != '=')
            continue;
        ++at;
        std::string value;
        if (*at == '\'' || *at == '"') {
            const char quote = *at++;
            const char *end = std::strchr(at, quote);
            if (!end)
                return path;
            value.assign(at, end);
            at = end + 1;
        } else {
            const char *start = at;
            while (*at && !std::strchr(" \t\n\r,:", *at))
                ++at;
            value.assign(start, at);
        }
        if (flag == "log_path")
            path = value;
    }
    return path;
}

__attribute__((constructor)) void pointUbsanAtLogPath()
{
    const char *options = std::getenv("UBSAN_OPTIONS");
    if (!options)
        return;
    const std::string path = logPath(options);
    if (path.empty())
        return;
    // The library that holds the handlers, looked up by one of them, so no
    // version of its name is written here.
    Dl_info info;
    void *handler = dlsym(RTLD_DEFAULT, "__ubsan_handle_add_overflow");
    if (!handler || !dladdr(handler, &info) || !info.dli_fname)
        return;
    void *ubsan = dlopen(info.dli_fname, RTLD_NOW | RTLD_NOLOAD);
    if (!ubsan)
        return;
    using SetReportPath = void (*)(const char *);
    if (auto setReportPath = reinterpret_cast<SetReportPath>(dlsym(ubsan, "__sanitizer_set_report_path")))
        setReportPath(path.c_str());
    dlclose(ubsan);
}

}
