#include "formats/AdifLog.h"

#include "base/NumberText.h"
#include "base/Quoted.h"
#include "engine/GreatCircle.h"
#include "engine/Place.h"
#include "formats/RecordWriter.h"

#include <algorithm>

struct CAdifLog::Field {
    std::size_t begin = 0;      // its "<"
    std::size_t dataBegin = 0;
    std::size_t end = 0;        // past its data, or past ">" for <EOH> and <EOR>
    std::string name;           // upper case
    bool hasLength = false;
};

namespace {

bool IsNameCharacter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

} // namespace

CAdifLog::CAdifLog(const std::string& from, bool overwrite, double radiusKm, int decimals)
    : m_strFrom(from), m_bOverwrite(overwrite), m_dRadiusKm(radiusKm > 0 ? radiusKm : locatrix::kNauticalMileSphereKm),
      m_nDecimals(decimals)
{
}

long CAdifLog::LineAt(const std::string& in, std::size_t offset)
{
    // Offsets only grow while a log is read, so the newlines are counted once.
    if (offset < m_nCountedTo) {
        m_nCountedTo = 0;
        m_nLine = 1;
    }
    m_nLine += static_cast<long>(std::count(in.begin() + static_cast<std::ptrdiff_t>(m_nCountedTo),
                                            in.begin() + static_cast<std::ptrdiff_t>(offset), '\n'));
    m_nCountedTo = offset;
    return m_nLine;
}

bool CAdifLog::ReadField(const std::string& in, std::size_t at, Field& f, std::string& error)
{
    // Line numbers only for a message: counting them costs time on every field.
    auto where = [&] { return "line " + std::to_string(LineAt(in, at)) + ": "; };
    f = Field();
    f.begin = at;
    std::size_t i = at + 1;
    while (i < in.size() && IsNameCharacter(in[i]))
        f.name += Upper(in[i++]);
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

bool CAdifLog::Fill(const std::string& in, std::string& out, std::string& warnings, std::string& error)
{
    out.clear();
    m_counts = AdifCounts();
    m_nCountedTo = 0;
    m_nLine = 1;
    std::size_t at = 0;
    Field f;
    // A log that does not start with "<" has a header, which ends at <EOH>.
    if (!in.empty() && in[0] != '<') {
        while (true) {
            const std::size_t lt = in.find('<', at);
            if (lt == std::string::npos) {
                error = "line " + std::to_string(LineAt(in, in.size())) + ": the header has no <EOH>";
                return false;
            }
            if (!ReadField(in, lt, f, error))
                return false;
            at = f.end;
            if (!f.hasLength && f.name == "EOH")
                break;
            if (!f.hasLength) {
                error = "line " + std::to_string(LineAt(in, lt)) + ": <" + f.name + "> in the header";
                return false;
            }
        }
    }
    std::string body = in.substr(0, at);
    std::size_t recordBegin = at;
    bool fields = false;
    while (true) {
        const std::size_t lt = in.find('<', at);
        if (lt == std::string::npos)
            break;
        if (!ReadField(in, lt, f, error))
            return false;
        at = f.end;
        if (f.hasLength) {
            fields = true;
            continue;
        }
        if (f.name != "EOR") {
            error = "line " + std::to_string(LineAt(in, lt)) + ": <" + f.name + "> where a field or <EOR> belongs";
            return false;
        }
        FillRecord(in, recordBegin, lt, body, warnings);
        body.append(in, lt, f.end - lt);
        recordBegin = at;
        fields = false;
    }
    m_counts.unterminated = fields;
    body.append(in, recordBegin, std::string::npos);
    out.swap(body);
    return true;
}

void CAdifLog::FillRecord(const std::string& in, std::size_t begin, std::size_t end, std::string& out,
                          std::string& warnings)
{
    ++m_counts.qsos;
    std::string grid, gridExt, own, ownExt;
    bool hasDistance = false;
    Field distance;
    Field f;
    std::string ignored;
    const long line = LineAt(in, std::min(in.find('<', begin), end));  // where its first field is
    for (std::size_t at = in.find('<', begin); at < end; at = in.find('<', f.end)) {
        ReadField(in, at, f, ignored);  // read before: cannot fail
        const std::string data = in.substr(f.dataBegin, f.end - f.dataBegin);
        if (f.name == "GRIDSQUARE")
            grid = data;
        else if (f.name == "GRIDSQUARE_EXT")
            gridExt = data;
        else if (f.name == "MY_GRIDSQUARE")
            own = data;
        else if (f.name == "MY_GRIDSQUARE_EXT")
            ownExt = data;
        else if (f.name == "DISTANCE") {
            hasDistance = true;
            distance = f;
        }
    }
    bool ok = false;
    std::string value;
    if (hasDistance && !m_bOverwrite) {
        ++m_counts.kept;
    } else if (grid.empty()) {
        ++m_counts.noGrid;
    } else if (own.empty() && m_strFrom.empty()) {
        ++m_counts.noOwnGrid;
    } else {
        // Characters 9 and 10 of an 8-character grid may come in a field of their own.
        if (grid.size() == 8)
            grid += gridExt;
        const bool ownFromLog = !own.empty();
        if (!ownFromLog)
            own = m_strFrom;
        else if (own.size() == 8)
            own += ownExt;
        Place ends[2];
        std::string why;
        const char* failed = nullptr;
        if (!ReadLocatorPlace(own, ends[0], why))
            failed = ownFromLog ? "MY_GRIDSQUARE" : "--from";
        else if (!ReadLocatorPlace(grid, ends[1], why))
            failed = "GRIDSQUARE";
        if (failed) {
            ++m_counts.badGrid;
            warnings += "locatrix-cli: adif: line " + std::to_string(line) + ": QSO " + std::to_string(m_counts.qsos) + ": " + failed
                      + " " + Quoted(failed[0] == 'G' ? grid : own) + ": " + why + "\n";
        } else {
            value = FormatShown(CGreatCircle(ends[0].point, ends[1].point).GetAngle() * m_dRadiusKm, m_nDecimals);
            ok = true;
        }
    }
    if (!ok) {
        out.append(in, begin, end - begin);
        return;
    }
    const std::string field = "<DISTANCE:" + std::to_string(value.size()) + ">" + value;
    if (hasDistance) {
        ++m_counts.overwritten;
        out.append(in, begin, distance.begin - begin);
        out += field;
        out.append(in, distance.end, end - distance.end);
    } else {
        ++m_counts.filled;
        out.append(in, begin, end - begin);
        out += field + " ";
    }
}

std::string CAdifLog::Summary() const
{
    const AdifCounts& c = m_counts;
    return "adif: " + std::to_string(c.qsos) + " QSOs: " + std::to_string(c.filled) + " filled, "
         + std::to_string(c.overwritten) + " overwritten, " + std::to_string(c.kept) + " kept (DISTANCE already there), "
         + std::to_string(c.noGrid) + " without GRIDSQUARE, " + std::to_string(c.noOwnGrid)
         + " without MY_GRIDSQUARE or --from, " + std::to_string(c.badGrid) + " with a grid that is not a locator"
         + (c.unterminated ? "; fields after the last <EOR> left as they were" : "") + "\n";
}
