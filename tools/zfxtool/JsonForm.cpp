#include "tools/zfxtool/JsonForm.h"

#include "sequence/SequenceCodec.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <cmath>

namespace JsonForm {

namespace {

QByteArray quoted(const QString& text)
{
    QByteArray out = "\"";
    for (QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c < 0x20 || c > 0x7e) {
            out += "\\u" + QByteArray::number(c, 16).rightJustified(4, '0');
        } else {
            out += char(c);
        }
    }
    return out + '"';
}

// The object has exactly these keys.
bool hasKeys(const QJsonObject& object, const QSet<QString>& keys, const QString& where, QString& problem)
{
    for (const QString& key : keys) {
        if (!object.contains(key)) {
            problem = where + QStringLiteral(" has no \"%1\"").arg(key);
            return false;
        }
    }
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!keys.contains(it.key())) {
            problem = where + QStringLiteral(" has an unknown key \"%1\"").arg(it.key());
            return false;
        }
    }
    return true;
}

bool readRow(const QJsonValue& value, const QString& where, SequenceRow& row, QString& problem)
{
    if (!value.isObject()) {
        problem = where + QStringLiteral(" is not an object");
        return false;
    }
    const QJsonObject o = value.toObject();
    static const QSet<QString> keys{QStringLiteral("interval"), QStringLiteral("loop"),
                                    QStringLiteral("lamps")};
    if (!hasKeys(o, keys, where, problem))
        return false;
    if (!o.value(QLatin1String("interval")).isString() || !o.value(QLatin1String("loop")).isString()) {
        problem = where + QStringLiteral(": \"interval\" and \"loop\" must be strings");
        return false;
    }
    row.interval = o.value(QLatin1String("interval")).toString();
    row.loopMarker = o.value(QLatin1String("loop")).toString();
    const QJsonValue lamps = o.value(QLatin1String("lamps"));
    if (!lamps.isArray() || lamps.toArray().size() != 4) {
        problem = where + QStringLiteral(": \"lamps\" must be an array of four numbers");
        return false;
    }
    for (int b = 0; b < 4; ++b) {
        const QJsonValue v = lamps.toArray().at(b);
        const double d = v.toDouble(-1);
        if (!v.isDouble() || d < 0 || d > SequenceCodec::MaxLampByte || d != std::floor(d)) {
            problem = where + QStringLiteral(": lamp byte %1 must be a whole number from 0 to %2")
                                  .arg(b + 1)
                                  .arg(SequenceCodec::MaxLampByte);
            return false;
        }
        row.lamps[std::size_t(b)] = std::uint8_t(d);
    }
    return true;
}

} // namespace

QByteArray write(const SequenceContent& content)
{
    QByteArray out = "{\n";
    out += "  \"vehicle\": " + quoted(content.vehicleCode) + ",\n";
    out += "  \"parameters\": " + quoted(content.parameterString) + ",\n";
    out += "  \"sequences\": [";
    for (int k = 0; k < 2; ++k) {
        const QList<SequenceRow>& rows = content.sequences[std::size_t(k)];
        out += k == 0 ? "\n    [" : ",\n    [";
        for (qsizetype j = 0; j < rows.size(); ++j) {
            const SequenceRow& row = rows.at(j);
            out += j == 0 ? "\n" : ",\n";
            out += "      {\"interval\": " + quoted(row.interval) + ", \"loop\": " + quoted(row.loopMarker) +
                   ", \"lamps\": [";
            for (int b = 0; b < 4; ++b)
                out += (b == 0 ? "" : ", ") + QByteArray::number(row.lamps[std::size_t(b)]);
            out += "]}";
        }
        out += rows.isEmpty() ? "]" : "\n    ]";
    }
    out += "\n  ]\n}\n";
    return out;
}

bool read(const QByteArray& json, SequenceContent& content, QString& problem)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        problem =
            QStringLiteral("malformed JSON at offset %1: %2").arg(error.offset).arg(error.errorString());
        return false;
    }
    if (!doc.isObject()) {
        problem = QStringLiteral("the JSON is not an object");
        return false;
    }
    const QJsonObject top = doc.object();
    static const QSet<QString> keys{QStringLiteral("vehicle"), QStringLiteral("parameters"),
                                    QStringLiteral("sequences")};
    if (!hasKeys(top, keys, QStringLiteral("the JSON"), problem))
        return false;
    if (!top.value(QLatin1String("vehicle")).isString() ||
        !top.value(QLatin1String("parameters")).isString()) {
        problem = QStringLiteral("\"vehicle\" and \"parameters\" must be strings");
        return false;
    }
    SequenceContent c;
    c.vehicleCode = top.value(QLatin1String("vehicle")).toString();
    c.parameterString = top.value(QLatin1String("parameters")).toString();
    const QJsonValue sequences = top.value(QLatin1String("sequences"));
    if (!sequences.isArray() || sequences.toArray().size() != 2) {
        problem = QStringLiteral("\"sequences\" must be an array of two arrays of rows");
        return false;
    }
    for (int k = 0; k < 2; ++k) {
        const QJsonValue rows = sequences.toArray().at(k);
        if (!rows.isArray()) {
            problem = QStringLiteral("sequence %1 is not an array of rows").arg(k);
            return false;
        }
        const QJsonArray array = rows.toArray();
        for (qsizetype j = 0; j < array.size(); ++j) {
            SequenceRow row;
            if (!readRow(array.at(j), QStringLiteral("row %1 of sequence %2").arg(j + 1).arg(k), row,
                         problem))
                return false;
            c.sequences[std::size_t(k)].append(row);
        }
    }
    content = c;
    return true;
}

} // namespace JsonForm
