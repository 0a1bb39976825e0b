#pragma once

#include "sequence/SequenceRow.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <cstdint>

// The light functions the module performs by itself, one flag per check box
// of the options dialog. They travel in bytes 6 and 7 of the image.
struct LightFunctions
{
    bool abbiegelicht = false;           // chk_Abbiegelicht
    bool tagfahrlicht = false;           // chkTagfahrlicht
    bool standlichtUs = false;           // chkStandlicht_US
    bool tagfahrlichtStandlicht = false; // chkTagfahrlicht_Standlicht
    bool commingHomeAuf = false;         // chkCommingHome_Auf (greeting light)
    bool commingHomeZu = false;          // chkCommingHome_Zu (farewell light)
    bool spiegelKurz = false;            // chkSpiegel_Kurz
    bool spiegelLang = false;            // chkSpiegel_Lang
    bool nebelVertauschen = false;       // chkVebel_vorne_vertauschen
    bool softEin = false;                // chkSoft_Ein
    bool lciModul = false;               // E6x_LCI_Modul

    std::uint8_t byte6() const;
    std::uint8_t byte7() const;
};

// Everything the image is built from.
struct ImageInput
{
    // sequences[0] is played on unlocking, sequences[1] on locking.
    std::array<QList<SequenceRow>, 2> sequences;
    int codedVehicleNumber = 0;
    LightFunctions functions;
    // List indexes of the greeting and farewell durations (0 to 13).
    int greetingIndex = 2;
    int farewellIndex = 2;
};

// The byte image of the module's sequence memory.
//
// Addresses 1 and 2 hold the last address of the unlock sequence, 3 and 4
// that of the lock sequence (high byte first), 5 the vehicle number, 6 and 7
// the light functions, 8 and 9 zero; the row records start at 10. A record is
// a header byte (bit 7 always; bit b when lamp byte b is lit; bit 5 when a
// loop starts; bit 6 when the interval changes), then the interval in tenths
// of a second, the lit lamp bytes, and the loop's repeat count minus 1 and
// row count minus 1.
struct UploadImage
{
    enum class Status
    {
        Ok,
        TooLarge,   // a byte would lie beyond the memory limit
        HeaderOnly, // the whole document encodes to one header byte: nothing worth sending
        Invalid,    // a value does not fit the module's bytes (see problem)
    };

    // The largest address the module's memory has.
    static constexpr int Capacity = 1015;
    static constexpr int FirstRecordAddress = 10;
    static constexpr int MaxLoops = 20;

    Status status = Status::Ok;
    // Addresses 1 to length; bytes.at(a - 1) is the byte at address a.
    QByteArray bytes;
    // The last written address; 0 when nothing was written.
    int length = 0;
    // What did not fit, for Status::Invalid (for tools and tests; the window
    // shows its own message).
    QString problem;

    std::uint8_t at(int address) const { return std::uint8_t(bytes.at(address - 1)); }

    static UploadImage build(const ImageInput& input, int limit);
};

// The share of the memory limit an image of the given length uses, in whole
// percent: length x 100 / limit rounded to one decimal, then to a whole
// number, halves to even both times; 0 when the limit is not positive.
int memoryShare(int length, int limit);

// The interval text of a row in tenths of a second: the first comma counts as
// a decimal point, the leading number is read (nothing readable is 0), and
// tenths are rounded half to even. May lie outside 0 to 255; a number too
// large to read is infinity.
double intervalTenths(const QString& text);

// The loop number and repeat count a marker such as "S  1 / 3 x" names;
// false when the text is no loop marker.
bool readLoopMarker(const QString& marker, int& number, int& repeatCount);
