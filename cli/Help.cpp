#include "cli/Help.h"

#include "calc/Commands.h"

namespace cli {

// The texts are laid out as they are printed.
// clang-format off
std::string UsageText()
{
    const auto quoted = [](const char* text) { return std::string("\"") + text + "\""; };
    // printf's own name for a box's format: "%f" is its six decimals.
    const auto format = [](Box box) {
        const int decimals = DecimalsShown(box);
        return "\"" + (decimals == 6 ? std::string("%f") : "%." + std::to_string(decimals) + "f") + "\"";
    };
    const auto limit = [](Box box) { return std::to_string(static_cast<int>(CheckLimit(box))); };
    return std::string("Usage: locatrix-cli [--chars 6|8|10] COMMAND VALUES...\n")
    + "       locatrix-cli [--chars 6|8|10] --batch\n"
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
    "Formats: decimal degrees " + format(Box::LatitudeDecimal) + " (six decimals), whole degrees and minutes " +
    format(Box::LatitudeDegree) + ",\n"
    "seconds " + format(Box::LatitudeSecond) + ", bearing and distances " + format(Box::Bearing) +
    ". Locators are read in upper or lower\n"
    "case and must be a beginning of two letters A-R, two digits, two letters A-X, two\n"
    "digits and two letters A-X, at least 6 characters; 6 and 7 characters stand for the\n"
    "centre of the 6-character square. Numbers are an optional sign, digits and an\n"
    "optional point (no point in degrees and minutes of dms, which are whole); an empty\n"
    "text (\"\") counts as missing.\n"
    "\n"
    "Checks, in this order, as in the window: latitude degrees missing or " + limit(Box::LatitudeDegree) +
    " or more\n"
    "(whole part) " + quoted(Complaint(Box::LatitudeDegree)) + "; latitude minutes missing or " +
    limit(Box::LatitudeMinute) + " or more\n" + quoted(Complaint(Box::LatitudeMinute)) +
    "; latitude seconds missing count as 0, " + limit(Box::LatitudeSecond) + " or more\n" +
    quoted(Complaint(Box::LatitudeSecond)) + ";\n"
    "longitude degrees missing or " + limit(Box::LongitudeDegree) + " or more " +
    quoted(Complaint(Box::LongitudeDegree)) + "; longitude\n"
    "minutes " + quoted(Complaint(Box::LongitudeMinute)) + "; longitude seconds as latitude seconds,\n" +
    quoted(Complaint(Box::LongitudeSecond)) + ".\n"
    "decimal: latitude missing or beyond " + limit(Box::LatitudeDecimal) + " " +
    quoted(Complaint(Box::LatitudeDecimal)) + ", longitude missing or\n"
    "beyond " + limit(Box::LongitudeDecimal) + " " + quoted(Complaint(Box::LongitudeDecimal)) + ". locator: " + quoted(Complaint(Box::Locator)) + ".\n"
    "distance: " + quoted(Complaint(Box::Location1)) + ", then " + quoted(Complaint(Box::Location2)) + ".\n"
    "A negative part, or degrees, minutes and seconds that add up to more than 90 (180),\n"
    "pass the checks and are refused by the engine:\n" +
    quoted(kLatitudeRefused) + " or " + quoted(kLongitudeRefused) + ".\n"
    "\n"
    "Exit status: 0 done; 1 a check or the engine refused the input (message on standard\n"
    "error; in batch mode: some line was refused, the others were done); 2 a request\n"
    "that is not of the forms above; 3 standard input could not be read or standard\n"
    "output could not be written (message on standard error).\n";
}

std::string HelpText()
{
    return UsageText() +
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
    "  locatrix-cli map [--range KM] [--size WxH] A B -o FILE.svg\n"
    "      the window's map of two locators, as its Ctrl+S saves it: filled land, the\n"
    "      grid, range rings, both paths and the legend, out to KM from A (50 km up to\n"
    "      the whole world; default a quarter more than the distance) in a picture of\n"
    "      W x H pixels (100 to 10000 each; default 800x800)\n"
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
    "  --range KM     map: the window's map, out to KM from A (50 up to the whole world)\n"
    "  --size WxH     map: the window's map, W x H pixels\n"
    "  -o FILE        map and adif: the output file\n"
    "An option that a command does not take is refused.\n"
    "\n"
    "Toolbox exit status: 0 done; 1 the input was refused (a bad locator or position,\n"
    "a malformed ADIF log; the message names the line and the field); 2 a command line\n"
    "that is not one of the forms; 3 a file could not be read or written.\n";
}
// clang-format on

} // namespace cli
