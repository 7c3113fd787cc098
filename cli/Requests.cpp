#include "cli/Requests.h"

#include "base/Characters.h"
#include "base/NumberText.h"
#include "base/Quoted.h"
#include "calc/Commands.h"

#include <initializer_list>
#include <string>
#include <utility>

namespace cli {

namespace {

Result Ok(std::string text) { return Result{kOk, std::move(text)}; }
Result Rejected(std::string text) { return Result{kRejected, std::move(text)}; }
Result Usage(std::string text) { return Result{kUsage, std::move(text)}; }

// A number as the window's number boxes can hold one. The empty text passes too; the
// command's checks decide about it.
bool IsNumberText(const std::string& s, bool whole = false)
{
    return s.empty() || IsDecimalText(s, whole);
}

// What the window's upper-case masked locator box would hold: the word upper-cased, when it
// is a beginning of the longest locator. A word the box would never hold whole goes in as an
// empty box, so the command's own check names it.
std::string LocatorText(const std::string& word)
{
    const char* pattern = LongestLocatorMask();
    std::string text = word;
    ToUpper(text);
    if (text.size() > std::char_traits<char>::length(pattern))
        return std::string();
    for (std::string::size_type i = 0; i < text.size(); ++i) {
        const bool fits = pattern[i] == '*' ? IsUpperLetter(text[i]) : IsDigit(text[i]);
        if (!fits)
            return std::string();
    }
    return text;
}

// The index of a word among a list's entries, upper case or lower; -1 when it is none of them.
int ChoiceOf(List list, std::string word)
{
    ToUpper(word);
    const std::vector<std::string>& entries = ListEntries(list);
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i] == word)
            return static_cast<int>(i);
    return -1;
}

bool ParseChars(const std::string& word, int& chars)
{
    if (ChoiceOf(List::LocatorChars, word) < 0)
        return false;
    chars = std::stoi(word);
    return true;
}

std::string Letter(const CForm& form, List list)
{
    return ListEntries(list)[form.Choice(list) == 1 ? 1 : 0];
}

// The boxes' texts, separated by one space.
std::string Line(const CForm& form, std::initializer_list<Box> boxes)
{
    std::string out;
    for (Box box : boxes) {
        if (!out.empty())
            out += ' ';
        out += form.Text(box);
    }
    return out;
}

std::string Parts(const CForm& form, Box degree, Box minute, Box second, List hemisphere)
{
    return Line(form, {degree, minute, second}) + ' ' + Letter(form, hemisphere);
}

std::string LatitudeParts(const CForm& form)
{
    return Parts(form, Box::LatitudeDegree, Box::LatitudeMinute, Box::LatitudeSecond, List::LatitudeWorld);
}

std::string LongitudeParts(const CForm& form)
{
    return Parts(form, Box::LongitudeDegree, Box::LongitudeMinute, Box::LongitudeSecond, List::LongitudeWorld);
}

// Done, the command's complaint, or the engine's refusal, which the window keeps to itself.
Result Run(Outcome (*pfnCommand)(CForm&), CForm& form)
{
    const Outcome outcome = pfnCommand(form);
    if (outcome.kind != Outcome::kDone)
        return Rejected(outcome.text);
    return Ok(std::string());
}

Result Dms(const std::vector<std::string>& w, std::size_t at, CForm& form)
{
    if (w.size() - at != 8)
        return Usage("dms takes 8 values: LATDEG LATMIN LATSEC N|S LONDEG LONMIN LONSEC E|W");
    const Box boxes[] = {Box::LatitudeDegree, Box::LatitudeMinute, Box::LatitudeSecond, Box::LongitudeDegree,
                         Box::LongitudeMinute, Box::LongitudeSecond};
    const std::size_t words[] = {at, at + 1, at + 2, at + 4, at + 5, at + 6};
    for (std::size_t i = 0; i < 6; ++i) {
        // Degrees and minutes are whole, as the window's boxes hold them; seconds may have decimals.
        const bool whole = boxes[i] != Box::LatitudeSecond && boxes[i] != Box::LongitudeSecond;
        if (!IsNumberText(w[words[i]], whole))
            return Usage((whole ? "not a whole number: " : "not a number: ") + Quoted(w[words[i]]));
        form.Text(boxes[i]) = w[words[i]];
    }
    form.Choice(List::LatitudeWorld) = ChoiceOf(List::LatitudeWorld, w[at + 3]);
    if (form.Choice(List::LatitudeWorld) < 0)
        return Usage("latitude hemisphere must be N or S: " + Quoted(w[at + 3]));
    form.Choice(List::LongitudeWorld) = ChoiceOf(List::LongitudeWorld, w[at + 7]);
    if (form.Choice(List::LongitudeWorld) < 0)
        return Usage("longitude hemisphere must be E or W: " + Quoted(w[at + 7]));

    Result r = Run(CalculateDms, form);
    if (r.status == kOk)
        r.text = Line(form, {Box::LatitudeDecimal, Box::LongitudeDecimal, Box::Locator});
    return r;
}

Result Decimal(const std::vector<std::string>& w, std::size_t at, CForm& form)
{
    if (w.size() - at != 2)
        return Usage("decimal takes 2 values: LAT LON");
    for (const std::string& word : {w[at], w[at + 1]})
        if (!IsNumberText(word))
            return Usage("not a number: " + Quoted(word));
    form.Text(Box::LatitudeDecimal) = w[at];
    form.Text(Box::LongitudeDecimal) = w[at + 1];

    Result r = Run(CalculateDecimal, form);
    if (r.status == kOk)
        r.text = form.Text(Box::Locator) + ' ' + LatitudeParts(form) + ' ' + LongitudeParts(form);
    return r;
}

Result Locator(const std::vector<std::string>& w, std::size_t at, CForm& form)
{
    if (w.size() - at != 1)
        return Usage("locator takes 1 value: LOCATOR");
    form.Text(Box::Locator) = LocatorText(w[at]);

    Result r = Run(CalculateLocator, form);
    if (r.status == kOk)
        r.text = form.Text(Box::LatitudeDecimal) + ' ' + LatitudeParts(form) + ' ' +
                 form.Text(Box::LongitudeDecimal) + ' ' + LongitudeParts(form);
    return r;
}

Result Distance(const std::vector<std::string>& w, std::size_t at, CForm& form)
{
    if (w.size() - at != 2)
        return Usage("distance takes 2 values: LOCATOR1 LOCATOR2");
    form.Text(Box::Location1) = LocatorText(w[at]);
    form.Text(Box::Location2) = LocatorText(w[at + 1]);

    Result r = Run(CalculateDistance, form);
    if (r.status == kOk)
        r.text = Line(form, {Box::Bearing, Box::StatuteMiles, Box::Kilometers, Box::NauticalMiles});
    return r;
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
            error = "unknown option: " + Quoted(option);
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
    static const struct {
        const char* name;
        Result (*pfnRequest)(const std::vector<std::string>&, std::size_t, CForm&);
    } kRequests[] = {{"dms", Dms}, {"decimal", Decimal}, {"locator", Locator}, {"distance", Distance}};
    const std::string& command = w[at++];
    for (const auto& request : kRequests)
        if (command == request.name) {
            CForm form;
            form.Choice(List::LocatorChars) = ChoiceOf(List::LocatorChars, std::to_string(chars));
            return request.pfnRequest(w, at, form);
        }
    return Usage("unknown command: " + Quoted(command));
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

std::string HelpText()
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

} // namespace cli
