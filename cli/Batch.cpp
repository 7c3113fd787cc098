#include "cli/Batch.h"

#include "base/Quoted.h"

#include <cerrno>
#include <cstring>
#include <vector>

namespace cli {

namespace {

// Bytes no request can hold: control bytes other than the blanks between words.
bool IsControlByte(unsigned char c)
{
    return (c < 0x20 && c != '\t' && c != '\r') || c == 0x7F;
}

bool HoldsControlByte(const char* text, std::size_t size, char& found)
{
    // One pass without branches over every line, which the compiler turns into vector code;
    // the search for the byte to name only for the rare line that has one.
    bool any = false;
    for (std::size_t i = 0; i < size; ++i)
        any |= IsControlByte(static_cast<unsigned char>(text[i]));
    if (!any)
        return false;
    while (!IsControlByte(static_cast<unsigned char>(*text)))
        ++text;
    found = *text;
    return true;
}

// What failed, and the system's reason when it gave one.
std::string Because(const char* what, int error)
{
    return std::string(what) + (error != 0 ? std::string(": ") + std::strerror(error) : std::string());
}

} // namespace

ExitStatus RunBatch(std::FILE* in, std::FILE* out, int chars, const BatchLineWriter& writeLine, std::string& failure)
{
    // Read in big blocks and cut at newlines with memchr, not fgets: a NUL byte is a byte
    // like any other here, and never ends or merges lines.
    static char input[1 << 16];
    std::string pending;  // the part of a line that a block ended in
    std::string line;
    std::vector<std::string> words;
    std::string results;
    ExitStatus status = kExitDone;
    int writeError = 0;
    bool written = true;
    // Every write is checked: a full disk must not pass for a finished batch.
    auto write = [&] {
        errno = 0;
        if (written && std::fwrite(results.data(), 1, results.size(), out) != results.size()) {
            written = false;
            writeError = errno;
        }
        results.clear();
    };

    auto result = [&](const Request& r) {
        if (r.status != kExitDone)
            status = kExitRefused;
        results += writeLine(r);
    };
    auto answer = [&](const char* text, std::size_t size) {
        char control = 0;
        if (HoldsControlByte(text, size, control)) {
            Request refused;
            refused.status = kExitRefused;
            refused.text = "a request holds no control bytes: " + Quoted(std::string(1, control));
            result(refused);
        } else {
            line.assign(text, size);
            SplitWords(line, words);
            if (!words.empty())
                result(RunRequest(words, chars));
        }
        results += '\n';
        if (results.size() >= sizeof input)
            write();
    };

    int readError = 0;
    while (written) {
        errno = 0;
        const std::size_t got = std::fread(input, 1, sizeof input, in);
        if (got == 0) {
            readError = errno;
            break;
        }
        const char* at = input;
        const char* const end = input + got;
        while (const char* newline =
                   static_cast<const char*>(std::memchr(at, '\n', static_cast<std::size_t>(end - at)))) {
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
    const bool readFailed = std::ferror(in) != 0;
    // A last line without its newline still counts; one cut short by a read error does not.
    if (!readFailed && !pending.empty())
        answer(pending.data(), pending.size());
    write();
    errno = 0;
    if (std::fflush(out) != 0 && written) {
        written = false;
        writeError = errno;
    }
    if (!written) {
        failure = Because("writing standard output failed", writeError);
        return kExitFile;
    }
    if (readFailed) {
        failure = Because("reading standard input failed", readError) + "; the lines before were done";
        return kExitFile;
    }
    return status;
}

} // namespace cli
