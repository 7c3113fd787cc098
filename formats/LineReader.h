// Lines of a stream as they arrive, one byte at a time, so that a live serial stream is
// handled line by line: "\n" or "\r\n" ends a line, a last line without one counts too,
// and NUL bytes are ordinary bytes. A line longer than the limit is cut there; its rest is
// dropped. Whether the stream is live asks the system about the file (a platform seam).
#pragma once

#include <cstdio>
#include <string>

class CLineReader {
public:
    CLineReader(std::FILE* file, std::size_t limit);

    // False at the end of the stream, or on a read error (then Failed() is true).
    bool Next(std::string& line);
    bool Failed() const { return m_bFailed; }
    long GetLineNumber() const { return m_nLine; }
    // A terminal, a pipe or a device, whose lines come as they happen; false for a file.
    bool IsLive() const;

private:
    std::FILE* m_hFile;
    std::size_t m_nLimit;
    long m_nLine = 0;
    bool m_bFailed = false;
};
