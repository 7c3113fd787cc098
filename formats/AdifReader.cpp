#include "formats/AdifReader.h"

#include "base/Characters.h"
#include "base/Quoted.h"

#include <algorithm>

namespace {

bool IsNameCharacter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

bool IsContinuationByte(unsigned char c) { return c >= 0x80 && c <= 0xBF; }

// Where count UTF-8 characters from at end; npos where the text runs out first or is not UTF-8.
std::size_t CharactersEnd(const std::string& text, std::size_t at, std::size_t count)
{
    for (; count > 0; --count) {
        if (at >= text.size())
            return std::string::npos;
        const unsigned char lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                                 : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
        if (length == 0 || length > text.size() - at)
            return std::string::npos;
        for (std::size_t i = 1; i < length; ++i)
            if (!IsContinuationByte(static_cast<unsigned char>(text[at + i])))
                return std::string::npos;
        at += length;
    }
    return at;
}

// Blanks, then the end or a whole tag (<NAME>, <NAME:4>, <NAME:4:S>): where a field's data may end.
bool ReachesTag(const std::string& text, std::size_t at)
{
    while (at < text.size() && IsBlank(text[at]))
        ++at;
    if (at == text.size())
        return true;
    if (text[at] != '<')
        return false;
    const auto run = [&](std::size_t i, bool (*part)(char)) {
        while (i < text.size() && part(text[i]))
            ++i;
        return i;
    };
    const auto after = [&](std::size_t i, char c) { return i < text.size() && text[i] == c; };
    std::size_t i = run(at + 1, IsNameCharacter);
    if (i == at + 1)
        return false;
    if (after(i, ':')) {
        const std::size_t digits = run(i + 1, IsDigit);
        if (digits == i + 1)
            return false;
        i = digits;
        if (after(i, ':')) {
            i = run(i + 1, IsNameCharacter);
        }
    }
    return after(i, '>');
}

} // namespace

CAdifReader::CAdifReader(const std::string& log) : m_strLog(log) {}

long CAdifReader::LineAt(std::size_t offset)
{
    // Offsets only grow while a log is read, so the newlines are counted once.
    if (offset < m_nCountedTo) {
        m_nCountedTo = 0;
        m_nLine = 1;
    }
    m_nLine += static_cast<long>(std::count(m_strLog.begin() + static_cast<std::ptrdiff_t>(m_nCountedTo),
                                            m_strLog.begin() + static_cast<std::ptrdiff_t>(offset), '\n'));
    m_nCountedTo = offset;
    return m_nLine;
}

bool CAdifReader::ReadField(std::size_t at, AdifField& f, std::string& error)
{
    const std::string& in = m_strLog;
    // Line numbers only for a message: counting them costs time on every field.
    auto where = [&] { return "line " + std::to_string(LineAt(at)) + ": "; };
    f = AdifField();
    f.begin = at;
    std::size_t i = at + 1;
    while (i < in.size() && IsNameCharacter(in[i]))
        f.name += ToUpper(in[i++]);
    if (f.name.empty() || i >= in.size() || (in[i] != ':' && in[i] != '>')) {
        error = where() + "a \"<\" that starts no field: " + Quoted(in.substr(at, 24))
              + "; complete the tag, as <NAME:LENGTH>, or remove the \"<\"";
        return false;
    }
    if (in[i] == '>') {
        f.end = f.dataBegin = i + 1;
        return true;
    }
    std::size_t digits = 0;
    std::size_t length = 0;
    for (++i; i < in.size() && in[i] >= '0' && in[i] <= '9'; ++i, ++digits)
        length = length * 10 + static_cast<std::size_t>(in[i] - '0');
    if (digits == 0 || digits > 9) {
        error = where() + "field " + f.name + ": its length is not a number of 1 to 9 digits; write the number of "
              + "bytes of its data right after the \":\", without blanks, as <" + f.name + ":4>";
        return false;
    }
    // A data type indicator: <GRIDSQUARE:6:S>.
    if (i < in.size() && in[i] == ':') {
        std::size_t letters = 0;
        for (++i; i < in.size() && IsNameCharacter(in[i]); ++i)
            ++letters;
        if (letters == 0) {
            error = where() + "field " + f.name + ": no data type after the second \":\"; write one, as <"
                  + f.name + ":4:S>, or remove that \":\"";
            return false;
        }
    }
    if (i >= in.size() || in[i] != '>') {
        error = where() + "field " + f.name + ": no \">\" after its length; close the tag with \">\"";
        return false;
    }
    f.hasLength = true;
    f.dataBegin = i + 1;
    if (length > in.size() - f.dataBegin) {
        error = where() + "field " + f.name + ": its length " + std::to_string(length)
              + " runs past the end of the log; make it the number of bytes of its data";
        return false;
    }
    f.end = f.dataBegin + length;
    // Some loggers count UTF-8 characters: a count in bytes that ends inside a character, or
    // that leaves text before the next tag where the count in characters does not, is one.
    // Once a log has shown that it counts so, characters win where both readings fit, unless
    // they would take the line end after the data into it.
    const bool inside = f.end < in.size() && IsContinuationByte(static_cast<unsigned char>(in[f.end]));
    const bool bytesFit = ReachesTag(in, f.end);
    if (inside || m_bCharacters || !bytesFit) {
        const std::size_t characters = CharactersEnd(in, f.dataBegin, length);
        if (characters != std::string::npos && characters != f.end
            && (inside || (ReachesTag(in, characters) && (!bytesFit || !IsBlank(in[characters - 1]))))) {
            f.end = characters;
            f.countedInCharacters = true;
            m_bCharacters = true;
        }
    }
    return true;
}

