// One result as named fields, written as a CSV header and row or as one JSON object.
// Names carry their unit (short_km), so both formats say what each number is.
#pragma once

#include <string>
#include <vector>

class CRecordWriter {
public:
    void AddText(const std::string& name, const std::string& value);
    void AddNumber(const std::string& name, double value, int decimals);  // as FormatShown writes it
    void AddNumberText(const std::string& name, const std::string& number);  // already formatted

    const std::string& Value(std::size_t index) const { return m_fields[index].value; }

    std::string CsvHeader() const;
    std::string CsvRow() const;
    std::string Json() const;  // one object, no line end

    // RFC 4180: quoted when it holds a comma, a quote or a line end; quotes doubled.
    static std::string CsvField(const std::string& text);
    // A JSON string literal in ASCII: quotes, backslashes, control bytes and bytes above 126
    // (read as Latin-1) escaped.
    static std::string JsonString(const std::string& text);

private:
    struct Field {
        std::string name;
        std::string value;
        bool number;
    };
    std::vector<Field> m_fields;
};
