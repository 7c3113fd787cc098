// libFuzzer target: arbitrary bytes through locatrix-cli's batch loop (as its standard input)
// and, cut at NUL bytes, as the words of one request. Every input line must give exactly one
// output line, and no message may carry a control byte or quote more than a short part of a word.
#include "cli/Batch.h"
#include "cli/CommandResult.h"
#include "cli/Requests.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void Check(bool ok)
{
    if (!ok)
        std::abort();
}

std::size_t Count(const std::string& text, char c)
{
    std::size_t n = 0;
    for (char t : text)
        n += t == c;
    return n;
}

void RunAsBatch(const std::string& input)
{
    if (input.empty())
        return;  // fmemopen refuses an empty buffer
    std::FILE* in = fmemopen(const_cast<char*>(input.data()), input.size(), "rb");
    char* buffer = nullptr;
    std::size_t size = 0;
    std::FILE* out = open_memstream(&buffer, &size);
    Check(in && out);
    std::string failure;
    const int status = cli::RunBatch(in, out, 6, failure);
    std::fclose(in);
    std::fclose(out);
    const std::string output(buffer, size);
    std::free(buffer);

    Check(status == cli::kExitDone || status == cli::kExitRefused);
    Check(failure.empty());
    const std::size_t lines = Count(input, '\n') + (input.back() != '\n' ? 1 : 0);
    Check(Count(output, '\n') == lines);
    Check(!output.empty() && output.back() == '\n');
    // Error lines say so; a refusal is only reported with some error line.
    Check((status == cli::kExitRefused) == (output.compare(0, 7, "error: ") == 0 ||
                                             output.find("\nerror: ") != std::string::npos));
}

void RunAsWords(const std::string& input)
{
    std::vector<std::string> words(1);
    for (char c : input) {
        if (c == '\0')
            words.emplace_back();
        else
            words.back() += c;
    }
    const cli::Result r = cli::RunRequest(words, 6);
    Check(r.status == cli::kOk || r.status == cli::kRejected || r.status == cli::kUsage);
    Check(r.text.size() < 256);  // 40 bytes quoted, each at most \xHH
    for (char c : r.text)
        Check(c >= 0x20 && c < 0x7F);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    RunAsBatch(input);
    RunAsWords(input);
    return 0;
}
