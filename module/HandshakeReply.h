#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

// The module's answer to "@#*": "T", two type digits, "V", two version
// digits, e.g. "T51V22" for type 5.1, firmware 2.2. In developer mode a
// module may add four bytes with the compile date of its software and one
// byte with the vehicle it is coded for (11 characters in all).
struct HandshakeReply
{
    QString moduleType;    // "5.1"
    QString moduleVersion; // "2.2"
    // Only from an 11-character reply read in developer mode.
    bool hasCompileInfo = false;
    std::uint32_t compileDateNumber = 0; // DDMMYYYY without leading zero
    QString compileDate;                 // "15.03.2009"
    int codedVehicle = 0;                // 255 (not coded) becomes 0

    static constexpr int ShortLength = 6;
    static constexpr int ExtendedLength = 11;

    // The reply when it is one the program understands: it starts with "T"
    // and has "V" fourth, and is long enough to hold both numbers. The
    // compile information is read only when extended is true and the reply
    // is exactly 11 characters long.
    static std::optional<HandshakeReply> parse(const QByteArray& reply, bool extended);

    // The date number as text: six digits "1.7.2008", seven "1.07.2008",
    // any other length "15.03.2009".
    static QString formatCompileDate(std::uint32_t number);

    // "Quandor Vantor Ver. 2.2 / Typ 5.1", the status line after a handshake;
    // typeWord is the language's word for "Typ" (text 401).
    QString statusText(const QString& typeWord) const;
};
