#include "formats/AdifDistanceFiller.h"

#include "base/Characters.h"
#include "base/NumberText.h"
#include "base/Quoted.h"
#include "formats/AdifReader.h"

CAdifDistanceFiller::CAdifDistanceFiller(const std::string& from, bool overwrite, const CEarth& earth, int decimals)
    : m_bOverwrite(overwrite), m_earth(earth),
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

namespace {

bool IsBlankText(const std::string& text)
{
    for (char c : text)
        if (!IsBlank(c))
            return false;
    return true;
}

// "0", "0.0" or nothing at all: what some loggers write for a distance they do not know.
bool IsPlaceholder(const std::string& distance)
{
    double value = 0;
    return IsBlankText(distance) || (ReadDecimal(distance, value) && value == 0);
}

enum class Grid { None, Read, OtherForm, Bad };

// One end of a QSO from its grid, the grid's extension and its VUCC_GRIDS: a locator, or, on a
// grid line or corner, the squares listed there or in the grid field itself.
Grid ReadEnd(std::string grid, const std::string& extension, const std::string& vucc, Place& place, std::string& why,
             std::string& shown)
{
    const std::string given = grid;
    while (!grid.empty() && IsBlank(grid.back()))
        grid.pop_back();
    bool other = grid != given;
    if (grid.empty() && !IsBlankText(vucc)) {
        grid = vucc;
        other = true;
    }
    shown = grid;
    if (grid.empty())
        return Grid::None;
    bool read;
    if (grid.find(',') != std::string::npos) {
        other = true;
        read = ReadSquaresPlace(grid, place, why);
    } else {
        // Characters 9 and 10 of an 8-character grid may come in a field of their own.
        if (grid.size() == 8)
            grid += extension;
        shown = grid;
        read = ReadLocatorPlace(grid, place, why);
    }
    return !read ? Grid::Bad : other ? Grid::OtherForm : Grid::Read;
}

} // namespace

void CAdifDistanceFiller::FillRecord(const std::string& in, const AdifRecord& record, CAdifReader& reader,
                                     std::string& out, std::vector<std::string>& warnings)
{
    ++m_counts.qsos;
    std::string grid, gridExt, vucc, own, ownExt, ownVucc;
    bool hasDistance = false;
    AdifField distance;
    for (const AdifField& f : record.fields) {
        m_counts.characterCounted += f.countedInCharacters ? 1 : 0;
        const auto data = [&] { return in.substr(f.dataBegin, f.end - f.dataBegin); };
        if (f.name == "GRIDSQUARE")
            grid = data();
        else if (f.name == "GRIDSQUARE_EXT")
            gridExt = data();
        else if (f.name == "VUCC_GRIDS")
            vucc = data();
        else if (f.name == "MY_GRIDSQUARE")
            own = data();
        else if (f.name == "MY_GRIDSQUARE_EXT")
            ownExt = data();
        else if (f.name == "MY_VUCC_GRIDS")
            ownVucc = data();
        else if (f.name == "DISTANCE") {
            hasDistance = true;
            distance = f;
        }
    }
    const std::size_t begin = record.begin;
    const std::size_t end = record.end;
    const bool placeholder = hasDistance && IsPlaceholder(in.substr(distance.dataBegin, distance.end - distance.dataBegin));
    Place ends[2] = {m_own, Place()};
    std::string whyOwn, whyTheirs, shownOwn, shownGrid;
    const Grid ownGrid = ReadEnd(own, ownExt, ownVucc, ends[0], whyOwn, shownOwn);
    const Grid theirs = ReadEnd(grid, gridExt, vucc, ends[1], whyTheirs, shownGrid);
    const bool replace = m_bOverwrite || placeholder;
    bool ok = false;
    std::string value;
    if (hasDistance && !replace) {
        ++m_counts.kept;
    } else if (theirs == Grid::None) {
        ++m_counts.noGrid;
    } else if (ownGrid == Grid::None && !m_bOwn) {
        ++m_counts.noOwnGrid;
    } else if (ownGrid == Grid::Bad || theirs == Grid::Bad) {
        ++m_counts.badGrid;
        const char* failed = ownGrid == Grid::Bad ? "MY_GRIDSQUARE" : "GRIDSQUARE";
        // The line of its first field.
        const long line = reader.LineAt(record.fields.empty() ? end : record.fields.front().begin);
        warnings.push_back("line " + std::to_string(line) + ": QSO " + std::to_string(m_counts.qsos) + ": " + failed
                           + " " + Quoted(ownGrid == Grid::Bad ? shownOwn : shownGrid) + ": "
                           + (ownGrid == Grid::Bad ? whyOwn : whyTheirs));
    } else if (placeholder && !m_bOverwrite && ends[0].point.Latitude == ends[1].point.Latitude
               && ends[0].point.Longitude == ends[1].point.Longitude) {
        ++m_counts.kept;  // a zero within one square is no placeholder
    } else {
        value = FormatShown(m_earth.Path(ends[0].point, ends[1].point, false).km, m_nDecimals);
        ok = true;
        m_counts.otherForms += ownGrid == Grid::OtherForm || theirs == Grid::OtherForm ? 1 : 0;
        m_counts.placeholders += placeholder && !m_bOverwrite ? 1 : 0;
    }
    if (!ok) {
        out.append(in, begin, end - begin);
        return;
    }
    const std::string field = "<DISTANCE:" + std::to_string(value.size()) + ">" + value;
    if (hasDistance) {
        ++(placeholder && !m_bOverwrite ? m_counts.filled : m_counts.overwritten);
        out.append(in, begin, distance.begin - begin);
        out += field;
        out.append(in, distance.end, end - distance.end);
    } else {
        ++m_counts.filled;
        out.append(in, begin, end - begin);
        out += field + " ";
    }
}
