#include "formats/AdifReader.h"

#include "base/Characters.h"
#include "base/Quoted.h"

#include <algorithm>

namespace {

bool IsNameCharacter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

} // namespace

CAdifReader::CAdifReader(const std::string& log) : m_strLog(log) {}

long CAdifReader::LineAt(std::size_t offset)
{
    // Offsets only grow while a log is read, so the newlines are counted once.
    if (offset < m_nCountedTo) {
        m_nCountedTo = 0;
        m_nLine = 1;
    }
    m_nLine += static_cast<long>(std::count(m_strLog.begin() + static_cast<std::ptrdiff_t>(m_nCountedTo),
                                            m_strLog.begin() + static_cast<std::ptrdiff_t>(offset), '\n'));
    m_nCountedTo = offset;
    return m_nLine;
}

bool CAdifReader::ReadField(std::size_t at, AdifField& f, std::string& error)
{
    const std::string& in = m_strLog;
    // Line numbers only for a message: counting them costs time on every field.
    auto where = [&] { return "line " + std::to_string(LineAt(at)) + ": "; };
    f = AdifField();
    f.begin = at;
    std::size_t i = at + 1;
    while (i < in.size() && IsNameCharacter(in[i]))
        f.name += ToUpper(in[i++]);
    if (f.name.empty() || i >= in.size() || (in[i] != ':' && in[i] != '>')) {
        error = where() + "a \"<\" that starts no field: " + Quoted(in.substr(at, 24));
        return false;
    }
    if (in[i] == '>') {
        f.end = f.dataBegin = i + 1;
        return true;
    }
    std::size_t digits = 0;
    std::size_t length = 0;
    for (++i; i < in.size() && in[i] >= '0' && in[i] <= '9'; ++i, ++digits)
        length = length * 10 + static_cast<std::size_t>(in[i] - '0');
    if (digits == 0 || digits > 9) {
        error = where() + "field " + f.name + ": its length is not a number of 1 to 9 digits";
        return false;
    }
    // A data type indicator: <GRIDSQUARE:6:S>.
    if (i < in.size() && in[i] == ':') {
        std::size_t letters = 0;
        for (++i; i < in.size() && IsNameCharacter(in[i]); ++i)
            ++letters;
        if (letters == 0) {
            error = where() + "field " + f.name + ": no data type after the second \":\"";
            return false;
        }
    }
    if (i >= in.size() || in[i] != '>') {
        error = where() + "field " + f.name + ": no \">\" after its length";
        return false;
    }
    f.hasLength = true;
    f.dataBegin = i + 1;
    if (length > in.size() - f.dataBegin) {
        error = where() + "field " + f.name + ": its length " + std::to_string(length) + " runs past the end of the log";
        return false;
    }
    f.end = f.dataBegin + length;
    return true;
}

bool CAdifReader::ReadHeader(std::string& error)
{
    m_nAt = 0;
    if (m_strLog.empty() || m_strLog[0] == '<')
        return true;
    AdifField f;
    while (true) {
        const std::size_t lt = m_strLog.find('<', m_nAt);
        if (lt == std::string::npos) {
            error = "line " + std::to_string(LineAt(m_strLog.size())) + ": the header has no <EOH>";
            return false;
        }
        if (!ReadField(lt, f, error))
            return false;
        m_nAt = f.end;
        if (!f.hasLength && f.name == "EOH")
            break;
        if (!f.hasLength) {
            error = "line " + std::to_string(LineAt(lt)) + ": <" + f.name + "> in the header";
            return false;
        }
    }
    m_nHeaderEnd = m_nAt;
    return true;
}

bool CAdifReader::NextRecord(AdifRecord& record, std::string& error)
{
    record.begin = m_nAt;
    record.fields.clear();
    AdifField f;
    while (true) {
        const std::size_t lt = m_strLog.find('<', m_nAt);
        if (lt == std::string::npos)
            return false;
        if (!ReadField(lt, f, error))
            return false;
        m_nAt = f.end;
        if (f.hasLength) {
            record.fields.push_back(f);
            continue;
        }
        if (f.name != "EOR") {
            error = "line " + std::to_string(LineAt(lt)) + ": <" + f.name + "> where a field or <EOR> belongs";
            return false;
        }
        record.end = lt;
        record.eorEnd = f.end;
        return true;
    }
}
