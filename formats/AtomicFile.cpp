#include "formats/AtomicFile.h"

#include "base/Quoted.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

std::string Failure(const char* what, const std::string& path)
{
    return std::string("cannot ") + what + " " + Quoted(path) + ": " + std::strerror(errno);
}

} // namespace

bool CAtomicFile::Write(const std::string& path, const std::string& bytes, std::string& error)
{
    const std::string temporary = path + ".locatrix-tmp";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) {
        error = Failure("create", temporary);
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
    if (!written)
        error = Failure("write", temporary);
    if (std::fclose(file) != 0 && written) {
        error = Failure("write", temporary);
        std::remove(temporary.c_str());
        return false;
    }
    if (!written) {
        std::remove(temporary.c_str());
        return false;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
#ifdef _WIN32
        // The C runtime on Windows does not rename over an existing file.
        if (std::remove(path.c_str()) == 0 && std::rename(temporary.c_str(), path.c_str()) == 0)
            return true;
#endif
        error = Failure("replace", path);
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

bool CAtomicFile::Read(const std::string& path, std::string& bytes, std::string& error)
{
    std::FILE* file = path.empty() ? stdin : std::fopen(path.c_str(), "rb");
    if (!file) {
        error = Failure("open", path);
        return false;
    }
    bytes.clear();
    char chunk[65536];
    std::size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.append(chunk, n);
    const bool failed = std::ferror(file) != 0;
    if (failed)
        error = Failure("read", path.empty() ? std::string("standard input") : path);
    if (file != stdin)
        std::fclose(file);
    return !failed;
}
