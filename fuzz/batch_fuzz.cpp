// libFuzzer target: arbitrary bytes through locatrix-cli's batch loop (as its standard input)
// and, cut at NUL bytes, as the words of one request. Every input line must give exactly one
// output line, and no message may carry a control byte or quote more than a short part of a word.
#include "calc/ResultFields.h"
#include "cli/Request.h"
#include "cli/commands/Commands.h"

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
    char* messages = nullptr;
    std::size_t messagesSize = 0;
    std::FILE* err = open_memstream(&messages, &messagesSize);
    Check(in && out && err);
    const int status = cli::RunForms({"--batch"}, false, in, out, err);
    std::fclose(in);
    std::fclose(out);
    std::fclose(err);
    const std::string output(buffer, size);
    std::free(buffer);
    std::free(messages);

    Check(status == cli::kExitDone || status == cli::kExitRefused);
    Check(messagesSize == 0);
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
    const cli::Request r = cli::RunRequest(words, 6);
    Check(r.status == cli::kExitDone || r.status == cli::kExitRefused || r.status == cli::kExitUsage);
    const std::string text = r.status == cli::kExitDone ? ResultLine(r.form, r.done) : r.text;
    Check(text.size() < 256);  // 40 bytes quoted, each at most \xHH
    for (char c : text)
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
