// An ADIF log (.adi) with DISTANCE filled in: every QSO with GRIDSQUARE and MY_GRIDSQUARE
// (or a locator given for the whole log) gets the great-circle distance in kilometres
// between the two squares' centres. Every other byte of the log stays as it was.
#pragma once

#include <string>

struct AdifCounts {
    long qsos = 0;
    long filled = 0;          // DISTANCE added
    long overwritten = 0;     // DISTANCE replaced
    long kept = 0;            // DISTANCE already there, left alone
    long noGrid = 0;          // no GRIDSQUARE
    long noOwnGrid = 0;       // no MY_GRIDSQUARE and no locator for the log
    long badGrid = 0;         // a grid that is not a locator
    bool unterminated = false;  // fields after the last <EOR>
};

class CAdifLog {
public:
    // from: the station's own locator where a QSO has no MY_GRIDSQUARE (empty: none; it
    // must have been checked). radiusKm 0: the nautical-mile sphere.
    CAdifLog(const std::string& from, bool overwrite, double radiusKm, int decimals);

    // False, with error naming the line and the field, for a log that is not ADIF; output
    // is then empty. warnings gets one message line per QSO whose grid is not a locator.
    bool Fill(const std::string& input, std::string& output, std::string& warnings, std::string& error);
    const AdifCounts& GetCounts() const { return m_counts; }
    std::string Summary() const;

private:
    struct Field;
    bool ReadField(const std::string& in, std::size_t at, Field& field, std::string& error);
    void FillRecord(const std::string& in, std::size_t begin, std::size_t end, std::string& out, std::string& warnings);
    long LineAt(const std::string& in, std::size_t offset);

    std::string m_strFrom;
    bool m_bOverwrite;
    double m_dRadiusKm;
    int m_nDecimals;
    AdifCounts m_counts;
    std::size_t m_nCountedTo = 0;  // line numbers: newlines counted up to here
    long m_nLine = 1;
};
