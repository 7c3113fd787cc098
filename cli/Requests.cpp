#include "Requests.h"

#include "GeoPoint.h"
#include "LocatorCodec.h"
#include "NumberText.h"
#include "PathCalc.h"

#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <utility>

namespace cli {

namespace {

// The window's complaints, word for word.
const char kFirstLocation[] = "Please enter first location";
const char kSecondLocation[] = "Please enter second location";
const char kLatitudeDegrees[] = "Please enter Latitude Degrees";
const char kLatitudeMinutes[] = "Please enter Latitude Minutes";
const char kLongitudeDegrees[] = "Please enter Longitude Degrees";
const char kLongitudeMinutes[] = "Please enter Longitude Minutes";
const char kLatitude[] = "Please enter Latitude";
const char kLongitude[] = "Please enter Longitude";
const char kLocator[] = "Please enter IARU Locator";

Result Ok(std::string text) { return Result{kOk, std::move(text)}; }
Result Rejected(const char* text) { return Result{kRejected, text}; }
Result Usage(std::string text) { return Result{kUsage, std::move(text)}; }

// A number as the window's number boxes can hold one: optional sign, digits with an
// optional point, at least one digit. The empty text passes too; the window's checks
// decide about it.
bool IsNumberText(const std::string& s)
{
    std::string::size_type i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    bool digits = false;
    bool point = false;
    for (; i < s.size(); ++i) {
        if (s[i] >= '0' && s[i] <= '9')
            digits = true;
        else if (s[i] == '.' && !point)
            point = true;
        else
            return false;
    }
    return digits || s.empty();
}

// What the window's upper-case masked locator box would hold: the text upper-cased, when it
// is a beginning of letter letter digit digit letter letter digit digit letter letter.
// Anything else gives false: the box would never hold it.
bool ReadLocator(const std::string& text, std::string& out)
{
    static const char pattern[] = "**##**##**";
    if (text.size() > 10)
        return false;
    out = text;
    for (std::string::size_type i = 0; i < out.size(); ++i) {
        char& c = out[i];
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        const bool fits = pattern[i] == '*' ? (c >= 'A' && c <= 'Z') : (c >= '0' && c <= '9');
        if (!fits)
            return false;
    }
    return true;
}

bool ParseChars(const std::string& s, int& chars)
{
    if (s == "6" || s == "8")
        chars = s[0] - '0';
    else if (s == "10")
        chars = 10;
    else
        return false;
    return true;
}

// Magnitude of the integer value, at or above the limit? IntegerValue saturates, so
// the negation is always defined.
bool AtLeast(const std::string& text, int limit)
{
    const int v = IntegerValue(text);
    return (v < 0 ? -v : v) >= limit;
}

void Append(std::string& out, double value, int decimals)
{
    if (!out.empty())
        out += ' ';
    out += FormatFixed(value, decimals);
}

void AppendWord(std::string& out, const std::string& word)
{
    if (!out.empty())
        out += ' ';
    out += word;
}

Result Dms(const std::vector<std::string>& w, std::size_t at, int chars)
{
    if (w.size() - at != 8)
        return Usage("dms takes 8 values: LATDEG LATMIN LATSEC N|S LONDEG LONMIN LONSEC E|W");
    const std::string& latDeg = w[at];
    const std::string& latMin = w[at + 1];
    std::string latSec = w[at + 2];
    const std::string& latHem = w[at + 3];
    const std::string& lonDeg = w[at + 4];
    const std::string& lonMin = w[at + 5];
    std::string lonSec = w[at + 6];
    const std::string& lonHem = w[at + 7];
    for (const std::string* s : std::initializer_list<const std::string*>{&latDeg, &latMin, &latSec, &lonDeg, &lonMin, &lonSec})
        if (!IsNumberText(*s))
            return Usage("not a number: " + *s);
    if (latHem != "N" && latHem != "S" && latHem != "n" && latHem != "s")
        return Usage("latitude hemisphere must be N or S: " + latHem);
    if (lonHem != "E" && lonHem != "W" && lonHem != "e" && lonHem != "w")
        return Usage("longitude hemisphere must be E or W: " + lonHem);

    // The window's checks, in the window's order (OnCalculateDMS steps 2 to 7).
    if (latDeg.empty() || AtLeast(latDeg, 90))
        return Rejected(kLatitudeDegrees);
    if (latMin.empty() || AtLeast(latMin, 60))
        return Rejected(kLatitudeMinutes);
    if (latSec.empty() || AtLeast(latSec, 60))
        latSec = "0";
    if (lonDeg.empty() || AtLeast(lonDeg, 180))
        return Rejected(kLongitudeDegrees);
    if (lonMin.empty() || AtLeast(lonMin, 60))
        return Rejected(kLongitudeMinutes);
    if (lonSec.empty() || AtLeast(lonSec, 60))
        lonSec = "0";

    const char latLetter = (latHem == "S" || latHem == "s") ? 'S' : 'N';
    const char lonLetter = (lonHem == "W" || lonHem == "w") ? 'W' : 'E';
    CGeoPoint point;
    // The window stops silently here; a script needs to be told.
    if (!point.SetLatitudeDMS(RealValue(latDeg), RealValue(latMin), RealValue(latSec), latLetter))
        return Rejected("Latitude not accepted");
    if (!point.SetLongitudeDMS(RealValue(lonDeg), RealValue(lonMin), RealValue(lonSec), lonLetter))
        return Rejected("Longitude not accepted");

    std::string out;
    Append(out, point.GetLatitude(), 6);
    Append(out, point.GetLongitude(), 6);
    AppendWord(out, point.GetLocator().substr(0, chars));
    return Ok(out);
}

void AppendParts(std::string& out, double degrees, double minutes, double seconds, char hemisphere)
{
    Append(out, degrees, 0);
    Append(out, minutes, 0);
    Append(out, seconds, 2);
    out += ' ';
    out += hemisphere;
}

Result Decimal(const std::vector<std::string>& w, std::size_t at, int chars)
{
    if (w.size() - at != 2)
        return Usage("decimal takes 2 values: LAT LON");
    const std::string& lat = w[at];
    const std::string& lon = w[at + 1];
    for (const std::string* s : std::initializer_list<const std::string*>{&lat, &lon})
        if (!IsNumberText(*s))
            return Usage("not a number: " + *s);

    // Checked on the real value (issue 4): 90.5 is complained about, 90 and -180 pass.
    const double latValue = RealValue(lat);
    const double lonValue = RealValue(lon);
    if (lat.empty() || !(latValue >= -90 && latValue <= 90))
        return Rejected(kLatitude);
    if (lon.empty() || !(lonValue >= -180 && lonValue <= 180))
        return Rejected(kLongitude);

    CGeoPoint point;
    if (!point.SetLatitude(latValue))
        return Rejected("Latitude not accepted");
    if (!point.SetLongitude(lonValue))
        return Rejected("Longitude not accepted");

    std::string out = point.GetLocator().substr(0, chars);
    AppendParts(out, point.GetLatitudeDegree(), point.GetLatitudeMinute(), point.GetLatitudeSecond(),
                latValue < 0 ? 'S' : 'N');
    AppendParts(out, point.GetLongitudeDegree(), point.GetLongitudeMinute(), point.GetLongitudeSecond(),
                lonValue < 0 ? 'W' : 'E');
    return Ok(out);
}

Result Locator(const std::vector<std::string>& w, std::size_t at)
{
    if (w.size() - at != 1)
        return Usage("locator takes 1 value: LOCATOR");
    std::string text;
    if (!ReadLocator(w[at], text) || text.size() < 6)
        return Rejected(kLocator);

    CGeoPoint point;
    if (!point.SetLocator(text))
        return Rejected("Locator not accepted");

    std::string out;
    Append(out, point.GetLatitude(), 6);
    AppendParts(out, point.GetLatitudeDegree(), point.GetLatitudeMinute(), point.GetLatitudeSecond(),
                point.GetLatitude() < 0 ? 'S' : 'N');
    Append(out, point.GetLongitude(), 6);
    AppendParts(out, point.GetLongitudeDegree(), point.GetLongitudeMinute(), point.GetLongitudeSecond(),
                point.GetLongitude() < 0 ? 'W' : 'E');
    return Ok(out);
}

Result Distance(const std::vector<std::string>& w, std::size_t at)
{
    if (w.size() - at != 2)
        return Usage("distance takes 2 values: LOCATOR1 LOCATOR2");
    std::string first;
    std::string second;
    if (!ReadLocator(w[at], first) || first.size() < 6)
        return Rejected(kFirstLocation);
    if (!ReadLocator(w[at + 1], second) || second.size() < 6)
        return Rejected(kSecondLocation);

    CPathCalc path;
    if (!path.SetLocations(first, second))
        return Rejected("Locations not accepted");

    std::string out;
    Append(out, path.GetBearing(), 1);
    Append(out, path.GetStatuteMiles(), 1);
    Append(out, path.GetKilometers(), 1);
    Append(out, path.GetNauticalMiles(), 1);
    return Ok(out);
}

} // namespace

bool ReadOptions(const std::vector<std::string>& w, std::size_t& at, int& chars, std::string& error)
{
    while (at < w.size() && w[at].compare(0, 2, "--") == 0) {
        const std::string& option = w[at];
        if (option == "--chars") {
            if (at + 1 >= w.size() || !ParseChars(w[at + 1], chars)) {
                error = "--chars takes 6, 8 or 10";
                return false;
            }
            at += 2;
        } else if (option.compare(0, 8, "--chars=") == 0) {
            if (!ParseChars(option.substr(8), chars)) {
                error = "--chars takes 6, 8 or 10";
                return false;
            }
            ++at;
        } else {
            error = "unknown option: " + option;
            return false;
        }
    }
    return true;
}

Result RunRequest(const std::vector<std::string>& w, int chars)
{
    std::size_t at = 0;
    std::string error;
    if (!ReadOptions(w, at, chars, error))
        return Usage(error);
    if (at >= w.size())
        return Usage("no command: dms, decimal, locator or distance");
    const std::string& command = w[at++];
    if (command == "dms")
        return Dms(w, at, chars);
    if (command == "decimal")
        return Decimal(w, at, chars);
    if (command == "locator")
        return Locator(w, at);
    if (command == "distance")
        return Distance(w, at);
    return Usage("unknown command: " + command);
}

void SplitWords(const std::string& line, std::vector<std::string>& words)
{
    std::size_t n = 0;
    std::string::size_type i = 0;
    while (true) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r'))
            ++i;
        if (i >= line.size())
            break;
        const std::string::size_type start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r')
            ++i;
        // Reuse the words' storage from line to line: a batch is a million of these.
        if (n < words.size())
            words[n].assign(line, start, i - start);
        else
            words.emplace_back(line, start, i - start);
        ++n;
    }
    words.resize(n);
}

