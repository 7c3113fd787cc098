// A receiver's NMEA output, line by line as it comes: the locator of each valid fix, and the
// faults worth reporting, while everything else is skipped and counted. A line may hold junk
// before a sentence, or a sentence cut short by the next one: each "$" starts one.
#pragma once

#include "formats/LineReader.h"
#include "formats/NmeaReader.h"

#include <cstdio>
#include <string>

// What the stream held, by kind.
struct NmeaCounts {
    long fixes = 0;        // valid fixes (dead reckoning too, when taken)
    long handedOn = 0;     // fixes handed on: all of them, or only those whose locator changed
    long estimated = 0;    // positions by dead reckoning, taken or not
    long notReal = 0;      // positions typed in or simulated, never taken
    long noFix = 0;
    long badChecksum = 0;
    long malformed = 0;
    long other = 0;        // well-formed sentences of other kinds
    long noise = 0;        // a "$" that starts no sentence
    long junk = 0;         // lines without any "$"
};

class CNmeaStream {
public:
    enum class Event { Fix, Fault, End };

    // chars: the locators' length. changesOnly: a fix whose locator is the last one handed on
    // is skipped. takeEstimated: dead reckoning counts as a fix. reportNoise: a "$" that
    // starts no sentence is a fault to report, not only counted.
    CNmeaStream(std::FILE* file, int chars, bool changesOnly, bool takeEstimated, bool reportNoise);

    // A Fix (GetLocator, GetFix) or a Fault (GetWhy) of the line GetLineNumber; End at the
    // end of the stream, or when reading it failed (Failed).
    Event Next();

    const std::string& GetLocator() const { return m_strLocator; }
    const NmeaFix& GetFix() const { return m_fix; }
    const std::string& GetWhy() const { return m_strWhy; }
    const NmeaCounts& GetCounts() const { return m_counts; }
    long GetLineNumber() const { return m_reader.GetLineNumber(); }
    bool Failed() const { return m_reader.Failed(); }
    // A terminal, a pipe or a device, whose fixes are wanted as they come; false for a file.
    bool IsLive() const { return m_reader.IsLive(); }

private:
    CLineReader m_reader;
    int m_nChars;
    bool m_bChangesOnly;
    bool m_bTakeEstimated;
    bool m_bReportNoise;
    std::string m_strLine;
    std::string::size_type m_nNextSentence = std::string::npos;  // in m_strLine; npos: read the next line
    std::string m_strLocator;  // the last one handed on
    NmeaFix m_fix;
    std::string m_strWhy;
    NmeaCounts m_counts;
};
