#include "cli/Options.h"

#include "base/NumberText.h"
#include "map/MapViewSvg.h"

namespace cli {

namespace {

// An option without a value: the flag it sets.
template <bool Options::*flag>
bool Set(const std::string&, Options& o)
{
    o.*flag = true;
    return true;
}

bool ReadWhole(const std::string& text, int low, int high, int& value)
{
    if (text.empty() || text.size() > 5)
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

bool ReadFormat(const std::string& text, Options& o)
{
    static const struct {
        const char* name;
        OutputFormat format;
    } kFormats[] = {{"text", OutputFormat::Text}, {"csv", OutputFormat::Csv}, {"json", OutputFormat::Json},
                    {"geojson", OutputFormat::GeoJson}};
    for (const auto& f : kFormats)
        if (text == f.name) {
            o.format = f.format;
            return true;
        }
    return false;
}

bool ReadPrecision(const std::string& text, Options& o) { return ReadWhole(text, 0, 12, o.precision); }
bool ReadChars(const std::string& text, Options& o) { return ReadWhole(text, 2, 12, o.chars) && o.chars % 2 == 0; }
bool ReadRadius(const std::string& text, Options& o)
{
    return ReadDecimal(text, o.radiusKm) && o.radiusKm > 0 && o.radiusKm <= 1e9;
}
bool ReadEarth(const std::string& text, Options& o)
{
    if (text != "wgs84" && text != "sphere")
        return false;
    o.wgs84 = text == "wgs84";
    return true;
}
// The window's map reaches from 50 km to the whole world; more than the world is the world.
bool ReadRange(const std::string& text, Options& o)
{
    return ReadDecimal(text, o.rangeKm) && o.rangeKm >= 50 && o.rangeKm <= 1e9;
}
bool ReadSize(const std::string& text, Options& o)
{
    const std::string::size_type x = text.find('x');
    if (x == std::string::npos)
        return false;
    return ReadWhole(text.substr(0, x), CMapViewSvg::kSmallestSide, CMapViewSvg::kLargestSide, o.width)
        && ReadWhole(text.substr(x + 1), CMapViewSvg::kSmallestSide, CMapViewSvg::kLargestSide, o.height);
}
bool ReadFrom(const std::string& text, Options& o)
{
    o.from = text;
    return true;
}
bool ReadOutput(const std::string& text, Options& o)
{
    o.output = text;
    return !text.empty();
}
bool ReadRotator(const std::string& text, RotatorKind kind, Options& o)
{
    std::string why;
    o.rotator.kind = kind;
    ++o.rotators;
    return ReadEndpoint(text, DefaultRotatorPort(kind), o.rotator.host, o.rotator.port, why);
}
bool ReadRotctld(const std::string& text, Options& o) { return ReadRotator(text, RotatorKind::Rotctld, o); }
bool ReadPst(const std::string& text, Options& o) { return ReadRotator(text, RotatorKind::PstRotator, o); }
bool ReadN1mm(const std::string& text, Options& o) { return ReadRotator(text, RotatorKind::N1mm, o); }
bool ReadHeading(const std::string& text, Options& o)
{
    o.hasHeading = true;
    return ReadDecimal(text, o.heading) && o.heading >= -360 && o.heading <= 720;
}
bool ReadWait(const std::string& text, Options& o)
{
    if (text.empty()) {
        o.waitSeconds = kDefaultWaitSeconds;
        return true;
    }
    return ReadDecimal(text, o.waitSeconds) && o.waitSeconds > 0 && o.waitSeconds <= 3600;
}
bool ReadPort(const std::string& text, Options& o) { return ReadPortText(text, o.port); }
bool ReadGroup(const std::string& text, Options& o)
{
    o.group = text;
    return IsMulticastGroupText(text);
}
bool ReadCount(const std::string& text, Options& o)
{
    int count = 0;
    if (text.size() > 6 || !IsDecimalText(text, true) || (count = IntegerValue(text)) < 1)
        return false;
    o.count = count;
    return true;
}

const struct Option {
    const char* name;
    bool takesValue;
    unsigned commands;
    bool (*pfnRead)(const std::string& value, Options& options);
    const char* refusal;  // for a value pfnRead refuses
    bool valueOptional = false;  // the next word is the value only when it reads as one
} kOptions[] = {
    {"--format", true, kSquare | kPath | kNmea | kRotate | kWsjtx, ReadFormat, "--format takes text, csv, json or geojson"},
    {"--precision", true, kSquare | kPath | kMap | kNmea | kAdif, ReadPrecision,
     "--precision takes a whole number from 0 to 12"},
    {"--radius", true, kPath | kMap | kAdif, ReadRadius, "--radius takes a radius in kilometres, more than 0"},
    {"--earth", true, kPath | kAdif, ReadEarth, "--earth takes wgs84 or sphere"},
    {"--range", true, kMap, ReadRange, "--range takes the map's radius in kilometres, from 50 (up to the whole world)"},
    {"--size", true, kMap, ReadSize, "--size takes the picture's width and height in pixels, WxH, each from 100 to 10000"},
    {"--chars", true, kNmea, ReadChars, "--chars takes 2, 4, 6, 8, 10 or 12"},
    {"--from", true, kAdif | kWsjtx, ReadFrom, ""},
    {"-o", true, kMap | kAdif, ReadOutput, "-o needs a file name"},
    {"--overwrite", false, kAdif, Set<&Options::overwrite>, ""},
    {"--changes", false, kNmea, Set<&Options::changes>, ""},
    {"--estimated", false, kNmea, Set<&Options::estimated>, ""},
    {"--verbose", false, kNmea, Set<&Options::verbose>, ""},
    {"--rotctld", true, kRotate | kWsjtx, ReadRotctld, "--rotctld takes HOST or HOST:PORT (a port from 1 to 65535)"},
    {"--pst", true, kRotate | kWsjtx, ReadPst, "--pst takes HOST or HOST:PORT (a port from 1 to 65535)"},
    {"--n1mm", true, kRotate | kWsjtx, ReadN1mm, "--n1mm takes HOST or HOST:PORT (a port from 1 to 65535)"},
    {"--long", false, kRotate | kWsjtx, Set<&Options::longPath>, ""},
    {"--stop", false, kRotate, Set<&Options::stop>, ""},
    {"--heading", true, kRotate, ReadHeading, "--heading takes degrees, from -360 to 720"},
    {"--wait", true, kRotate, ReadWait, "--wait takes seconds, more than 0 and at most 3600", true},
    {"--port", true, kWsjtx, ReadPort, "--port takes a UDP port from 1 to 65535"},
    {"--group", true, kWsjtx, ReadGroup, "--group takes an IPv4 multicast group, 224.0.0.0 to 239.255.255.255"},
    {"--count", true, kWsjtx, ReadCount, "--count takes a whole number from 1 to 999999"},
};

const Option* Find(const std::string& name)
{
    for (const Option& option : kOptions)
        if (name == option.name)
            return &option;
    return nullptr;
}

bool IsOption(const std::string& word) { return word.compare(0, 2, "--") == 0 || word == "-o"; }

// Whether the word after the option is its value.
bool TakesNext(const Option& option, const std::vector<std::string>& words, std::size_t at)
{
    if (!option.takesValue || at + 1 >= words.size())
        return false;
    Options scratch;
    return !option.valueOptional || (!IsOption(words[at + 1]) && option.pfnRead(words[at + 1], scratch));
}

} // namespace

std::string CommandWord(const std::vector<std::string>& words, std::size_t& at)
{
    for (at = 0; at < words.size(); ++at) {
        if (!IsOption(words[at]))
            return words[at];
        const Option* option = Find(words[at]);
        if (option && TakesNext(*option, words, at))
            ++at;
    }
    return std::string();
}

bool ReadOptions(const std::vector<std::string>& words, const std::string& command, unsigned bit, Options& o,
                 std::string& error)
{
    std::vector<const Option*> given;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (!IsOption(word)) {
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
        const Option* option = Find(name);
        if (!option) {
            error = "unknown option: " + name;
            return false;
        }
        if (!option->takesValue && hasValue) {
            error = name + " takes no value";
            return false;
        }
        if (option->takesValue && !hasValue && option->valueOptional) {
            if (TakesNext(*option, words, i))
                value = words[++i];
        } else if (option->takesValue && !hasValue) {
            if (i + 1 >= words.size()) {
                error = name + " needs a value";
                return false;
            }
            value = words[++i];
        }
        if (!option->pfnRead(value, o)) {
            error = option->refusal;
            return false;
        }
        given.push_back(option);
    }
    for (const Option* option : given) {
        if ((option->commands & bit) == 0) {
            error = command + " does not take " + option->name;
            return false;
        }
    }
    if (o.wgs84 && o.radiusKm > 0) {
        error = "--earth wgs84 is the ellipsoid, whose size is fixed: --radius goes with --earth sphere only";
        return false;
    }
    return true;
}

CEarth ChosenEarth(const Options& o) { return o.wgs84 ? CEarth::Wgs84() : CEarth(o.radiusKm); }

} // namespace cli
