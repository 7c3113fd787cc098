#include "cli/Toolbox.h"

#include "cli/AdifCommand.h"
#include "cli/CommandResult.h"
#include "cli/FormattedRequests.h"
#include "cli/MapCommand.h"
#include "cli/NmeaCommand.h"
#include "cli/PathCommand.h"
#include "cli/Requests.h"
#include "cli/SquareCommand.h"
#include "cli/StandardOutput.h"
#include "cli/ToolboxOptions.h"

#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace cli {

namespace {

// Each command and the options it takes.
struct Command {
    const char* name;
    const char* options;
};
const Command kCommands[] = {
    {"square", " --format --precision "},
    {"path", " --format --precision --radius "},
    {"map", " --precision --radius -o "},
    {"nmea", " --format --precision --chars --changes "},
    {"adif", " --precision --radius --from --overwrite -o "},
};

bool TakesValue(const std::string& option)
{
    return option == "--format" || option == "--precision" || option == "--radius" || option == "--chars"
        || option == "--from" || option == "-o";
}

// The command word: the first word that is neither an option nor an option's value.
std::string CommandWord(const std::vector<std::string>& words, std::size_t& at)
{
    for (at = 0; at < words.size(); ++at) {
        const std::string& w = words[at];
        if (w.compare(0, 2, "--") != 0 && w != "-o")
            return w;
        if (TakesValue(w))
            ++at;
    }
    return std::string();
}

// Text bytes as they are on every system: no carriage returns added on Windows.
void BinaryStdio()
{
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
}

int Finish(const CommandResult& r)
{
    if (!WriteStandardOutput(r.out) && r.status == kExitDone)
        return kExitFile;
    std::fputs(r.summary.c_str(), stderr);
    if (!r.err.empty())
        std::fprintf(stderr, "locatrix-cli: %s\n%s", r.err.c_str(),
                     r.status == kExitUsage ? "Try 'locatrix-cli --help'.\n" : "");
    return r.status;
}

} // namespace

bool CToolbox::Run(const std::vector<std::string>& words, int& status)
{
    for (const std::string& w : words) {
        if (w == "--version") {
            status = WriteStandardOutput(std::string("locatrix-cli ") + kVersion + "\n") ? kExitDone : kExitFile;
            return true;
        }
    }
    for (const std::string& w : words) {
        if (w == "--help" || w == "-h") {
            status = WriteStandardOutput(HelpText() + CToolbox::kHelpText) ? kExitDone : kExitFile;
            return true;
        }
    }
    if (CFormattedRequests::Wants(words)) {
        BinaryStdio();
        status = CFormattedRequests::Run(words, stdin, stdout, stderr);
        return true;
    }
    std::size_t at = 0;
    const std::string command = CommandWord(words, at);
    const Command* mine = nullptr;
    for (const Command& c : kCommands)
        if (command == c.name)
            mine = &c;
    if (!mine)
        return false;

    BinaryStdio();
    std::vector<std::string> rest(words.begin(), words.begin() + static_cast<std::ptrdiff_t>(at));
    rest.insert(rest.end(), words.begin() + static_cast<std::ptrdiff_t>(at) + 1, words.end());
    ToolboxOptions options;
    CommandResult result;
    bool read = ReadToolboxOptions(rest, options, result.err);
    for (const std::string& given : options.given) {
        if (read && std::strstr(mine->options, (" " + given + " ").c_str()) == nullptr) {
            result.err = command + " does not take " + given;
            read = false;
        }
    }
    if (read && command == "nmea") {
        status = CNmeaCommand::Run(options, stdin, stdout, stderr);
        return true;
    }
    if (!read) {
        result.status = kExitUsage;
    } else if (command == "adif") {
        result = CAdifCommand::Run(options);
    } else if (command == "map") {
        result = CMapCommand::Run(options);
    } else if (command == "square") {
        result = CSquareCommand::Run(options);
    } else {
        result = CPathCommand::Run(options);
    }
    status = Finish(result);
    return true;
}

const char* const CToolbox::kVersion = LOCATRIX_VERSION;

} // namespace cli

