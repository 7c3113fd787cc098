#include "cli/ToolboxOptions.h"

#include "base/NumberText.h"

namespace cli {

namespace {

bool ReadFormat(const std::string& text, OutputFormat& format)
{
    if (text == "text")
        format = OutputFormat::Text;
    else if (text == "csv")
        format = OutputFormat::Csv;
    else if (text == "json")
        format = OutputFormat::Json;
    else if (text == "geojson")
        format = OutputFormat::GeoJson;
    else
        return false;
    return true;
}

bool ReadWhole(const std::string& text, int low, int high, int& value)
{
    if (text.empty() || text.size() > 3)
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    const int v = IntegerValue(text);
    if (v < low || v > high)
        return false;
    value = v;
    return true;
}

} // namespace

bool ReadToolboxOptions(const std::vector<std::string>& words, ToolboxOptions& o, std::string& error)
{
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        const bool option = word.compare(0, 2, "--") == 0 || word == "-o";
        if (!option) {
            o.values.push_back(word);
            continue;
        }
        std::string name = word;
        std::string value;
        bool hasValue = false;
        const std::string::size_type eq = word.find('=');
        if (word.compare(0, 2, "--") == 0 && eq != std::string::npos) {
            name = word.substr(0, eq);
            value = word.substr(eq + 1);
            hasValue = true;
        }
        o.given.push_back(name);
        if (name == "--overwrite" || name == "--changes") {
            if (hasValue) {
                error = name + " takes no value";
                return false;
            }
            (name == "--overwrite" ? o.overwrite : o.changes) = true;
            continue;
        }
        const bool known = name == "--format" || name == "--precision" || name == "--radius" || name == "--chars"
                        || name == "--from" || name == "-o";
        if (!known) {
            error = "unknown option: " + name;
            return false;
        }
        if (!hasValue) {
            if (i + 1 >= words.size()) {
                error = name + " needs a value";
                return false;
            }
            value = words[++i];
        }
        bool ok = true;
        if (name == "--format") {
            ok = ReadFormat(value, o.format);
            if (!ok)
                error = "--format takes text, csv, json or geojson";
        } else if (name == "--precision") {
            ok = ReadWhole(value, 0, 12, o.precision);
            if (!ok)
                error = "--precision takes a whole number from 0 to 12";
        } else if (name == "--radius") {
            ok = ReadDecimal(value, o.radiusKm) && o.radiusKm > 0 && o.radiusKm <= 1e9;
            if (!ok)
                error = "--radius takes a radius in kilometres, more than 0";
        } else if (name == "--chars") {
            ok = ReadWhole(value, 2, 12, o.chars) && o.chars % 2 == 0;
            if (!ok)
                error = "--chars takes 2, 4, 6, 8, 10 or 12";
        } else if (name == "--from") {
            o.from = value;
        } else {
            o.output = value;
            ok = !value.empty();
            if (!ok)
                error = "-o needs a file name";
        }
        if (!ok)
            return false;
    }
    return true;
}

} // namespace cli
