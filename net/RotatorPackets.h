// The UDP packets of the two rotator programs that take a heading by datagram, in the forms
// their documentation gives: PstRotator's <PST><AZIMUTH>deg</AZIMUTH></PST> (port 12000) and
// N1MM Logger's rotor packet <N1MMRotor><goazi>deg</goazi>...</N1MMRotor> (port 12040), and
// each one's stop (<PST><STOP>1</STOP></PST>, <N1MMRotor><stop>...</stop></N1MMRotor>). Neither
// answers, so neither reports a heading; send them with CUdpSender.
#pragma once

#include <string>

class CRotatorPackets {
public:
    static constexpr int kPstRotatorPort = 12000;
    static constexpr int kN1mmRotorPort = 12040;

    // The bearing as a whole compass degree, 0..359 (PstRotator takes whole degrees); empty
    // for a bearing that is not a finite number.
    static std::string PstRotatorAzimuth(double bearing);
    // The bearing to a tenth of a degree, 0.0..359.9, no offset, not bidirectional; empty for
    // a bearing that is not a finite number.
    static std::string N1mmRotorAzimuth(double bearing);

    // Stop turning.
    static std::string PstRotatorStop();
    static std::string N1mmRotorStop();
};