namespace cli {

const char* const CToolbox::kHelpText =
    "\n"
    "Toolbox commands (beyond the window):\n"
    "  locatrix-cli square [--format text|csv|json|geojson] [--precision N] LOC...\n"
    "      the square of each locator of 2, 4, 6, 8, 10 or 12 characters (pairs: letters\n"
    "      A-R, digits, letters A-X, digits, letters A-X, digits; either case): south-west\n"
    "      and north-east corners, centre, height and width in degrees (6 decimals)\n"
    "      e.g. square JO62QM\n"
    "  locatrix-cli path [--format text|csv|json|geojson] [--radius KM] [--precision N] A B\n"
    "      short and long path from A to B, each a locator (its centre) or LAT,LON in\n"
    "      signed decimal degrees: initial bearing in degrees, distance in km, statute\n"
    "      miles (mi) and nautical miles (nmi), with N decimals (default 1)\n"
    "      e.g. path JO62QM FN20XR, path 52.5,13.4 -33.9,151.2\n"
    "  locatrix-cli map [--radius KM] [--precision N] A B -o FILE.svg\n"
    "      an SVG map centred on A (azimuthal equidistant: every place in its direction\n"
    "      from A, as far out as its distance) with coastlines, the 18x18 fields, A and\n"
    "      B, the short and the long path, the bearings and distances\n"
    "  locatrix-cli nmea [--chars N] [--changes] [--format text|csv|json] [--precision N]\n"
    "                    [FILE]\n"
    "      reads NMEA 0183 sentences (GGA, RMC, GLL of any talker) from FILE or standard\n"
    "      input, line by line as they come, and prints the locator of N characters\n"
    "      (2 to 12, default 6) of each valid fix; --changes prints only when it changes.\n"
    "      Sentences without a fix, with a bad or missing checksum, or malformed are\n"
    "      skipped and counted on standard error at the end\n"
    "  locatrix-cli adif [--from LOC] [--overwrite] [--radius KM] [--precision N] [-o OUT.adi]\n"
    "                    [FILE.adi]\n"
    "      reads an ADIF log (.adi) from FILE or standard input and writes it to OUT or\n"
    "      standard output with DISTANCE (km, 1 decimal, or N with --precision N) added to\n"
    "      every QSO that has GRIDSQUARE and MY_GRIDSQUARE (or, without MY_GRIDSQUARE, the\n"
    "      locator of --from); every other byte stays as it was. A DISTANCE already there\n"
    "      is kept unless --overwrite. Counts go to standard error. OUT is written whole\n"
    "      or not at all (it may be FILE itself)\n"
    "  locatrix-cli [--chars 6|8|10] --format text|csv|json COMMAND VALUES...\n"
    "  locatrix-cli [--chars 6|8|10] --format text|csv|json --batch\n"
    "      the window's four forms with their result lines as CSV (a header row, then\n"
    "      the row) or JSON (one object): dms lat_deg lon_deg locator; decimal locator\n"
    "      lat_whole_deg lat_min lat_sec lat_hemisphere lon_whole_deg lon_min lon_sec\n"
    "      lon_hemisphere; locator lat_deg lat_whole_deg ... lon_deg lon_whole_deg ...;\n"
    "      distance bearing_deg distance_mi distance_km distance_nmi. --batch in JSON:\n"
    "      one line out per line in, {\"error\":MESSAGE} for a refused line; in CSV: a\n"
    "      header row whenever the form changes, error and MESSAGE for a refused line\n"
    "  locatrix-cli --version\n"
    "      the program's version\n"
    "\n"
    "Toolbox options (anywhere among the command's words; --format=csv is --format csv):\n"
    "  --format F     text (default), csv (a header row naming each field and its unit,\n"
    "                 then one row per result), json (one object per line) or geojson\n"
    "                 (square: Polygon features; path: the ends as Points, the short and\n"
    "                 the long path as LineStrings sampled every 100 km or less, cut into\n"
    "                 a MultiLineString where they cross longitude 180)\n"
    "  --precision N  decimals of bearings and distances, of square's degrees, or of the\n"
    "                 degrees in nmea's csv and json (0-12)\n"
    "  --radius KM    the earth's radius (path, map, adif); default 6366.707 km, the\n"
    "                 sphere on which one nautical mile is one minute of arc, as in\n"
    "                 the window (contest scoring uses 6371.291, many libraries 6371)\n"
    "  --chars N      nmea: locator length, 2 to 12 characters, default 6\n"
    "  --changes      nmea: print a locator only when it differs from the last one\n"
    "  --from LOC     adif: the station's own locator where a QSO has no MY_GRIDSQUARE\n"
    "  --overwrite    adif: replace DISTANCE fields already in the log\n"
    "  -o FILE        map and adif: the output file\n"
    "An option that a command does not take is refused.\n"
    "\n"
    "Toolbox exit status: 0 done; 1 the input was refused (a bad locator or position,\n"
    "a malformed ADIF log; the message names the line and the field); 2 a command line\n"
    "that is not one of the forms; 3 a file could not be read or written.\n";

} // namespace cli
