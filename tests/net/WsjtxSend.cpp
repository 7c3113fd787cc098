// Sends the test encoder's Heartbeat, two Status, QSO Logged and Clear messages (and one of an
// unknown schema) to 127.0.0.1:PORT, and prints, as "expect: PATTERN" lines (* for any text),
// what WSJT-X's udp_daemon must print on decoding them: udp_daemon_test.sh compares.
//   wsjtx_send PORT feed  sends instead what a listener must sort: two new DX (K1ABC in FN42,
//   then JA1XYZ in PM95, both worked from IO91WM) among repeats, a Status without a DX grid,
//   one of an unknown schema and a cut one.
#include "tests/net/WsjtxEncoder.h"

#include "net/UdpSender.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
// A Julian day number as Qt prints its date, yyyy-MM-dd (Fliegel and Van Flandern).
std::string CivilDate(long long julianDay)
{
    long long l = julianDay + 68569;
    const long long n = 4 * l / 146097;
    l -= (146097 * n + 3) / 4;
    const long long i = 4000 * (l + 1) / 1461001;
    l = l - 1461 * i / 4 + 31;
    const long long j = 80 * l / 2447;
    const long long day = l - 2447 * j / 80;
    l = j / 11;
    const long long month = j + 2 - 12 * l;
    const long long year = 100 * (n - 49) + i + l;
    char text[80];
    std::snprintf(text, sizeof text, "%04lld-%02lld-%02lld", year, month, day);
    return text;
}

// As QDateTime's debug form: 2023-02-24 01:00:00.000 UTC Qt::UTC.
std::string DateTime(long long julianDay, unsigned ms)
{
    char text[64];
    std::snprintf(text, sizeof text, " %02u:%02u:%02u.%03u UTC Qt::UTC", ms / 3600000, ms / 60000 % 60, ms / 1000 % 60,
                  ms % 1000);
    return "QDateTime(" + CivilDate(julianDay) + text + ")";
}
}

int SendAll(CUdpSender& sender, const std::vector<std::string>& datagrams)
{
    for (const std::string& datagram : datagrams) {
        CNetError error = sender.Send(datagram);
        if (error.Failed()) {
            std::fprintf(stderr, "wsjtx_send: %s\n", error.Message().c_str());
            return 1;
        }
    }
    return 0;
}

int SendFeed(CUdpSender& sender)
{
    WsjtxStatusFields first;
    first.dxCall = "K1ABC";
    first.dxGrid = "FN42";
    first.deGrid = "IO91wm";
    WsjtxStatusFields gridless = first;
    gridless.dxCall = "W1XX";
    gridless.dxGrid.clear();
    WsjtxStatusFields second = first;
    second.dxCall = "JA1XYZ";
    second.dxGrid = "PM95";
    const std::string cut = CWsjtxEncoder::Status(second).substr(0, 40);
    return SendAll(sender, {CWsjtxEncoder::Heartbeat(first.id, 3, "2.6.1", "r1"), CWsjtxEncoder::Status(first),
                            CWsjtxEncoder::Status(first), CWsjtxEncoder::Status(gridless),
                            CWsjtxEncoder::Status(second, 7), cut, CWsjtxEncoder::Status(first),
                            CWsjtxEncoder::Status(second), CWsjtxEncoder::Status(second)});
}

int main(int argc, char** argv)
{
    const bool feed = argc == 3 && std::string(argv[2]) == "feed";
    if (argc != 2 && !feed) {
        std::fprintf(stderr, "usage: wsjtx_send PORT [feed]\n");
        return 2;
    }
    CUdpSender sender;
    CNetError error = sender.Open("127.0.0.1", std::atoi(argv[1]));
    if (error.Failed()) {
        std::fprintf(stderr, "wsjtx_send: %s\n", error.Message().c_str());
        return 1;
    }
    if (feed)
        return SendFeed(sender);
    const std::string id = "WSJT-X-test";

    const std::string version = "2.6.1", revision = "r1a2b3";
    std::printf("expect: Discovered WSJT-X instance: %s(*) v%s (%s)\n", id.c_str(), version.c_str(), revision.c_str());

    WsjtxStatusFields status;
    status.id = id;
    status.dxCall = "K1ABC";
    status.dxGrid = "FN42";
    std::string statuses[2];
    const std::pair<std::uint64_t, const char*> tunings[2] = {{14074000, "FT8"}, {50318000, "FT4"}};
    for (int i = 0; i < 2; ++i) {
        status.frequency = tunings[i].first;
        status.mode = tunings[i].second;
        status.txMode = tunings[i].second;
        statuses[i] = CWsjtxEncoder::Status(status);
        std::printf("expect: %s(*): Dial frequency changed to %llu\n", id.c_str(),
                    static_cast<unsigned long long>(status.frequency));
        std::printf("expect: %s(*): Mode changed to %s\n", id.c_str(), status.mode.c_str());
    }

    WsjtxQsoFields qso;
    qso.id = id;
    qso.julianDayOff = 2460405;
    qso.msOff = 45296789;
    qso.julianDayOn = 2460405;
    qso.msOn = 45000000;
    qso.dxCall = "JA1XYZ";
    qso.dxGrid = "PM95";
    qso.frequency = 7074500;
    qso.mode = "FT4";
    qso.reportSent = "-07";
    qso.reportReceived = "+03";
    qso.txPower = "50W";
    qso.comments = "first QSO";
    qso.name = "Taro";
    qso.operatorCall = "M0OPR";
    qso.myCall = "G4XYZ";
    qso.myGrid = "IO91wm";
    qso.exchangeSent = "599 001";
    qso.exchangeReceived = "599 123";
    qso.propagationMode = "EME";
    std::printf("expect: time_on: %s time_off: %s dx_call: \"%s\" grid: \"%s\" freq: %llu mode: \"%s\" rpt_sent: \"%s\" "
                "rpt_rcvd: \"%s\" Tx_pwr: \"%s\" comments: \"%s\" name: \"%s\" operator_call: \"%s\" my_call: \"%s\" "
                "my_grid: \"%s\" exchange_sent: \"%s\" exchange_rcvd: \"%s\" prop_mode: \"%s\"\n",
                DateTime(qso.julianDayOn, qso.msOn).c_str(), DateTime(qso.julianDayOff, qso.msOff).c_str(),
                qso.dxCall.c_str(), qso.dxGrid.c_str(), static_cast<unsigned long long>(qso.frequency), qso.mode.c_str(),
                qso.reportSent.c_str(), qso.reportReceived.c_str(), qso.txPower.c_str(), qso.comments.c_str(),
                qso.name.c_str(), qso.operatorCall.c_str(), qso.myCall.c_str(), qso.myGrid.c_str(),
                qso.exchangeSent.c_str(), qso.exchangeReceived.c_str(), qso.propagationMode.c_str());
    // An unknown schema must be refused by udp_daemon too, which shows that it reads what is sent.
    std::printf("expect: Unrecognized message schema\n");

    return SendAll(sender, {CWsjtxEncoder::Heartbeat(id, 3, version, revision), statuses[0], statuses[1],
                            CWsjtxEncoder::QsoLogged(qso), CWsjtxEncoder::Clear(id), CWsjtxEncoder::Status(status, 7)});
}
