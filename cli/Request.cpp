#include "cli/Request.h"

#include "base/Characters.h"
#include "base/NumberText.h"
#include "base/Quoted.h"
#include "calc/Commands.h"

#include <initializer_list>
#include <string>

namespace cli {

namespace {

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
    std::string text = word;
    ToUpper(text);
    return FitsPattern(text, LongestLocatorMask()) ? text : std::string();
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

bool ReadDmsWords(const std::vector<std::string>& w, std::size_t at, CForm& form, std::string& error)
{
    if (w.size() - at != 8) {
        error = "dms takes 8 values: LATDEG LATMIN LATSEC N|S LONDEG LONMIN LONSEC E|W";
        return false;
    }
    const Box boxes[] = {Box::LatitudeDegree, Box::LatitudeMinute, Box::LatitudeSecond, Box::LongitudeDegree,
                         Box::LongitudeMinute, Box::LongitudeSecond};
    const std::size_t words[] = {at, at + 1, at + 2, at + 4, at + 5, at + 6};
    for (std::size_t i = 0; i < 6; ++i) {
        // Degrees and minutes are whole, as the window's boxes hold them; seconds may have decimals.
        const bool whole = boxes[i] != Box::LatitudeSecond && boxes[i] != Box::LongitudeSecond;
        if (!IsNumberText(w[words[i]], whole)) {
            error = (whole ? "not a whole number: " : "not a number: ") + Quoted(w[words[i]]);
            return false;
        }
        form.Text(boxes[i]) = w[words[i]];
    }
    form.Choice(List::LatitudeWorld) = ChoiceOf(List::LatitudeWorld, w[at + 3]);
    if (form.Choice(List::LatitudeWorld) < 0) {
        error = "latitude hemisphere must be N or S: " + Quoted(w[at + 3]);
        return false;
    }
    form.Choice(List::LongitudeWorld) = ChoiceOf(List::LongitudeWorld, w[at + 7]);
    if (form.Choice(List::LongitudeWorld) < 0) {
        error = "longitude hemisphere must be E or W: " + Quoted(w[at + 7]);
        return false;
    }
    return true;
}

bool ReadDecimalWords(const std::vector<std::string>& w, std::size_t at, CForm& form, std::string& error)
{
    if (w.size() - at != 2) {
        error = "decimal takes 2 values: LAT LON";
        return false;
    }
    for (const std::string& word : {w[at], w[at + 1]}) {
        if (!IsNumberText(word)) {
            error = "not a number: " + Quoted(word);
            return false;
        }
    }
    form.Text(Box::LatitudeDecimal) = w[at];
    form.Text(Box::LongitudeDecimal) = w[at + 1];
    return true;
}

bool ReadLocatorWords(const std::vector<std::string>& w, std::size_t at, CForm& form, std::string& error)
{
    if (w.size() - at != 1) {
        error = "locator takes 1 value: LOCATOR";
        return false;
    }
    form.Text(Box::Locator) = LocatorText(w[at]);
    return true;
}

bool ReadDistanceWords(const std::vector<std::string>& w, std::size_t at, CForm& form, std::string& error)
{
    if (w.size() - at != 2) {
        error = "distance takes 2 values: LOCATOR1 LOCATOR2";
        return false;
    }
    form.Text(Box::Location1) = LocatorText(w[at]);
    form.Text(Box::Location2) = LocatorText(w[at + 1]);
    return true;
}

// Each form: how its words go into the form, and the command that runs on it.
const struct Form {
    const char* name;
    bool (*pfnRead)(const std::vector<std::string>& words, std::size_t at, CForm& form, std::string& error);
    Outcome (*pfnCalculate)(CForm& form);
} kForms[] = {{"dms", ReadDmsWords, CalculateDms},
              {"decimal", ReadDecimalWords, CalculateDecimal},
              {"locator", ReadLocatorWords, CalculateLocator},
              {"distance", ReadDistanceWords, CalculateDistance}};

const Form* FindForm(const std::string& word)
{
    for (const Form& f : kForms)
        if (word == f.name)
            return &f;
    return nullptr;
}

} // namespace

bool ReadRequestOptions(const std::vector<std::string>& w, std::size_t& at, int& chars, std::string& error)
{
    while (at < w.size() && w[at].compare(0, 2, "--") == 0) {
        const std::string& option = w[at];
        const bool joined = option.compare(0, 8, "--chars=") == 0;  // --chars=N, else --chars N
        if (!joined && option != "--chars") {
            error = "unknown option: " + Quoted(option);
            return false;
        }
        if ((!joined && at + 1 >= w.size()) || !ParseChars(joined ? option.substr(8) : w[at + 1], chars)) {
            error = "--chars takes 6, 8 or 10";
            return false;
        }
        at += joined ? 1 : 2;
    }
    return true;
}

Request RunRequest(const std::vector<std::string>& w, int chars)
{
    Request r;
    r.status = kExitUsage;
    std::size_t at = 0;
    if (!ReadRequestOptions(w, at, chars, r.text))
        return r;
    if (at >= w.size()) {
        r.text = "no command: dms, decimal, locator or distance";
        return r;
    }
    const std::string& command = w[at++];
    const Form* form = FindForm(command);
    if (!form) {
        r.text = "unknown command: " + Quoted(command);
        return r;
    }
    r.form.Choice(List::LocatorChars) = ChoiceOf(List::LocatorChars, std::to_string(chars));
    if (!form->pfnRead(w, at, r.form, r.text))
        return r;
    // A complaint, or the engine's refusal, which the window keeps to itself.
    const Outcome outcome = form->pfnCalculate(r.form);
    if (outcome.kind != Outcome::kDone) {
        r.status = kExitRefused;
        r.text = outcome.text;
        return r;
    }
    r.status = kExitDone;
    r.command = form->name;
    r.done = outcome.saved;
    return r;
}

std::string RequestCommand(const std::vector<std::string>& words)
{
    std::size_t at = 0;
    while (at < words.size() && words[at].compare(0, 2, "--") == 0)
        at += words[at] == "--chars" ? 2 : 1;
    return at < words.size() ? words[at] : std::string();
}

bool IsForm(const std::string& word) { return FindForm(word) != nullptr; }

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

} // namespace cli
