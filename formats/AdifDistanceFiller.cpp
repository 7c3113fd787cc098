#include "formats/AdifDistanceFiller.h"

#include "base/NumberText.h"
#include "base/Quoted.h"
#include "engine/GreatCircle.h"
#include "formats/AdifReader.h"

CAdifDistanceFiller::CAdifDistanceFiller(const std::string& from, bool overwrite, double radiusKm, int decimals)
    : m_bOverwrite(overwrite), m_dRadiusKm(radiusKm > 0 ? radiusKm : locatrix::kNauticalMileSphereKm),
      m_nDecimals(decimals)
{
    std::string why;
    m_bOwn = ReadLocatorPlace(from, m_own, why);
}

bool CAdifDistanceFiller::Fill(const std::string& in, std::string& out, std::vector<std::string>& warnings,
                               std::string& error)
{
    out.clear();
    m_counts = AdifCounts();
    CAdifReader reader(in);
    if (!reader.ReadHeader(error))
        return false;
    std::string body = in.substr(0, reader.GetHeaderEnd());
    AdifRecord record;
    error.clear();
    while (reader.NextRecord(record, error)) {
        FillRecord(in, record, reader, body, warnings);
        body.append(in, record.end, record.eorEnd - record.end);
    }
    if (!error.empty())
        return false;
    for (const AdifField& f : record.fields) {
        m_counts.characterCounted += f.countedInCharacters ? 1 : 0;
        if (f.hasLength)
            m_counts.unterminated = true;
        else if (m_counts.closing.empty())
            m_counts.closing = f.name;
    }
    body.append(in, record.begin, std::string::npos);
    out.swap(body);
    return true;
}

void CAdifDistanceFiller::FillRecord(const std::string& in, const AdifRecord& record, CAdifReader& reader,
                                     std::string& out, std::vector<std::string>& warnings)
{
    ++m_counts.qsos;
    std::string grid, gridExt, own, ownExt;
    bool hasDistance = false;
    AdifField distance;
    for (const AdifField& f : record.fields) {
        m_counts.characterCounted += f.countedInCharacters ? 1 : 0;
        const auto data = [&] { return in.substr(f.dataBegin, f.end - f.dataBegin); };
        if (f.name == "GRIDSQUARE")
            grid = data();
        else if (f.name == "GRIDSQUARE_EXT")
            gridExt = data();
        else if (f.name == "MY_GRIDSQUARE")
            own = data();
        else if (f.name == "MY_GRIDSQUARE_EXT")
            ownExt = data();
        else if (f.name == "DISTANCE") {
            hasDistance = true;
            distance = f;
        }
    }
    const std::size_t begin = record.begin;
    const std::size_t end = record.end;
    bool ok = false;
    std::string value;
    if (hasDistance && !m_bOverwrite) {
        ++m_counts.kept;
    } else if (grid.empty()) {
        ++m_counts.noGrid;
    } else if (own.empty() && !m_bOwn) {
        ++m_counts.noOwnGrid;
    } else {
        // Characters 9 and 10 of an 8-character grid may come in a field of their own.
        if (grid.size() == 8)
            grid += gridExt;
        if (own.size() == 8)
            own += ownExt;
        Place ends[2] = {m_own, Place()};
        std::string why;
        const char* failed = nullptr;
        if (!own.empty() && !ReadLocatorPlace(own, ends[0], why))
            failed = "MY_GRIDSQUARE";
        else if (!ReadLocatorPlace(grid, ends[1], why))
            failed = "GRIDSQUARE";
        if (failed) {
            ++m_counts.badGrid;
            // The line of its first field.
            const long line = reader.LineAt(record.fields.empty() ? end : record.fields.front().begin);
            warnings.push_back("line " + std::to_string(line) + ": QSO " + std::to_string(m_counts.qsos) + ": "
                               + failed + " " + Quoted(failed[0] == 'G' ? grid : own) + ": " + why);
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
