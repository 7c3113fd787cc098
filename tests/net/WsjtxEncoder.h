// Test encoder: writes WSJT-X's datagrams exactly as NetworkMessage.hpp lays them out (QDataStream,
// big-endian), so that the reader can be proved against udp_daemon's own decoding.
#pragma once

#include <cstdint>
#include <string>

struct WsjtxStatusFields {
    std::string id = "WSJT-X";
    std::uint64_t frequency = 14074000;
    std::string mode = "FT8";
    std::string dxCall;
    std::string report = "-10";
    std::string txMode = "FT8";
    bool txEnabled = false;
    bool transmitting = false;
    bool decoding = false;
    std::uint32_t rxDf = 1500;
    std::uint32_t txDf = 1200;
    std::string deCall = "G4XYZ";
    std::string deGrid = "IO91";
    std::string dxGrid;
    bool txWatchdog = false;
    std::string subMode;
    bool fastMode = false;
    std::uint8_t specialOperation = 0;
    std::uint32_t frequencyTolerance = 0xffffffffu;
    std::uint32_t trPeriod = 15;
    std::string configurationName = "Default";
    std::string txMessage;
};

struct WsjtxQsoFields {
    std::string id = "WSJT-X";
    std::int64_t julianDayOff = 2460000; // 2023-02-24
    std::uint32_t msOff = 3600000;
    std::uint8_t timeSpec = 1;           // UTC
    std::int32_t offsetSeconds = 0;      // written only for time kind 2 (an offset from UTC)
    std::string dxCall = "K1ABC";
    std::string dxGrid = "FN42";
    std::uint64_t frequency = 14074000;
    std::string mode = "FT8";
    std::string reportSent = "-10";
    std::string reportReceived = "-12";
    std::string txPower = "100";
    std::string comments = "tnx";
    std::string name = "Bob";
    std::int64_t julianDayOn = 2460000;
    std::uint32_t msOn = 3500000;
    std::string operatorCall;
    std::string myCall = "G4XYZ";
    std::string myGrid = "IO91";
    std::string exchangeSent;
    std::string exchangeReceived;
    std::string propagationMode;
};

class CWsjtxEncoder {
public:
    static std::string Heartbeat(const std::string& id, std::uint32_t maxSchema, const std::string& version,
                                 const std::string& revision, std::uint32_t schema = 3);
    static std::string Status(const WsjtxStatusFields& fields, std::uint32_t schema = 3);
    static std::string QsoLogged(const WsjtxQsoFields& fields, std::uint32_t schema = 3);
    static std::string Clear(const std::string& id, std::uint32_t schema = 3);
    // Magic, schema, type and id: the start of every message.
    static std::string Header(std::uint32_t type, const std::string& id, std::uint32_t schema = 3);

    static void PutUnsigned(std::string& out, std::uint64_t value, int bytes);
    static void PutText(std::string& out, const std::string& text);
};