bool CAdifReader::ReadHeader(std::string& error)
{
    // Text before the first "<" can only be a header; a log that starts with a field has one
    // when an <EOH> comes before the first <EOR>.
    const bool text = !m_strLog.empty() && m_strLog[0] != '<';
    m_nAt = 0;
    m_nHeaderEnd = 0;
    AdifField f;
    while (true) {
        const std::size_t lt = m_strLog.find('<', m_nAt);
        if (lt == std::string::npos) {
            if (!text)
                break;
            error = "line " + std::to_string(LineAt(m_strLog.size()))
                  + ": the header has no <EOH>; end it with <EOH>, or start the log with its first field";
            return false;
        }
        if (!ReadField(lt, f, error)) {
            if (text)
                return false;
            error.clear();  // the records' reading says what is wrong there
            break;
        }
        m_nAt = f.end;
        if (!f.hasLength && f.name == "EOH") {
            m_nHeaderEnd = m_nAt;
            break;
        }
        if (!f.hasLength && text) {
            error = "line " + std::to_string(LineAt(lt)) + ": <" + f.name
                  + "> in the header; remove it: only fields and <EOH> belong there";
            return false;
        }
        if (!f.hasLength)
            break;
    }
    m_nAt = m_nHeaderEnd;
    return true;
}

bool CAdifReader::NextRecord(AdifRecord& record, std::string& error)
{
    record.begin = m_nAt;
    record.fields.clear();
    AdifField f;
    while (true) {
        const std::size_t lt = m_strLog.find('<', m_nAt);
        if (lt == std::string::npos)
            return false;
        if (!ReadField(lt, f, error))
            return false;
        m_nAt = f.end;
        // A tag such as <EOF> is kept among the fields: it is fine after the last <EOR>.
        if (f.hasLength || (f.name != "EOR" && f.name != "EOH")) {
            record.fields.push_back(f);
            continue;
        }
        // An <EOH> after the header, or a closing tag with a record after it.
        std::string bad = f.name == "EOH" ? f.name : std::string();
        std::size_t at = lt;
        for (const AdifField& g : record.fields) {
            if (bad.empty() && !g.hasLength) {
                bad = g.name;
                at = g.begin;
            }
        }
        if (!bad.empty()) {
            error = "line " + std::to_string(LineAt(at)) + ": <" + bad + "> where a field or <EOR> belongs; remove it "
                  + "(only a closing tag such as <EOF> may follow the last <EOR>)";
            return false;
        }
        record.end = lt;
        record.eorEnd = f.end;
        return true;
    }
}
