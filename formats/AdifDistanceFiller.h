// DISTANCE filled into an ADIF log (.adi): every QSO with GRIDSQUARE and MY_GRIDSQUARE (or a
// locator given for the whole log) gets the great-circle distance in kilometres between the
// two squares' centres; which QSOs get one and which keep theirs, and how many of each. An
// empty or zero DISTANCE between two different squares counts as none; a QSO on a grid line
// or corner (VUCC_GRIDS, or a list in the grid field) is measured from the centre of the area
// its squares cover.
// Every other byte of the log stays as it was.
#pragma once

#include "engine/Earth.h"
#include "engine/Place.h"

#include <string>
#include <vector>

struct AdifRecord;
class CAdifReader;

struct AdifCounts {
    long qsos = 0;
    long filled = 0;          // DISTANCE added, or written over an empty or zero one
    long placeholders = 0;    // of those filled: over an empty or zero DISTANCE
    long otherForms = 0;      // of those filled or overwritten: from VUCC_GRIDS, a list, or a grid with blanks
    long overwritten = 0;     // DISTANCE replaced
    long kept = 0;            // DISTANCE already there, left alone
    long noGrid = 0;          // no GRIDSQUARE
    long noOwnGrid = 0;       // no MY_GRIDSQUARE and no locator for the log
    long badGrid = 0;         // a grid that is not a locator
    long characterCounted = 0;  // fields whose length counts UTF-8 characters, read so
    bool unterminated = false;  // fields after the last <EOR>
    std::string closing;        // a closing tag after the last <EOR>, such as EOF
};

class CAdifDistanceFiller {
public:
    // from: the station's own locator where a QSO has no MY_GRIDSQUARE (empty, or no locator:
    // none).
    CAdifDistanceFiller(const std::string& from, bool overwrite, const CEarth& earth, int decimals);

    // False, with error naming the line and the field, for a log that is not ADIF; output is
    // then empty. warnings gets a line for each QSO whose grid is not a locator.
    bool Fill(const std::string& input, std::string& output, std::vector<std::string>& warnings, std::string& error);
    const AdifCounts& GetCounts() const { return m_counts; }

private:
    void FillRecord(const std::string& in, const AdifRecord& record, CAdifReader& reader, std::string& out,
                    std::vector<std::string>& warnings);

    Place m_own;
    bool m_bOwn;
    bool m_bOverwrite;
    CEarth m_earth;
    int m_nDecimals;
    AdifCounts m_counts;
};
