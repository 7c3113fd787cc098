#include "formats/NmeaStream.h"

#include "engine/LocatorSquare.h"

namespace {

const std::size_t kLongestLine = 4096;  // NMEA allows 82 bytes; anything longer is junk

} // namespace

CNmeaStream::CNmeaStream(std::FILE* file, int chars, bool changesOnly, bool takeEstimated, bool reportNoise)
    : m_reader(file, kLongestLine), m_nChars(chars), m_bChangesOnly(changesOnly), m_bTakeEstimated(takeEstimated),
      m_bReportNoise(reportNoise)
{
}

CNmeaStream::Event CNmeaStream::Next()
{
    while (true) {
        if (m_nNextSentence == std::string::npos) {
            if (!m_reader.Next(m_strLine))
                return Event::End;
            m_nNextSentence = m_strLine.find('$');
            if (m_nNextSentence == std::string::npos) {
                m_counts.junk += m_strLine.empty() ? 0 : 1;
                continue;
            }
        }
        const std::string::size_type at = m_nNextSentence;
        m_nNextSentence = m_strLine.find('$', at + 1);
        const std::string sentence = m_strLine.substr(
            at, m_nNextSentence == std::string::npos ? std::string::npos : m_nNextSentence - at);
        NmeaFix fix;
        std::string why;
        switch (CNmeaReader::ReadSentence(sentence, fix, why)) {
        case NmeaOutcome::Fix:
            break;
        case NmeaOutcome::Estimated:
            ++m_counts.estimated;
            if (m_bTakeEstimated)
                break;
            continue;
        case NmeaOutcome::NotReal:
            ++m_counts.notReal;
            continue;
        case NmeaOutcome::NoFix:
            ++m_counts.noFix;
            continue;
        case NmeaOutcome::Other:
            ++m_counts.other;
            continue;
        case NmeaOutcome::Noise:
            ++m_counts.noise;
            if (!m_bReportNoise)
                continue;
            m_strWhy = why;
            return Event::Fault;
        case NmeaOutcome::BadChecksum:
            ++m_counts.badChecksum;
            m_strWhy = why;
            return Event::Fault;
        case NmeaOutcome::Malformed:
            ++m_counts.malformed;
            m_strWhy = why;
            return Event::Fault;
        }
        ++m_counts.fixes;
        // The locator from the sentence's own digits: a position on a grid line lies north-east of it.
        const std::string locator = CLocatorSquare::Encode(fix.latitude, fix.longitude, m_nChars);
        if (m_bChangesOnly && locator == m_strLocator)
            continue;
        m_strLocator = locator;
        m_fix = fix;
        ++m_counts.handedOn;
        return Event::Fix;
    }
}
