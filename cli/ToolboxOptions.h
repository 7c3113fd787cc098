// The options of the toolbox commands (square, path, map, nmea, adif), read from anywhere
// among a command's words; what is left are the command's own values.
#pragma once

#include <string>
#include <vector>

namespace cli {

enum class OutputFormat { Text, Csv, Json, GeoJson };

struct ToolboxOptions {
    OutputFormat format = OutputFormat::Text;
    int precision = -1;          // -1: the command's own default
    double radiusKm = 0;         // 0: the sphere on which a nautical mile is a minute of arc
    int chars = 6;
    std::string from;            // adif --from
    bool overwrite = false;      // adif --overwrite
    bool changes = false;        // nmea --changes
    std::string output;          // -o FILE
    std::vector<std::string> values;
    std::vector<std::string> given;   // the options' names as they were given, for checking
};

// False, with a message naming the option, for an unknown option or a bad value. Options
// are --format, --precision, --radius, --chars, --from, --overwrite, --changes and -o, each
// also as --name=VALUE; a word "-" and words such as "-33.9,151.2" are values.
bool ReadToolboxOptions(const std::vector<std::string>& words, ToolboxOptions& options, std::string& error);

} // namespace cli
