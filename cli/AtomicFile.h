// Writes a whole file or nothing: the bytes go to a temporary file beside the target, which
// replaces the target in one step only once everything has been written and flushed to disk.
// A platform seam: the replacement is the system's own (rename, or MoveFileExA on Windows).
#pragma once

#include <string>

namespace cli {

class CAtomicFile {
public:
    // False, with error saying what failed, when the file could not be written; the
    // target is then as it was and no temporary file is left behind.
    static bool Write(const std::string& path, const std::string& bytes, std::string& error);

    // The whole of a file (binary), or of standard input when path is empty.
    static bool Read(const std::string& path, std::string& bytes, std::string& error);
};

} // namespace cli
