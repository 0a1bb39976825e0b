#include "module/UploadImage.h"

#include "core/TextNumber.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

std::uint8_t LightFunctions::byte6() const
{
    return std::uint8_t((abbiegelicht ? 1 : 0) | (tagfahrlicht ? 2 : 0) | (standlichtUs ? 4 : 0) |
                        (tagfahrlichtStandlicht ? 8 : 0) | (commingHomeAuf ? 16 : 0) |
                        (commingHomeZu ? 32 : 0) | (spiegelKurz ? 64 : 0) | (spiegelLang ? 128 : 0));
}

std::uint8_t LightFunctions::byte7() const
{
    return std::uint8_t((nebelVertauschen ? 1 : 0) | (softEin ? 2 : 0) | (lciModul ? 4 : 0));
}

namespace {

// Whole number in a marker field; blanks are ignored.
int fieldNumber(const QString& field)
{
    QString digits = field;
    digits.remove(QLatin1Char(' '));
    return int(leadingNumber(digits).value_or(0)); // two characters never overflow
}

struct Loop
{
    int number = 0;
    int repeatCount = 0;
    int rows = 0;
};

// Writes the image address by address and stops at the first problem.
class Builder
{
public:
    Builder(const ImageInput& input, int limit)
        : m_input(input), m_limit(std::min(limit, UploadImage::Capacity))
    {
        m_image.assign(std::size_t(UploadImage::Capacity) + 1, 0);
    }

    UploadImage run();

private:
    bool put(int value);
    bool fail(UploadImage::Status status, const QString& problem = QString());
    bool writeSequence(int k);
    bool insertTail(int at, int steps);
    void setWord(int address, int value)
    {
        m_image[std::size_t(address)] = std::uint8_t(value / 256);
        m_image[std::size_t(address) + 1] = std::uint8_t(value % 256);
    }
    int word(int address) const
    {
        return m_image[std::size_t(address)] * 256 + m_image[std::size_t(address) + 1];
    }

