#include "cli/Messages.h"

#include <cerrno>
#include <cstring>

namespace cli {

std::string Message(const std::string& text)
{
    return "locatrix-cli: " + text + "\n";
}

void Say(std::FILE* err, const std::string& text)
{
    std::fputs(Message(text).c_str(), err);
}

ExitStatus SayUsage(std::FILE* err, const std::string& text)
{
    std::fputs((Message(text) + "Try 'locatrix-cli --help'.\n").c_str(), err);
    return kExitUsage;
}

bool WriteOut(std::FILE* out, std::FILE* err, const std::string& text)
{
    errno = 0;
    const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
    const int error = errno;
    if (written && std::fflush(out) == 0)
        return true;
    const int reason = error != 0 ? error : errno;
    Say(err, std::string("writing standard output failed") + (reason != 0 ? ": " : "")
                 + (reason != 0 ? std::strerror(reason) : ""));
    return false;
}

ExitStatus Finish(const CommandResult& r, std::FILE* out, std::FILE* err)
{
    if (!WriteOut(out, err, r.out) && r.status == kExitDone)
        return kExitFile;
    std::fputs(r.summary.c_str(), err);
    if (r.err.empty())
        return r.status;
    if (r.status == kExitUsage)
        return SayUsage(err, r.err);
    Say(err, r.err);
    return r.status;
}

} // namespace cli
