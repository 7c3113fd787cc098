// The structure of an ADIF log (.adi) as byte offsets into its text, for whatever changes a
// log and must keep every other byte as it was: the header up to its <EOH>, then record after
// record, each its fields and its <EOR>, and what follows the last <EOR>. Read as loggers write
// logs: a header may hold fields, a closing tag such as <EOF> may follow the last <EOR>, and a
// length counted in UTF-8 characters is taken where the count in bytes cannot be meant.
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
    bool countedInCharacters = false;  // its length counts UTF-8 characters, not bytes
};

struct AdifRecord {
    std::size_t begin = 0;         // where its text starts: past the header or the last <EOR>
    std::size_t end = 0;           // its <EOR>'s "<"
    std::size_t eorEnd = 0;        // past its <EOR>
    std::vector<AdifField> fields; // after the last <EOR>: closing tags (<EOF>) among them

};

class CAdifReader {
public:
    explicit CAdifReader(const std::string& log);

    // A header is whatever comes before an <EOH> that comes before the first <EOR>; a log that
    // does not start with "<" must have one. False, with error naming the line and what to
    // change, when it has none, or a tag without data other than <EOH> in it.
    bool ReadHeader(std::string& error);
    std::size_t GetHeaderEnd() const { return m_nHeaderEnd; }

    // The next record. False at the end of the log, with record holding what follows the last
    // <EOR> (its begin, and its fields and closing tags); or, with error naming the line, the
    // field and what to change, where the text is not ADIF.
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
    bool m_bCharacters = false;    // a field's length has counted UTF-8 characters
};
