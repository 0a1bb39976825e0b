#include "module/ModuleMessages.h"

#include "core/CaptionTable.h"
#include "core/Config.h"
#include "core/LangText.h"
#include "core/TextNumber.h"
#include "module/ModuleSession.h"
#include "module/PortNames.h"

#include <QStringList>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString web()
{
    return QString::fromLatin1(Config::MakerWebAddress);
}

} // namespace

namespace ModuleMessages {

QString portName(int portNumber, const QString& device)
{
    return portNumber > 0 ? PortNames::menuCaption(portNumber, device) : device;
}

namespace {

// "Die Schnittstelle Com 2  (/dev/ttyUSB0)", followed by what is wrong with it.
QString thePort(const LangText& t, const QString& port)
{
    return t.text(340) + QLatin1Char(' ') + port;
}

} // namespace

ModuleMessage portNotAvailable(const LangText& t, const QString& port)
{
    return {thePort(t, port) + t.text(92), t.text(93), Prompter::Icon::Critical};
}

ModuleMessage portBusy(const LangText& t, const QString& port)
{
    return {thePort(t, port) + t.text(94) + kCrLf + t.text(95), t.text(93), Prompter::Icon::Exclamation};
}

ModuleMessage portNoPermission(const LangText& t, const QString& port, const QString& device,
                               const QString& ownerGroup)
{
    QString where = device;
    if (!ownerGroup.isEmpty())
        where += QStringLiteral(", ") + ownerGroup;
    return {thePort(t, port) + t.text(217) + kCrLf + t.text(218) + QLatin1Char(' ') + where, t.text(93),
            Prompter::Icon::Exclamation};
}

ModuleMessage notConnected(const LangText& t)
{
    return {t.text(101), t.text(102), Prompter::Icon::Exclamation};
}

ModuleMessage replyNotRecognised(const LangText& t)
{
    return {t.text(216), t.text(102), Prompter::Icon::Exclamation};
}

ModuleMessage modelMismatch(const LangText& t)
{
    return {t.text(196), t.text(114), Prompter::Icon::Exclamation};
}

ModuleMessage imageTooLarge(const LangText& t)
{
    return {t.text(104) + kCrLf + kCrLf + t.text(105), web(), Prompter::Icon::Exclamation};
}

ModuleMessage buildFailed(const LangText& t)
{
    return {t.text(107), QString(), Prompter::Icon::Exclamation};
}

ModuleMessage wrongEcho(const LangText& t)
{
    return {t.text(108) + kCrLf, t.text(109), Prompter::Icon::Exclamation};
}

ModuleMessage noAnswer(const LangText& t)
{
    return {t.text(111), t.text(109), Prompter::Icon::Exclamation};
}

ModuleMessage linkLost(const LangText& t, int address, int length)
{
    return {t.text(213) + QLatin1Char(' ') + QString::number(address) + QLatin1Char(' ') + t.text(214) +
                QLatin1Char(' ') + QString::number(length) + QLatin1Char('.') + kCrLf + t.text(215),
            t.text(109), Prompter::Icon::Exclamation};
}

QString optionCaption(const LangText& t, VehicleOptions::Option option)
{
    const QString control = VehicleOptions::controlName(option);
    for (const CaptionEntry& entry : captionTable()) {
        if (entry.window == QLatin1String("ParameterDialog") && entry.control == control)
            return entry.compose(t);
    }
    return control;
}

QString notCarriedOut(const LangText& t, const QList<VehicleOptions::Option>& options)
{
    if (options.isEmpty())
        return QString();
    QStringList captions;
    for (VehicleOptions::Option o : options)
        captions.append(optionCaption(t, o));
    // Captions may hold commas of their own.
    return t.text(342) + QLatin1Char(' ') + captions.join(QStringLiteral("; "));
}

ModuleMessage sent(const LangText& t, int share, const QList<VehicleOptions::Option>& notCarriedOut)
{
    QString text = t.text(110) + kCrLf + kCrLf + t.text(106) + QLatin1Char(' ') + QString::number(share) +
                   QStringLiteral(" %");
    if (const QString lacking = ModuleMessages::notCarriedOut(t, notCarriedOut); !lacking.isEmpty())
        text += kCrLf + kCrLf + lacking;
    return {text, web(), Prompter::Icon::Information};
}

ModuleMessage memoryShare(const LangText& t, int share)
{
    return {t.text(106) + QLatin1Char(' ') + QString::number(share) + QStringLiteral(" %"), web(),
            Prompter::Icon::Information};
}

std::optional<ModuleMessage> forOutcome(const LangText& t, const ModuleOutcome& outcome, int portNumber)
{
    using Kind = ModuleOutcome::Kind;
    const QString port = portName(portNumber, outcome.device);
    switch (outcome.kind) {
    case Kind::PortNotAvailable:
    case Kind::PortFailed:
        return portNotAvailable(t, port);
    case Kind::PortBusy:
        return portBusy(t, port);
    case Kind::PortNoPermission:
        return portNoPermission(t, port, outcome.device, outcome.deviceGroup);
    case Kind::NotConnected:
        return outcome.unrecognisedReply ? replyNotRecognised(t) : notConnected(t);
    case Kind::ModelMismatch:
        return modelMismatch(t);
    case Kind::ImageTooLarge:
        return imageTooLarge(t);
    case Kind::ImageInvalid:
        return buildFailed(t);
    case Kind::LinkLost:
        return linkLost(t, outcome.lostAt, outcome.image.length);
    case Kind::WrongEcho:
        return wrongEcho(t);
    case Kind::NoAnswer:
        return noAnswer(t);
    case Kind::Sent:
        return sent(t, ::memoryShare(outcome.image.length, outcome.limit), outcome.notCarriedOut);
    case Kind::Identified:
    case Kind::HeaderOnly:
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace ModuleMessages

namespace SearchMessages {

QString missing(const LangText& t)
{
    return t.text(305);
}

QString menuEntry(const LangText& t)
{
    return t.text(306);
}

QString portName(const ModuleSearch::Port& port)
{
    return ModuleMessages::portName(port.number, port.device);
}

ModuleMessage found(const LangText& t, const QString& port, const ModuleMessage& report)
{
    return {t.text(341) + QLatin1Char(' ') + port + kCrLf + kCrLf + report.text, report.title, report.icon};
}

QString trying(const LangText& t, const ModuleSearch::Port& port)
{
    return t.text(307) + QLatin1Char(' ') + portName(port);
}

QString line(const LangText& t, const ModuleSearch::Try& result)
{
    using Kind = ModuleOutcome::Kind;
    const ModuleOutcome& o = result.outcome;
    QString what;
    switch (o.kind) {
    case Kind::Identified:
        what = t.text(312) +
               (o.reply ? QStringLiteral(", ") + o.reply->statusText(t.text(Identification::TypeText))
                        : QString());
        break;
    case Kind::PortNotAvailable:
        what = t.text(305);
        break;
    case Kind::PortBusy:
        what = t.text(315);
        break;
    case Kind::PortNoPermission:
        what = t.text(316);
        break;
    case Kind::NotConnected:
        // A port error here is a device that went away during its try.
        if (!o.portError.isEmpty())
            what = t.text(93) + QStringLiteral(" (") + o.portError + QLatin1Char(')');
        else
            what = t.text(o.unrecognisedReply ? 314 : 313);
        break;
    default:
        what = t.text(93) +
               (o.portError.isEmpty() ? QString() : QStringLiteral(" (") + o.portError + QLatin1Char(')'));
        break;
    }
    return portName(result.port) + QStringLiteral(": ") + what;
}

QString choiceQuestion(const LangText& t)
{
    return t.text(308);
}

QStringList choices(const LangText& t, const QList<ModuleSearch::Try>& answered)
{
    QStringList out;
    for (const ModuleSearch::Try& a : answered)
        out.append(line(t, a));
    return out;
}

ModuleMessage noneAnswered(const LangText& t, const QList<ModuleSearch::Try>& results)
{
    QStringList lines{t.text(309)};
    QStringList refused;
    for (const ModuleSearch::Try& r : results) {
        lines.append(QStringLiteral("  ") + line(t, r));
        if (r.outcome.kind == ModuleOutcome::Kind::PortNoPermission) {
            QString where = r.port.device;
            if (!r.outcome.deviceGroup.isEmpty())
                where += QStringLiteral(", ") + r.outcome.deviceGroup;
            refused.append(r.port.device + t.text(217) + kCrLf + t.text(218) + QLatin1Char(' ') + where);
        }
    }
    lines.append(QString());
    lines.append(t.text(310));
    for (const QString& r : std::as_const(refused)) {
        lines.append(QString());
        lines.append(r);
    }
    return {lines.join(kCrLf), t.text(102), Prompter::Icon::Exclamation};
}

ModuleMessage noPorts(const LangText& t)
{
    return {t.text(311), t.text(102), Prompter::Icon::Exclamation};
}

ModuleMessage noNumber(const LangText& t, const QString& device)
{
    return {device + t.text(317), t.text(306), Prompter::Icon::Exclamation};
}

} // namespace SearchMessages

namespace Identification {

int memoryLimit(const QString& moduleType)
{
    return moduleType.startsWith(QLatin1Char('5')) ? 1010 : 510;
}

double versionNumber(const QString& moduleVersion)
{
    // A version too large to read is no version at all.
    return leadingNumber(moduleVersion).value_or(0.0);
}

bool firmwareLacksLci(const QString& moduleVersion)
{
    return versionNumber(moduleVersion) <= 2.2;
}

ModuleMessage lciUpgrade(const LangText& t, const QString& moduleType, const QString& moduleVersion)
{
    return {t.text(210) + kCrLf + kCrLf + t.text(212) + QLatin1Char(' ') + t.text(127) +
                QStringLiteral(" 2.3") + kCrLf + kCrLf + t.text(127) + moduleVersion +
                QStringLiteral("  / ") + t.text(TypeText) + QLatin1Char(' ') + moduleType,
            QString(), Prompter::Icon::Exclamation};
}

QString compileInfo(const LangText& t, const QString& compileDate, int codedVehicle,
                    const QString& vehicleName)
{
    QString name = vehicleName;
    if (name.isEmpty() && codedVehicle > 50)
        name = QString::number(codedVehicle);
    return t.text(399) + compileDate + kCrLf + t.text(400) + name;
}

ModuleMessage report(const LangText& t, const QString& moduleType, const QString& moduleVersion,
                     const QString& compileInformation)
{
    int edition = -1;
    if (moduleType == QLatin1String("5.0") || moduleType == QLatin1String("6.0"))
        edition = 0;
    else if (moduleType == QLatin1String("5.1") || moduleType == QLatin1String("6.1"))
        edition = 1;
    else if (moduleType == QLatin1String("5.2") || moduleType == QLatin1String("6.2"))
        edition = 2;
    if (edition < 0)
        return {t.text(163), QString(), Prompter::Icon::Exclamation};

    QStringList lines{t.text(112), QString()};
    for (int n : {186, 187, 190, 193})
        lines.append(t.text(n));
    if (versionNumber(moduleVersion) >= 2.4)
        lines.append(t.text(209));
    for (int n : {194, 195, 188, 189})
        lines.append(t.text(n));
    if (edition >= 1) {
        for (int n : {61, 198, 197, 200, 201})
            lines.append(QStringLiteral("  - ") + t.text(n));
    }
    if (edition >= 2)
        lines.append(QStringLiteral("  - ") + t.text(177));
    static const char* const captions[] = {" Vantor - Basis", " Vantor - Komfort", " Vantor - Premium"};
    lines.append(QString());
    lines.append(t.text(113) + QString::fromLatin1(captions[edition]));
    lines.append(t.text(127) + moduleVersion + QStringLiteral("  / ") + t.text(TypeText) + QLatin1Char(' ') +
                 moduleType);
    if (!compileInformation.isEmpty())
        lines.append(compileInformation);
    return {lines.join(kCrLf), t.text(114), Prompter::Icon::Information};
}

} // namespace Identification
