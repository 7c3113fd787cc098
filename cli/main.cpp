// locatrix-cli: the calculator's four calculations for scripts and batch work.
#include "Requests.h"
#include "Toolbox.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Batch mode: stdio with big buffers, no iostreams; one output line per input line.
int RunBatch(int chars)
{
    static char inBuffer[1 << 16];
    static char outBuffer[1 << 16];
    std::setvbuf(stdin, inBuffer, _IOFBF, sizeof inBuffer);
    std::setvbuf(stdout, outBuffer, _IOFBF, sizeof outBuffer);

    int status = 0;
    std::string line;
    std::vector<std::string> words;
    std::string out;
    char chunk[4096];
    bool more = true;
    while (more) {
        line.clear();
        bool ended = false;
        while (!ended) {
            if (!std::fgets(chunk, sizeof chunk, stdin)) {
                more = false;
                break;
            }
            std::size_t n = std::strlen(chunk);
            if (n > 0 && chunk[n - 1] == '\n') {
                --n;
                ended = true;
            }
            line.append(chunk, n);
        }
        if (!ended && line.empty())
            break;
        cli::SplitWords(line, words);
        out.clear();
        if (!words.empty()) {
            const cli::Result r = cli::RunRequest(words, chars);
            if (r.status == cli::kOk) {
                out = r.text;
            } else {
                out = "error: ";
                out += r.text;
                status = 1;
            }
        }
        out += '\n';
        std::fwrite(out.data(), 1, out.size(), stdout);
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
