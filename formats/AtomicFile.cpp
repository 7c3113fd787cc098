#include "formats/AtomicFile.h"

#include "base/Quoted.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

std::string Failure(const char* what, const std::string& path)
{
    return std::string("cannot ") + what + " " + QuotedName(path) + ": " + std::strerror(errno);
}

// The bytes on the disk before the file takes the target's place: a replaced file is then never
// an empty or a partial one, whatever happens to the machine.
bool FlushToDisk(std::FILE* file)
{
    if (std::fflush(file) != 0)
        return false;
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

// Puts the temporary file in the target's place in one step: at every instant the target is
// either the old file or the new one, whole.
bool Replace(const std::string& temporary, const std::string& path, std::string& error)
{
#ifdef _WIN32
    // Windows keeps a read-only file; Wine would replace it.
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        error = "cannot replace " + QuotedName(path) + ": the file is read-only";
        return false;
    }
    // The C runtime's rename does not replace an existing file.
    if (::MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    const DWORD code = ::GetLastError();
    char text[256] = "";
    ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text, sizeof text, nullptr);
    std::string reason(text);
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' || reason.back() == ' ' || reason.back() == '.'))
        reason.pop_back();
    error = "cannot replace " + QuotedName(path) + ": " + (reason.empty() ? "error " + std::to_string(code) : reason);
    return false;
#else
    if (std::rename(temporary.c_str(), path.c_str()) == 0)
        return true;
    error = Failure("replace", path);
    return false;
#endif
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
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && FlushToDisk(file);
    if (!written)
        error = Failure("write", temporary);
    if (std::fclose(file) != 0 && written) {
        error = Failure("write", temporary);
        written = false;
    }
    if (!written || !Replace(temporary, path, error)) {
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
