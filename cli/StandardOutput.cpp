#include "cli/StandardOutput.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace cli {

bool WriteStandardOutput(const std::string& text)
{
    errno = 0;
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    const int error = errno;
    if (written && std::fflush(stdout) == 0)
        return true;
    const int reason = error != 0 ? error : errno;
    std::fprintf(stderr, "locatrix-cli: writing standard output failed%s%s\n", reason != 0 ? ": " : "",
                 reason != 0 ? std::strerror(reason) : "");
    return false;
}

} // namespace cli
