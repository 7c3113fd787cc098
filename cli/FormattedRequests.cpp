#include "cli/FormattedRequests.h"

#include "cli/Batch.h"
#include "cli/CommandResult.h"
#include "cli/Requests.h"
#include "cli/ToolboxOptions.h"

namespace cli {

namespace {

struct Form {
    const char* command;
    const char* fields;  // the result line's words, in order; "#" marks a number
};

const Form kForms[] = {
    {"dms", "#lat_deg #lon_deg locator"},
    {"decimal", "locator #lat_whole_deg #lat_min #lat_sec lat_hemisphere #lon_whole_deg #lon_min #lon_sec lon_hemisphere"},
    {"locator", "#lat_deg #lat_whole_deg #lat_min #lat_sec lat_hemisphere #lon_deg #lon_whole_deg #lon_min #lon_sec "
                "lon_hemisphere"},
    {"distance", "#bearing_deg #distance_mi #distance_km #distance_nmi"},
};

const Form* FormOf(const std::string& command)
{
    for (const Form& f : kForms)
        if (command == f.command)
            return &f;
    return nullptr;
}

// The command word after the leading --chars options, as the requests read them.
std::string CommandOf(const std::vector<std::string>& words)
{
    std::size_t at = 0;
    while (at < words.size() && words[at].compare(0, 2, "--") == 0)
        at += words[at] == "--chars" ? 2 : 1;
    return at < words.size() ? words[at] : std::string();
}

// Takes --format F (or --format=F) out of the words; false when it names no format of these forms.
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

std::string WithoutEnd(std::string text)
{
    if (!text.empty() && text.back() == '\n')
        text.pop_back();
    return text;
}

// One request's output, without its line end. CSV gets its header row whenever the form
// differs from the last one written, whose name header holds.
std::string Formatted(const std::vector<std::string>& words, const Result& r, OutputFormat format, std::string& header)
{
    if (format == OutputFormat::Text)
        return r.status == kOk ? r.text : "error: " + r.text;
    CRecordWriter record;
    std::string name = "error";
    if (r.status == kOk) {
        name = CommandOf(words);
        CFormattedRequests::Fields(name, r.text, record);
    } else {
        record.AddText("error", r.text);
    }
    if (format == OutputFormat::Json)
        return record.Json();
    const std::string head = header == name ? std::string() : record.CsvHeader();
    header = name;
    return head + WithoutEnd(record.CsvRow());
}

} // namespace

bool CFormattedRequests::Fields(const std::string& command, const std::string& line, CRecordWriter& record)
{
    const Form* form = FormOf(command);
    if (!form)
        return false;
    std::vector<std::string> names;
    std::vector<std::string> values;
    SplitWords(form->fields, names);
    SplitWords(line, values);
    if (names.size() != values.size())
        return false;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i][0] == '#')
            record.AddNumberText(names[i].substr(1), values[i]);
        else
            record.AddText(names[i], values[i]);
    }
    return true;
}

bool CFormattedRequests::Wants(const std::vector<std::string>& words)
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
    return format && (batch || FormOf(CommandOf(rest)) != nullptr);
}

int CFormattedRequests::Run(const std::vector<std::string>& words, std::FILE* in, std::FILE* out, std::FILE* err)
{
    std::vector<std::string> rest = words;
    OutputFormat format = OutputFormat::Text;
    if (!TakeFormat(rest, format)) {
        std::fprintf(err, "locatrix-cli: the window's forms write text (the default), csv or json\n"
                          "Try 'locatrix-cli --help'.\n");
        return kExitUsage;
    }
    std::vector<std::string> options;
    for (const std::string& w : rest)
        if (w != "--batch")
            options.push_back(w);
    std::string header;
    if (options.size() == rest.size()) {
        const Result r = RunRequest(rest, 6);
        if (r.status != kOk) {
            std::fprintf(err, r.status == kUsage ? "locatrix-cli: %s\nTry 'locatrix-cli --help'.\n" : "%s\n",
                         r.text.c_str());
            return r.status;
        }
        const std::string text = Formatted(rest, r, format, header) + "\n";
        if (std::fwrite(text.data(), 1, text.size(), out) != text.size() || std::fflush(out) != 0) {
            std::fprintf(err, "locatrix-cli: writing standard output failed\n");
            return kExitFile;
        }
        return kExitDone;
    }

    // --batch: the other options set the batch's locator length, as in the text format.
    int chars = 6;
    std::size_t at = 0;
    std::string error;
    if (!ReadOptions(options, at, chars, error) || at != options.size()) {
        std::fprintf(err, "locatrix-cli: %s\nTry 'locatrix-cli --help'.\n",
                     error.empty() ? "--batch takes its requests from standard input, not from the command line"
                                   : error.c_str());
        return kExitUsage;
    }
    std::string failure;
    const int status = RunBatch(in, out, chars, failure, [&](const std::vector<std::string>& words, const Result& r) {
        return Formatted(words, r, format, header);
    });
    if (status == kExitFile)
        std::fprintf(err, "locatrix-cli: %s\n", failure.c_str());
    return status;
}

} // namespace cli
