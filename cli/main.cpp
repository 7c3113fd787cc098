// locatrix-cli: the calculator's four calculations for scripts and batch work, and the toolbox.
#include "cli/Help.h"
#include "cli/Messages.h"
#include "cli/commands/Commands.h"

#include <string>
#include <vector>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

using namespace cli;

const struct Toolbox {
    const char* name;
    ToolboxCommand command;
    ExitStatus (*pfnRun)(const Options& options, std::FILE* in, std::FILE* out, std::FILE* err);
} kToolbox[] = {
    {"square", kSquare, RunSquare}, {"path", kPath, RunPath}, {"map", kMap, RunMap},
    {"nmea", kNmea, RunNmea},       {"adif", kAdif, RunAdif},
    {"rotate", kRotate, RunRotate}, {"wsjtx", kWsjtx, RunWsjtx},
};

bool Has(const std::vector<std::string>& words, const char* word)
{
    for (const std::string& w : words)
        if (w == word)
            return true;
    return false;
}

// Bytes as they are on every system: nothing added or taken away on Windows, where in text
// mode a Ctrl-Z would end the input in the middle of a line. The window's forms in their plain
// text keep the system's own line ends on standard output.
void BinaryStdio(bool output)
{
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
    if (output)
        _setmode(_fileno(stdout), _O_BINARY);
#else
    (void)output;
#endif
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> words(argv + 1, argv + argc);
    if (Has(words, "--version"))
        return WriteOut(stdout, stderr, "locatrix-cli " LOCATRIX_VERSION "\n") ? kExitDone : kExitFile;
    if (Has(words, "--help") || Has(words, "-h"))
        return WriteOut(stdout, stderr, HelpText()) ? kExitDone : kExitFile;
    if (WantsFormattedForms(words)) {
        BinaryStdio(true);
        return RunForms(words, true, stdin, stdout, stderr);
    }
    std::size_t at = 0;
    const std::string command = CommandWord(words, at);
    for (const Toolbox& tool : kToolbox) {
        if (command != tool.name)
            continue;
        BinaryStdio(true);
        std::vector<std::string> rest = words;
        rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(at));
        Options options;
        CommandResult refused;
        if (!ReadOptions(rest, command, tool.command, options, refused.err)) {
            refused.status = kExitUsage;
            return Finish(refused, stdout, stderr);
        }
        return tool.pfnRun(options, stdin, stdout, stderr);
    }
    if (words.empty()) {
        std::fputs(UsageText().c_str(), stderr);
        return kExitUsage;
    }
    BinaryStdio(false);
    return RunForms(words, false, stdin, stdout, stderr);
}
