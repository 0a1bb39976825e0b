#include "sequence/SequenceCodec.h"

#include "sequence/SequenceTableModel.h"

#include <QByteArrayView>
#include <string_view>

namespace SequenceCodec {

namespace {

constexpr std::string_view Separators = "FPZIW@";

class Writer
{
public:
    explicit Writer(QByteArray& out) : m_out(out) {}

    // One character of the checksummed part; separators take four bytes.
    void put(char c, bool separator = false)
    {
        putUnscored(c);
        if (separator)
            m_out.append(2, '\0');
        m_checksum ^= std::uint8_t(c);
    }
    void put(const QString& text)
    {
        for (QChar c : text)
            put(char(c.unicode()));
    }
    void putUnscored(char c)
    {
        m_out.append(char(std::uint8_t(c) ^ FileKey));
        m_out.append('\0');
    }
    std::uint8_t checksum() const { return m_checksum; }

private:
    QByteArray& m_out;
    std::uint8_t m_checksum = ChecksumStart;
};

// Reads the plain body text front to back; every step fails rather than guess.
class Reader
{
public:
    explicit Reader(QByteArrayView text) : m_text(text) {}

    bool atEnd() const { return m_pos == m_text.size(); }

    // The text up to the next separator c, which is consumed.
    bool field(char c, QByteArrayView& out)
    {
        const qsizetype at = m_text.indexOf(c, m_pos);
        if (at < 0)
            return false;
        out = m_text.sliced(m_pos, at - m_pos);
        m_pos = at + 1;
        return true;
    }

private:
    QByteArrayView m_text;
    qsizetype m_pos = 0;
};

bool isFieldChar(char c)
{
    return c >= 0x20 && c <= 0x7e && Separators.find(c) == std::string_view::npos;
}

bool isFieldBytes(QByteArrayView bytes)
{
    for (char c : bytes) {
        if (!isFieldChar(c))
            return false;
    }
    return true;
}

// A row count: decimal digits, at most the rows a table holds.
bool readCount(QByteArrayView text, int& count)
{
    if (text.isEmpty())
        return false;
    count = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        count = count * 10 + (c - '0');
        if (count > SequenceTableModel::MaxRows)
            return false;
    }
    return true;
}

Decoded damaged(const QString& problem)
{
    return {Status::Damaged, {}, problem};
}

QString rowName(int k, int j)
{
    return QStringLiteral("row %1 of sequence %2").arg(j).arg(k);
}

} // namespace

QByteArray headerLine()
{
    return QByteArrayLiteral("Vantor light sequence file, format 1\r\n");
}

bool isFieldText(const QString& text)
{
    for (QChar c : text) {
        if (c.unicode() > 0x7e || !isFieldChar(char(c.unicode())))
            return false;
    }
    return true;
}

namespace {

QString fieldProblem(const SequenceContent& content)
{
    if (!isFieldText(content.vehicleCode))
        return QStringLiteral("the vehicle code holds a character a sequence file cannot store");
    if (!isFieldText(content.parameterString))
        return QStringLiteral("the parameter string holds a character a sequence file cannot store");
    for (int k = 0; k < 2; ++k) {
        const QList<SequenceRow>& rows = content.sequences[std::size_t(k)];
        if (rows.size() > SequenceTableModel::MaxRows)
            return QStringLiteral("sequence %1 has more than %2 rows")
                .arg(k)
                .arg(SequenceTableModel::MaxRows);
        for (qsizetype i = 0; i < rows.size(); ++i) {
            const SequenceRow& row = rows.at(i);
            if (!isFieldText(row.interval))
                return rowName(k, int(i) + 1) +
                       QStringLiteral(": the interval holds a character a sequence file cannot store");
            if (!isFieldText(row.loopMarker))
                return rowName(k, int(i) + 1) +
                       QStringLiteral(": the loop marker holds a character a sequence file cannot store");
            for (std::uint8_t b : row.lamps) {
                if (b > MaxLampByte)
                    return rowName(k, int(i) + 1) +
                           QStringLiteral(": a lamp byte is above %1").arg(MaxLampByte);
            }
        }
    }
    return {};
}

// The file of content whose fields passed fieldProblem(), whatever its size.
QByteArray encodeFields(const SequenceContent& content)
{
    QByteArray out = headerLine();
    out.reserve(out.size() + 64 + 48 * (content.sequences[0].size() + content.sequences[1].size()));
    Writer w(out);
    w.put(content.vehicleCode);
    w.put('F', true);
    w.put(content.parameterString);
    w.put('P', true);
    for (const QList<SequenceRow>& rows : content.sequences) {
        w.put(QString::number(rows.size()));
        w.put('Z', true);
        for (const SequenceRow& row : rows) {
            w.put(row.interval);
            w.put('I');
            if (!row.loopMarker.isEmpty()) {
                w.put(row.loopMarker);
                w.put('W');
            }
            for (std::uint8_t b : row.lamps)
                w.put(char(b));
            w.put('@');
        }
    }
    for (char digit : QByteArray::number(w.checksum()))
        w.putUnscored(digit);
    return out;
}

// The reader refuses larger files unread, so none is written.
QString sizeProblem(qsizetype size)
{
    if (size <= MaxFileSize)
        return {};
    return QStringLiteral("the file would have %1 bytes; a sequence file may have at most %2")
        .arg(size)
        .arg(MaxFileSize);
}

} // namespace

