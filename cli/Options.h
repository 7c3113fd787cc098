// The toolbox's command lines: one table of options (each with whether it takes a value and
// which commands take it), read from anywhere among a command's words; what is left are the
// command's own values. (The window's four forms read theirs as requests: cli/Request.h.)
#pragma once

#include "engine/Earth.h"
#include "net/RotatorSetting.h"
#include "net/WsjtxSetting.h"

#include <string>
#include <vector>

namespace cli {

enum class OutputFormat { Text, Csv, Json, GeoJson };

// The toolbox's commands, as the option table names them.
enum ToolboxCommand : unsigned { kSquare = 1, kPath = 2, kMap = 4, kNmea = 8, kAdif = 16, kRotate = 32, kWsjtx = 64 };

struct Options {
    OutputFormat format = OutputFormat::Text;
    int precision = -1;          // -1: the command's own default
    double radiusKm = 0;         // 0: the sphere on which a nautical mile is a minute of arc
    bool wgs84 = false;          // path, adif --earth wgs84: the ellipsoid, not a sphere
    int chars = 6;
    std::string from;            // adif --from
    bool overwrite = false;      // adif --overwrite
    bool changes = false;        // nmea --changes
    bool estimated = false;      // nmea --estimated
    bool verbose = false;        // nmea --verbose
    RotatorSetting rotator;      // rotate, wsjtx: --rotctld, --pst or --n1mm HOST[:PORT]
    int rotators = 0;            // how many of those were given
    bool longPath = false;       // rotate, wsjtx --long
    bool stop = false;           // rotate --stop
    bool hasHeading = false;     // rotate --heading DEG
    double heading = 0;
    double waitSeconds = -1;     // rotate --wait [SECONDS]; -1: no waiting
    int port = WsjtxSetting::kDefaultPort;  // wsjtx --port
    std::string group;           // wsjtx --group
    long count = 0;              // wsjtx --count; 0: no end
    std::string output;          // -o FILE
    double rangeKm = 0;          // map --range: 0 none; from the centre to the edge of the window's map
    int width = 0;               // map --size WxH in pixels: 0 none
    int height = 0;
    std::vector<std::string> values;
};

// How long rotate --wait waits when no time is given: a slow rotator's full turn.
constexpr double kDefaultWaitSeconds = 120;

// The earth that path and adif measure on: --earth wgs84, or the sphere of --radius.
CEarth ChosenEarth(const Options& options);

// The command's word: the first word that is neither an option nor an option's value, at
// index at; empty when there is none.
std::string CommandWord(const std::vector<std::string>& words, std::size_t& at);

// The options and values among a command's words (its own word taken out), each option also
// as --name=VALUE; a word "-" and words such as "-33.9,151.2" are values. False, with a
// message naming the option, for an unknown option, a bad value, or one that the command
// (named, and one bit of ToolboxCommand) does not take.
bool ReadOptions(const std::vector<std::string>& words, const std::string& name, unsigned command, Options& options,
                 std::string& error);

} // namespace cli
