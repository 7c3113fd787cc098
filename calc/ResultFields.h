// What each of the window's four commands shows when it is done, as named fields in the order
// the command line writes them, each name with its unit: one table for the result line, CSV
// and JSON, so that nothing is ever split back out of a line.
#pragma once

#include "calc/Commands.h"
#include "formats/RecordWriter.h"

#include <string>
#include <vector>

struct ResultField {
    enum Kind {
        kNumber,     // the text of a number box
        kText,       // the text of a text box
        kHemisphere  // the letter a hemisphere list shows
    };
    const char* name;
    Kind kind;
    Box box;    // kNumber and kText
    List list;  // kHemisphere
};

// The fields of the command that a done Outcome's `saved` names.
const std::vector<ResultField>& ResultFields(SavedGroup command);

const std::string& ResultText(const CForm& form, const ResultField& field);
// The texts one space apart: "52.520833 13.375000 JO62QM".
std::string ResultLine(const CForm& form, SavedGroup command);
CRecordWriter ResultRecord(const CForm& form, SavedGroup command);
