#include "formats/LineReader.h"

#include <sys/stat.h>
#ifdef _WIN32
#include <io.h>
#define fileno _fileno
#else
#include <unistd.h>
#endif

CLineReader::CLineReader(std::FILE* file, std::size_t limit) : m_hFile(file), m_nLimit(limit) {}

bool CLineReader::Next(std::string& line)
{
    line.clear();
    bool any = false;
    int c;
    while ((c = std::getc(m_hFile)) != EOF) {
        any = true;
        if (c == '\n')
            break;
        if (line.size() < m_nLimit)
            line += static_cast<char>(c);
    }
    if (c == EOF && std::ferror(m_hFile)) {
        m_bFailed = true;
        return false;
    }
    if (!any)
        return false;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    ++m_nLine;
    return true;
}

bool CLineReader::IsLive() const
{
    struct stat status;
    return fstat(fileno(m_hFile), &status) != 0 || (status.st_mode & S_IFMT) != S_IFREG;
}
