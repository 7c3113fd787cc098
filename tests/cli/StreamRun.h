// Runs a command that reads one stream and writes two, on temporary files: what it wrote to
// each and the status it returned.
#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <utility>

struct StreamRun {
    int status = 0;
    std::string out, err;
};

inline StreamRun RunOnStreams(const std::string& input, const std::function<int(std::FILE*, std::FILE*, std::FILE*)>& run)
{
    std::FILE* in = std::tmpfile();
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    std::fwrite(input.data(), 1, input.size(), in);
    std::rewind(in);
    StreamRun r;
    r.status = run(in, out, err);
    for (auto [file, text] : {std::pair<std::FILE*, std::string*>{out, &r.out}, {err, &r.err}}) {
        std::rewind(file);
        int c;
        while ((c = std::getc(file)) != EOF)
            *text += static_cast<char>(c);
        std::fclose(file);
    }
    std::fclose(in);
    return r;
}
