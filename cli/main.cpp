// locatrix-cli: the calculator's four calculations for scripts and batch work.
#include "cli/Batch.h"
#include "cli/CommandResult.h"
#include "cli/Requests.h"
#include "cli/StandardOutput.h"
#include "cli/Toolbox.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

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
        std::string failure;
        const int status = cli::RunBatch(stdin, stdout, chars, failure);
        if (status == cli::kExitFile)
            std::fprintf(stderr, "locatrix-cli: %s\n", failure.c_str());
        return status;
    }

    const cli::Result r = cli::RunRequest(words, 6);
    switch (r.status) {
    case cli::kOk:
        return cli::WriteStandardOutput(r.text + '\n') ? cli::kExitDone : cli::kExitFile;
    case cli::kRejected:
        std::fprintf(stderr, "%s\n", r.text.c_str());
        return 1;
    default:
        std::fprintf(stderr, "locatrix-cli: %s\nTry 'locatrix-cli --help'.\n", r.text.c_str());
        return 2;
    }
}
