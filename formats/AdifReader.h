// The structure of an ADIF log (.adi) as byte offsets into its text, for whatever changes a
// log and must keep every other byte as it was: the header up to its <EOH>, then record after
// record, each its fields and its <EOR>, and what follows the last <EOR>.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

struct AdifField {
    std::size_t begin = 0;      // its "<"
    std::size_t dataBegin = 0;
    std::size_t end = 0;        // past its data, or past ">" for <EOH> and <EOR>
    std::string name;           // upper case
    bool hasLength = false;     // false for a tag without data, such as <EOH> and <EOR>
};

struct AdifRecord {
    std::size_t begin = 0;         // where its text starts: past the header or the last <EOR>
    std::size_t end = 0;           // its <EOR>'s "<"
    std::size_t eorEnd = 0;        // past its <EOR>
    std::vector<AdifField> fields;
};

class CAdifReader {
public:
    explicit CAdifReader(const std::string& log);

    // A log that does not start with "<" has a header, which ends at <EOH>. False, with error
    // naming the line, when it has none, or a tag without data other than <EOH> in it.
    bool ReadHeader(std::string& error);
    std::size_t GetHeaderEnd() const { return m_nHeaderEnd; }

    // The next record. False at the end of the log, with record holding what follows the last
    // <EOR> (its begin, and fields without their <EOR>); or, with error naming the line and the
    // field, where the text is not ADIF.
    bool NextRecord(AdifRecord& record, std::string& error);

    // The line of an offset, for a message.
    long LineAt(std::size_t offset);

private:
    bool ReadField(std::size_t at, AdifField& field, std::string& error);

    const std::string& m_strLog;
    std::size_t m_nHeaderEnd = 0;
    std::size_t m_nAt = 0;         // where reading goes on
    std::size_t m_nCountedTo = 0;  // line numbers: newlines counted up to here
    long m_nLine = 1;
};
