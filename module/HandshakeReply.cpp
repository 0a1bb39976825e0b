#include "module/HandshakeReply.h"

namespace {

QString character(const QByteArray& bytes, int position)
{
    return QString(QChar(uchar(bytes.at(position - 1))));
}

} // namespace

std::optional<HandshakeReply> HandshakeReply::parse(const QByteArray& reply, bool extended)
{
    if (reply.size() < ShortLength || reply.at(0) != 'T' || reply.at(3) != 'V')
        return std::nullopt;
    HandshakeReply r;
    r.moduleType = character(reply, 2) + QLatin1Char('.') + character(reply, 3);
    r.moduleVersion = character(reply, 5) + QLatin1Char('.') + character(reply, 6);
    if (extended && reply.size() == ExtendedLength) {
        // Read unsigned: a first date byte of 128 or more must not turn negative.
        std::uint32_t number = 0;
        for (int i = 6; i < 10; ++i)
            number = (number << 8) | uchar(reply.at(i));
        r.hasCompileInfo = true;
        r.compileDateNumber = number;
        r.compileDate = formatCompileDate(number);
        const int vehicle = uchar(reply.at(10));
        r.codedVehicle = vehicle == 255 ? 0 : vehicle;
    }
    return r;
}

QString HandshakeReply::formatCompileDate(std::uint32_t number)
{
    const QString d = QString::number(number);
    const QChar point = QLatin1Char('.');
    switch (d.size()) {
    case 6:
        return d.mid(0, 1) + point + d.mid(1, 1) + point + d.mid(2);
    case 7:
        return d.mid(0, 1) + point + d.mid(1, 2) + point + d.mid(3);
    default:
        return d.mid(0, 2) + point + d.mid(2, 2) + point + d.mid(4);
    }
}

QString HandshakeReply::statusText(const QString& typeWord) const
{
    return QStringLiteral("Quandor Vantor Ver. ") + moduleVersion + QStringLiteral(" / ") + typeWord +
           QLatin1Char(' ') + moduleType;
}
