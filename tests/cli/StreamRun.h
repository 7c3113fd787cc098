// Runs a command that reads one stream and writes two, on temporary files: what it wrote to
// each and the status it returned. And a file's bytes.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

struct StreamRun {
    int status = 0;
    std::string out, err;
};

inline std::string ReadAll(std::FILE* file)
{
    std::string text;
    std::rewind(file);
    for (int c; (c = std::getc(file)) != EOF;)
        text += static_cast<char>(c);
    std::fclose(file);
    return text;
}

inline StreamRun RunOnStreams(const std::string& input, const std::function<int(std::FILE*, std::FILE*, std::FILE*)>& run)
{
    std::FILE* in = std::tmpfile();
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    std::fwrite(input.data(), 1, input.size(), in);
    std::rewind(in);
    const int status = run(in, out, err);
    std::fclose(in);
    return StreamRun{status, ReadAll(out), ReadAll(err)};
}

inline std::string ReadFile(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    return file ? ReadAll(file) : std::string();
}
