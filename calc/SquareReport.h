// A locator's square as the toolbox reports it: its corners, centre and size in degrees, as
// text, as named fields, or as a GeoJSON polygon.
#pragma once

#include "engine/LocatorSquare.h"
#include "formats/RecordWriter.h"

#include <string>

class CSquareReport {
public:
    explicit CSquareReport(const CLocatorSquare& square);

    std::string Text(int decimals) const;
    CRecordWriter Record(int decimals) const;
    // A Feature whose properties are the record's fields.
    std::string GeoJsonFeature(int decimals) const;

private:
    CLocatorSquare m_square;
};