const char* const kHelpText =
    "Usage: locatrix-cli [--chars 6|8|10] COMMAND VALUES...\n"
    "       locatrix-cli [--chars 6|8|10] --batch\n"
    "       locatrix-cli --help\n"
    "\n"
    "Locatrix's four calculations for the IARU (Maidenhead) locator system, with the\n"
    "window's checks and output formats.\n"
    "\n"
    "Commands and their result lines (fields separated by one space):\n"
    "  dms LATDEG LATMIN LATSEC N|S LONDEG LONMIN LONSEC E|W\n"
    "      degrees, minutes, seconds with hemisphere letters to decimal degrees and locator\n"
    "      -> LATITUDE LONGITUDE LOCATOR\n"
    "      e.g. dms 52 31 15 N 13 22 30 E -> 52.520833 13.375000 JO62QM\n"
    "  decimal LAT LON\n"
    "      signed decimal degrees (north and east positive) to the locator and\n"
    "      degrees, minutes, seconds\n"
    "      -> LOCATOR LATDEG LATMIN LATSEC N|S LONDEG LONMIN LONSEC E|W\n"
    "      e.g. decimal -33.8688 151.2093 -> QF56OD 33 52 7.68 S 151 12 33.48 E\n"
    "  locator LOCATOR\n"
    "      a locator of 6 to 10 characters to decimal degrees and degrees, minutes, seconds\n"
    "      -> LATITUDE LATDEG LATMIN LATSEC N|S LONGITUDE LONDEG LONMIN LONSEC E|W\n"
    "      e.g. locator JO62QM -> 52.520833 52 31 15.00 N 13.375000 13 22 30.00 E\n"
    "  distance LOCATOR1 LOCATOR2\n"
    "      initial great-circle bearing from the first to the second locator, and the\n"
    "      distance -> BEARING STATUTE_MILES KILOMETRES NAUTICAL_MILES\n"
    "      e.g. distance JO62QM KO85TS -> 67.4 1000.5 1610.1 869.4\n"
    "\n"
    "Options:\n"
    "  --chars 6|8|10  length of the locators printed by dms and decimal (default 6)\n"
    "  --batch         read one request per line from standard input (the words of a\n"
    "                  command line, e.g. \"decimal 52.5 13.4\" or \"--chars 8 locator JO62QM\")\n"
    "                  and write one line per request: its result, \"error: \" and its\n"
    "                  message for a bad request, or an empty line for an empty line\n"
    "  --help          show this text\n"
    "\n"
    "Formats: decimal degrees \"%f\" (six decimals), whole degrees and minutes \"%.0f\",\n"
    "seconds \"%.2f\", bearing and distances \"%.1f\". Locators are read in upper or lower\n"
    "case and must be a beginning of letter letter digit digit letter letter digit digit\n"
    "letter letter, at least 6 characters; 6 and 7 characters stand for the centre of the\n"
    "6-character square. Numbers are an optional sign, digits and an optional point; an\n"
    "empty text (\"\") counts as missing.\n"
    "\n"
    "Checks, in this order, as in the window: latitude degrees missing or 90 or more\n"
    "(whole part) \"Please enter Latitude Degrees\"; latitude minutes missing or 60 or more\n"
    "\"Please enter Latitude Minutes\"; latitude seconds missing or 60 or more count as 0;\n"
    "longitude degrees missing or 180 or more \"Please enter Longitude Degrees\"; longitude\n"
    "minutes \"Please enter Longitude Minutes\"; longitude seconds as latitude seconds.\n"
    "decimal: latitude missing or beyond 90 \"Please enter Latitude\", longitude missing or\n"
    "beyond 180 \"Please enter Longitude\". locator: \"Please enter IARU Locator\".\n"
    "distance: \"Please enter first location\", then \"Please enter second location\".\n"
    "A negative degree or minute passes the checks and is refused by the engine:\n"
    "\"Latitude not accepted\" or \"Longitude not accepted\".\n"
    "\n"
    "Exit status: 0 done; 1 a check or the engine refused the input (message on standard\n"
    "error; in batch mode: some line was refused, the others were done); 2 a request\n"
    "that is not of the forms above.\n";

} // namespace cli
