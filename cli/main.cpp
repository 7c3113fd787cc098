// locatrix-cli: the calculator's four calculations for scripts and batch work.
#include "Requests.h"
#include "Toolbox.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Batch mode: standard input read in big blocks and cut at newlines, results gathered in a
// block of their own; no iostreams, no per-line library calls. One output line per input line.
int RunBatch(int chars)
{
    static char input[1 << 16];
    std::string pending;  // the part of a line that a block ended in
    std::string line;
    std::vector<std::string> words;
    std::string out;
    int status = 0;

    auto answer = [&](const char* text, std::size_t size) {
        line.assign(text, size);
        cli::SplitWords(line, words);
        if (!words.empty()) {
            const cli::Result r = cli::RunRequest(words, chars);
            if (r.status != cli::kOk) {
                out += "error: ";
                status = 1;
            }
            out += r.text;
        }
        out += '\n';
        if (out.size() >= sizeof input) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    };

    std::size_t got;
    while ((got = std::fread(input, 1, sizeof input, stdin)) > 0) {
        const char* at = input;
        const char* const end = input + got;
        while (const char* newline = static_cast<const char*>(std::memchr(at, '\n', static_cast<std::size_t>(end - at)))) {
            if (pending.empty()) {
                answer(at, static_cast<std::size_t>(newline - at));
            } else {
                pending.append(at, newline);
                answer(pending.data(), pending.size());
                pending.clear();
            }
            at = newline + 1;
        }
        pending.append(at, end);
    }
    // A last line without its newline still counts.
    if (!pending.empty())
        answer(pending.data(), pending.size());
    std::fwrite(out.data(), 1, out.size(), stdout);
    if (std::ferror(stdin)) {
        std::fputs("locatrix-cli: reading standard input failed; the lines before were done\n", stderr);
        return 1;
    }
    if (std::fflush(stdout) != 0)
        return 1;
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> words(argv + 1, argv + argc);
    int toolboxStatus = 0;
    if (cli::CToolbox::Run(words, toolboxStatus))
        return toolboxStatus;
    if (words.empty()) {
        std::fputs(cli::HelpText().c_str(), stderr);
        return 2;
    }
    for (const std::string& w : words) {
        if (w == "--help" || w == "-h") {
            std::fputs(cli::HelpText().c_str(), stdout);
            return 0;
        }
    }

    // --batch among the options: the others (--chars) set the batch's default length.
    std::vector<std::string> options;
    for (const std::string& w : words)
        if (w != "--batch")
            options.push_back(w);
    if (options.size() != words.size()) {
        int chars = 6;
        std::size_t at = 0;
        std::string error;
        if (!cli::ReadOptions(options, at, chars, error) || at != options.size()) {
            if (error.empty())
                error = "--batch takes its requests from standard input, not from the command line";
            std::fprintf(stderr, "locatrix-cli: %s\nTry 'locatrix-cli --help'.\n", error.c_str());
            return 2;
        }
        return RunBatch(chars);
    }

    const cli::Result r = cli::RunRequest(words, 6);
    switch (r.status) {
    case cli::kOk:
        std::printf("%s\n", r.text.c_str());
        return std::fflush(stdout) == 0 ? 0 : 1;
    case cli::kRejected:
        std::fprintf(stderr, "%s\n", r.text.c_str());
        return 1;
    default:
        std::fprintf(stderr, "locatrix-cli: %s\nTry 'locatrix-cli --help'.\n", r.text.c_str());
        return 2;
    }
}
