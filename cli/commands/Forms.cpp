#include "cli/commands/Commands.h"

#include "calc/ResultFields.h"
#include "cli/Batch.h"
#include "cli/Messages.h"
#include "cli/Request.h"

namespace cli {

namespace {

// Takes the first --format F (or --format=F) out of the words; false when there is none, or
// when it names no format of the forms.
bool TakeFormat(std::vector<std::string>& words, OutputFormat& format)
{
    for (std::size_t i = 0; i < words.size(); ++i) {
        std::string value;
        std::size_t n = 0;
        if (words[i] == "--format" && i + 1 < words.size()) {
            value = words[i + 1];
            n = 2;
        } else if (words[i].compare(0, 9, "--format=") == 0) {
            value = words[i].substr(9);
            n = 1;
        }
        if (n > 0) {
            words.erase(words.begin() + static_cast<std::ptrdiff_t>(i), words.begin() + static_cast<std::ptrdiff_t>(i + n));
            format = value == "json" ? OutputFormat::Json : value == "csv" ? OutputFormat::Csv : OutputFormat::Text;
            return value == "json" || value == "csv" || value == "text";
        }
    }
    return false;
}

// One request's output, without its line end: the result line, or as CSV or JSON its fields
// by name. CSV gets its header row whenever the form differs from the last one written,
// whose name header holds.
std::string Formatted(const Request& r, OutputFormat format, std::string& header)
{
    if (format == OutputFormat::Text)
        return r.status == kExitDone ? ResultLine(r.form, r.done) : "error: " + r.text;
    CRecordWriter record;
    std::string name = "error";
    if (r.status == kExitDone) {
        name = r.command;
        record = ResultRecord(r.form, r.done);
    } else {
        record.AddText("error", r.text);
    }
    if (format == OutputFormat::Json)
        return record.Json();
    const std::string head = header == name ? std::string() : record.CsvHeader();
    header = name;
    std::string row = record.CsvRow();
    row.pop_back();  // its line end
    return head + row;
}

} // namespace

bool WantsFormattedForms(const std::vector<std::string>& words)
{
    bool format = false;
    bool batch = false;
    for (const std::string& w : words) {
        format = format || w == "--format" || w.compare(0, 9, "--format=") == 0;
        batch = batch || w == "--batch";
    }
    std::vector<std::string> rest = words;
    OutputFormat ignored;
    TakeFormat(rest, ignored);
    return format && (batch || IsForm(RequestCommand(rest)));
}

ExitStatus RunForms(std::vector<std::string> words, bool formatted, std::FILE* in, std::FILE* out, std::FILE* err)
{
    OutputFormat format = OutputFormat::Text;
    if (formatted && !TakeFormat(words, format))
        return SayUsage(err, "the window's forms write text (the default), csv or json");
    std::vector<std::string> options;
    for (const std::string& w : words)
        if (w != "--batch")
            options.push_back(w);
    std::string header;
    if (options.size() == words.size()) {
        const Request r = RunRequest(words, 6);
        if (r.status == kExitUsage)
            return SayUsage(err, r.text);
        if (r.status == kExitRefused) {
            std::fputs((r.text + "\n").c_str(), err);  // the window's own complaint, as it says it
            return kExitRefused;
        }
        return WriteOut(out, err, Formatted(r, format, header) + "\n") ? kExitDone : kExitFile;
    }

    // --batch: the other options set the batch's locator length.
    int chars = 6;
    std::size_t at = 0;
    std::string error;
    if (!ReadRequestOptions(options, at, chars, error) || at != options.size())
        return SayUsage(err, error.empty() ? "--batch takes its requests from standard input, not from the command line"
                                           : error);
    std::string failure;
    const ExitStatus status = RunBatch(in, out, chars, [&](const Request& r) { return Formatted(r, format, header); },
                                       failure);
    if (status == kExitFile)
        Say(err, failure);
    return status;
}

} // namespace cli