QString encodeProblem(const SequenceContent& content)
{
    const QString problem = fieldProblem(content);
    return problem.isEmpty() ? sizeProblem(encodeFields(content).size()) : problem;
}

QByteArray encode(const SequenceContent& content)
{
    if (!fieldProblem(content).isEmpty())
        return {};
    QByteArray out = encodeFields(content);
    return sizeProblem(out.size()).isEmpty() ? out : QByteArray();
}

Decoded decode(const QByteArray& bytes, bool checkChecksum)
{
    // The header is the first line, whatever it says.
    qsizetype start = bytes.size();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes.at(i) == '\r' || bytes.at(i) == '\n') {
            start = i + ((bytes.at(i) == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n') ? 2 : 1);
            break;
        }
    }
    // The body without padding and line breaks, unscrambled.
    QByteArray body;
    body.reserve(bytes.size() - start);
    for (qsizetype i = start; i < bytes.size(); ++i) {
        const char b = bytes.at(i);
        if (b != '\0' && b != '\r' && b != '\n')
            body.append(char(std::uint8_t(b) ^ FileKey));
    }

    // The checksummed part ends with the last "@" or "Z"; the checksum's digits follow.
    const qsizetype end = qMax(body.lastIndexOf('@'), body.lastIndexOf('Z')) + 1;
    std::uint8_t checksum = ChecksumStart;
    for (qsizetype i = 0; i < end; ++i)
        checksum ^= std::uint8_t(body.at(i));
    int stored = 0;
    for (qsizetype i = end; i < body.size() && body.at(i) >= '0' && body.at(i) <= '9' && stored <= 255; ++i)
        stored = stored * 10 + (body.at(i) - '0');
    if (checkChecksum && stored != checksum)
        return {Status::ChecksumMismatch, {}, QStringLiteral("the checksum does not match")};

    Reader r(QByteArrayView(body).first(end));
    Decoded result{Status::Ok, {}, {}};
    SequenceContent& c = result.content;
    QByteArrayView text;
    if (!r.field('F', text) || !isFieldBytes(text))
        return damaged(QStringLiteral("the vehicle code cannot be read"));
    c.vehicleCode = QString::fromLatin1(text);
    if (!r.field('P', text) || !isFieldBytes(text))
        return damaged(QStringLiteral("the parameter string cannot be read"));
    c.parameterString = QString::fromLatin1(text);

    for (int k = 0; k < 2; ++k) {
        int count = 0;
        if (!r.field('Z', text) || !readCount(text, count))
            return damaged(QStringLiteral("the row count of sequence %1 cannot be read").arg(k));
        QList<SequenceRow>& rows = c.sequences[std::size_t(k)];
        rows.reserve(count);
        for (int j = 1; j <= count; ++j) {
            SequenceRow row;
            QByteArrayView interval;
            QByteArrayView rest;
            if (!r.field('I', interval) || !isFieldBytes(interval) || !r.field('@', rest))
                return damaged(rowName(k, j) + QStringLiteral(" cannot be read"));
            // rest is [marker "W"] and the four lamp bytes.
            if (rest.size() != 4) {
                if (rest.size() < 5 || rest.at(rest.size() - 5) != 'W' ||
                    !isFieldBytes(rest.first(rest.size() - 5)))
                    return damaged(rowName(k, j) + QStringLiteral(" cannot be read"));
                row.loopMarker = QString::fromLatin1(rest.first(rest.size() - 5));
            }
            for (int b = 0; b < 4; ++b) {
                const auto value = std::uint8_t(rest.at(rest.size() - 4 + b));
                if (value > MaxLampByte)
                    return damaged(rowName(k, j) +
                                   QStringLiteral(" has a lamp byte above %1").arg(MaxLampByte));
                row.lamps[std::size_t(b)] = value;
            }
            row.interval = QString::fromLatin1(interval);
            rows.append(row);
        }
    }
    if (!r.atEnd())
        return damaged(QStringLiteral("there is text after the last row"));
    return result;
}

} // namespace SequenceCodec