    const ImageInput& m_input;
    int m_limit;
    std::vector<std::uint8_t> m_image; // index = address; 0 unused
    int m_pos = UploadImage::FirstRecordAddress - 1;
    UploadImage m_result;
};

bool Builder::fail(UploadImage::Status status, const QString& problem)
{
    m_result.status = status;
    m_result.problem = problem;
    return false;
}

bool Builder::put(int value)
{
    ++m_pos;
    if (m_pos > m_limit)
        return fail(UploadImage::Status::TooLarge);
    if (value < 0 || value > 255)
        return fail(UploadImage::Status::Invalid,
                    QStringLiteral("value %1 at address %2").arg(value).arg(m_pos));
    m_image[std::size_t(m_pos)] = std::uint8_t(value);
    return true;
}

bool Builder::writeSequence(int k)
{
    const QList<SequenceRow>& rows = m_input.sequences.at(std::size_t(k));
    const QString where = QStringLiteral("sequence %1, row %2: ").arg(k);

    // First pass: the loops in order of appearance. Rows without a marker
    // do not end the loop that runs through them.
    std::vector<Loop> loops;
    std::optional<int> last;
    for (int j = 0; j < rows.size(); ++j) {
        int number = 0;
        int count = 0;
        if (!readLoopMarker(rows.at(j).loopMarker, number, count))
            continue;
        if (number != last) {
            if (int(loops.size()) == UploadImage::MaxLoops)
                return fail(UploadImage::Status::Invalid,
                            where.arg(j + 1) +
                                QStringLiteral("more than %1 loops").arg(UploadImage::MaxLoops));
            loops.push_back({number, count, 0});
            last = number;
        }
        ++loops.back().rows;
    }

    // Second pass: one record per row.
    std::size_t nextLoop = 0;
    last.reset();
    double previousTenths = 0;
    for (int j = 0; j < rows.size(); ++j) {
        const SequenceRow& row = rows.at(j);
        const double tenths = intervalTenths(row.interval);
        std::array<std::uint8_t, 4> lamps = row.lamps;
        // The lamp seen on both rear views is sent once, with view 3.
        if (lamps[2] == 16 && lamps[3] == 16)
            lamps[3] = 0;

        int header = 128;
        if (tenths != previousTenths)
            header |= 64;
        previousTenths = tenths;
        const bool dark = lamps == std::array<std::uint8_t, 4>{};

        const Loop* startsLoop = nullptr;
        if (!dark) {
            for (int b = 1; b <= 4; ++b) {
                if (lamps[std::size_t(b - 1)] != 0)
                    header |= 1 << b;
            }
            int number = 0;
            int count = 0;
            if (readLoopMarker(row.loopMarker, number, count) && number != last) {
                last = number;
                while (nextLoop < loops.size() && loops[nextLoop].number != number)
                    ++nextLoop;
                if (nextLoop < loops.size()) {
                    startsLoop = &loops[nextLoop++];
                    header |= 32;
                }
            }
        }

        if (!put(header))
            return false;
        if (header & 64) {
            if (tenths < 0 || tenths > 255)
                return fail(UploadImage::Status::Invalid,
                            where.arg(j + 1) + QStringLiteral("interval %1 does not fit").arg(row.interval));
            if (!put(int(tenths)))
                return false;
        }
        if (dark)
            continue;
        for (std::uint8_t lamp : lamps) {
            if (lamp != 0 && !put(lamp))
                return false;
        }
        if (startsLoop) {
            if (!put(startsLoop->repeatCount - 1) || !put(startsLoop->rows - 1)) {
                if (m_result.status == UploadImage::Status::Invalid)
                    m_result.problem =
                        where.arg(j + 1) + QStringLiteral("loop marker %1 does not fit").arg(row.loopMarker);
                return false;
            }
        }
    }
    return true;
}

// Inserts a tail of the given number of 10-second steps before address at.
bool Builder::insertTail(int at, int steps)
{
    const int size = steps + 1; // header 192 with interval 100, then headers 128
    const int end = std::max(m_pos, at - 1);
    if (end + size > m_limit)
        return fail(UploadImage::Status::TooLarge);
    for (int a = end; a >= at; --a)
        m_image[std::size_t(a + size)] = m_image[std::size_t(a)];
    m_image[std::size_t(at)] = 192;
    m_image[std::size_t(at) + 1] = 100;
    for (int i = 2; i < size; ++i)
        m_image[std::size_t(at + i)] = 128;
    m_pos = end + size;
    return true;
}

UploadImage Builder::run()
{
    const bool rows0 = !m_input.sequences[0].isEmpty();
    const bool rows1 = !m_input.sequences[1].isEmpty();

    if (!writeSequence(0))
        return m_result;
    if (rows0) {
        setWord(1, m_pos);
        setWord(3, m_pos + 1);
    } else {
        setWord(1, UploadImage::FirstRecordAddress);
        setWord(3, UploadImage::FirstRecordAddress + 1);
    }
    if (!writeSequence(1))
        return m_result;
    if (rows1)
        setWord(3, m_pos);

    const int firstRecord = UploadImage::FirstRecordAddress;
    if (m_pos == firstRecord) {
        m_result.status = UploadImage::Status::HeaderOnly;
        m_result.length = firstRecord;
        return m_result;
    }

    // Coming-home tails: steps of 10 seconds after the last row of a
    // sequence, so the lamps stay as the sequence left them a while longer.
    const LightFunctions& f = m_input.functions;
    bool sequence0HasRecords = rows0;
    if (f.commingHomeAuf && m_input.greetingIndex >= 1) {
        const int at = sequence0HasRecords ? word(1) + 1 : firstRecord;
        if (!insertTail(at, m_input.greetingIndex))
            return m_result;
        const int size = m_input.greetingIndex + 1;
        setWord(1, at + size - 1);
        setWord(3, rows1 ? word(3) + size : word(1) + 1);
        sequence0HasRecords = true;
    }
    if (f.commingHomeZu && m_input.farewellIndex >= 1) {
        const int at = rows1 ? word(3) + 1 : (sequence0HasRecords ? word(1) + 1 : firstRecord);
        if (!insertTail(at, m_input.farewellIndex))
            return m_result;
        setWord(3, at + m_input.farewellIndex);
    }

    m_image[5] = std::uint8_t(m_input.codedVehicleNumber);
    m_image[6] = f.byte6();
    m_image[7] = f.byte7();

    m_result.length = m_pos > UploadImage::FirstRecordAddress - 1 ? m_pos : 0;
    m_result.bytes = QByteArray(reinterpret_cast<const char*>(m_image.data()) + 1, m_result.length);
    return m_result;
}

} // namespace

UploadImage UploadImage::build(const ImageInput& input, int limit)
{
    return Builder(input, limit).run();
}

int memoryShare(int length, int limit)
{
    if (limit <= 0)
        return 0;
    const double share = double(length) * 100.0 / double(limit);
    const double oneDecimal = std::nearbyint(share * 10.0) / 10.0;
    const double whole = std::nearbyint(oneDecimal);
    return int(std::clamp(whole, 0.0, 255.0));
}

double intervalTenths(const QString& text)
{
    QString t = text;
    const qsizetype comma = t.indexOf(QLatin1Char(','));
    if (comma >= 0)
        t[comma] = QLatin1Char('.');
    const std::optional<double> seconds = leadingNumber(t);
    if (!seconds)
        return std::numeric_limits<double>::infinity(); // fits no interval byte
    const double tenths = std::nearbyint(*seconds * 10.0);
    return tenths == 0 ? 0.0 : tenths; // no negative zero
}

bool readLoopMarker(const QString& marker, int& number, int& repeatCount)
{
    if (!marker.startsWith(QLatin1String("S ")))
        return false;
    number = fieldNumber(marker.mid(2, 2));
    repeatCount = fieldNumber(marker.mid(7, 2));
    return true;
}
