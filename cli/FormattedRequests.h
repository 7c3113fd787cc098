// The window's four forms (dms, decimal, locator, distance) with --format csv|json, alone or
// in --batch: each result line's fields under names that carry their units. The text format
// stays the requests' own.
#pragma once

#include "formats/RecordWriter.h"

#include <cstdio>
#include <string>
#include <vector>

namespace cli {

class CFormattedRequests {
public:
    // True when the words ask for one of the four forms, or --batch, in csv or json.
    static bool Wants(const std::vector<std::string>& words);

    // Runs them: one request from the words, or one per line of in with --batch. Results go
    // to out, messages to err; returns the exit status the text format would have.
    static int Run(const std::vector<std::string>& words, std::FILE* in, std::FILE* out, std::FILE* err);

    // The named fields of a result line of a form; false when the line does not fit it.
    static bool Fields(const std::string& command, const std::string& line, CRecordWriter& record);
};

} // namespace cli
