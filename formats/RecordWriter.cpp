#include "formats/RecordWriter.h"

#include "base/NumberText.h"

#include <cstdio>

void CRecordWriter::AddText(const std::string& name, const std::string& value)
{
    m_fields.push_back(Field{name, value, false});
}

void CRecordWriter::AddNumber(const std::string& name, double value, int decimals)
{
    AddNumberText(name, FormatShown(value, decimals));
}

void CRecordWriter::AddNumberText(const std::string& name, const std::string& number)
{
    m_fields.push_back(Field{name, number, true});
}

std::string CRecordWriter::CsvHeader() const
{
    std::string out;
    for (const Field& f : m_fields)
        out += (out.empty() ? "" : ",") + CsvField(f.name);
    return out + "\n";
}

std::string CRecordWriter::CsvRow() const
{
    std::string out;
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        out += (i ? "," : "") + CsvField(m_fields[i].value);
    return out + "\n";
}

std::string CRecordWriter::Json() const
{
    std::string out = "{";
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        const Field& f = m_fields[i];
        out += (i ? "," : "") + JsonString(f.name) + ":" + (f.number ? f.value : JsonString(f.value));
    }
    return out + "}";
}

std::string CRecordWriter::CsvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string out = "\"";
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + "\"";
}

std::string CRecordWriter::JsonString(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20 || u >= 0x7F) {  // single-byte text: bytes above 127 as Latin-1
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", u);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}
