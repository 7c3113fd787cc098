// libFuzzer target: any bytes as a WSJT-X datagram, into the reader and the DX filter. A
// refusal must give its reason, a message read must hold no text longer than the reader allows,
// and nothing may read outside the datagram (AddressSanitizer watches).
#include "net/WsjtxDxFilter.h"
#include "net/WsjtxReader.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string datagram(reinterpret_cast<const char*>(data), size);
    WsjtxMessage message;
    std::string reason;
    CWsjtxReader::Verdict verdict = CWsjtxReader::Read(datagram, message, reason);
    if (verdict == CWsjtxReader::Verdict::Rejected && reason.empty())
        __builtin_trap();
    for (const std::string* text : {&message.id, &message.mode, &message.dxCall, &message.dxGrid, &message.deCall,
                                    &message.deGrid, &message.version, &message.revision})
        if (text->size() > CWsjtxReader::kMaxText)
            __builtin_trap();
    static CWsjtxDxFilter filter;
    filter.IsNewDx(message);
    return 0;
}
