// VehicleOptions: the rules of the light options. Each check box has its
// click handler; the headlamp type, the module's edition and the vehicle
// decide which options can be chosen.

#include "vehicle/OptionString.h"
#include "vehicle/VehicleConfig.h"
#include "vehicle/VehicleOptions.h"

#include "core/AppContext.h"
#include "core/LangText.h"
#include "core/TextNumber.h"
#include "vehicle/VehicleCatalogue.h"

using namespace OptionString;

namespace {

const QString CrLf = QStringLiteral("\r\n");

} // namespace

// The click handlers of the check boxes: each applies its rule, then writes
// the box's value into its place.
void VehicleOptions::click(Option option)
{
    const bool on = isChecked(option);
    switch (option) {
    case Option::chkRinge:
        Ringe_Licht(on ? 1 : 0, false);
        return;
    case Option::chkTagfahrlicht:
        if (on)
            setChecked(Option::chkTagfahrlicht_Standlicht, false);
        break;
    case Option::chkTagfahrlicht_Standlicht:
        if (on)
            setChecked(Option::chkTagfahrlicht, false);
        break;
    case Option::chkCommingHome_Auf:
        setEnabled(List::combBegruessung, on);
        setEnabled(Option::chkSoft_Ein, on);
        break;
    case Option::chkCommingHome_Zu:
        setEnabled(List::combVerabschiedung, on);
        break;
    case Option::chkSpiegel_Kurz:
        if (on && isChecked(Option::chkSpiegel_Lang))
            setChecked(Option::chkSpiegel_Lang, false);
        break;
    case Option::chkSpiegel_Lang:
        if (on && isChecked(Option::chkSpiegel_Kurz))
            setChecked(Option::chkSpiegel_Kurz, false);
        break;
    case Option::chkVebel_vorne_vertauschen:
        // Only a tick by the user is explained, not one from stored options.
        if (on && m_optionsLoaded)
            request(m_ctx.texts.text(205) + CrLf + m_ctx.texts.text(206),
                    QStringLiteral("Quandor Information"), Prompter::Icon::Information);
        break;
    case Option::E6x_LCI_Modul:
        writePosition(position(option), on ? 1 : 0);
        if (on && firmwareTooOldForLci()) {
            request(lciFirmwareText(), QString(), Prompter::Icon::Exclamation);
            setChecked(Option::E6x_LCI_Modul, false);
        }
        return;
    case Option::chk_Abbiegelicht:
    case Option::chkEine_Nebelleuchte:
    case Option::chkStandlicht_US:
    case Option::chkSoft_Ein:
        break;
    }
    writePosition(position(option), isChecked(option) ? 1 : 0);
}

bool VehicleOptions::editionEnablesComfort() const
{
    const QString& type = m_ctx.module.moduleType;
    return type.isEmpty() || type == QLatin1String("6.1") || type == QLatin1String("5.1");
}

void VehicleOptions::Parameter_Licht(int wert, bool Start)
{
    Batch batch(*this);
    if (Start)
        select(Group::chkFernlicht, wert);
    const bool mini = selected(Group::optType) == VehicleCatalogue::Mini;
    if (wert == HeadlampHighBeam) {
        if (!mini)
            setEnabled(Option::chkRinge, true);
    } else {
        // Without high beam in the headlamp the rings are always there.
        setChecked(Option::chkRinge, true);
        setEnabled(Option::chkRinge, false);
    }
    VehicleConfig& v = m_ctx.vehicle;
    v.headlampHighBeam = 0;
    v.headlampCornering = 0;
    v.headlampDrlBulb = 0;
    v.ringLights = mini || isChecked(Option::chkRinge) ? 1 : 0;
    v.headlampHighBeam = wert == HeadlampHighBeam ? 1 : 0;
    v.headlampCornering = wert == HeadlampCornering ? 1 : 0;
    v.headlampDrlBulb = wert == HeadlampDrlBulb ? 1 : 0;
    if (!Start)
        writePosition(2, wert);
}

void VehicleOptions::Ringe_Licht(int wert, bool Start)
{
    Batch batch(*this);
    const int value = wert == 1 ? 1 : 0;
    if (Start)
        setChecked(Option::chkRinge, value == 1);
    m_ctx.vehicle.ringLights = std::uint8_t(value);
    if (!Start)
        writePosition(1, value);
}

void VehicleOptions::GreetingLightRule()
{
    Batch batch(*this);
    const int type = selected(Group::optType);
    const int year = selected(Group::optBaujahr);
    const bool possible = type == 1 || type == 2 || ((type == 3 || type == 4) && (year == 1 || year == 3));
    if (possible) {
        if (editionEnablesComfort()) {
            setEnabled(Option::chkCommingHome_Auf, true);
            setEnabled(Option::chkCommingHome_Zu, true);
        }
    } else {
        setEnabled(Option::chkCommingHome_Auf, false);
        setEnabled(Option::chkCommingHome_Zu, false);
        setChecked(Option::chkCommingHome_Auf, false);
        setChecked(Option::chkCommingHome_Zu, false);
    }
    LciRearLightRule();
}

void VehicleOptions::LciRearLightRule()
{
    Batch batch(*this);
    const int year = selected(Group::optBaujahr);
    if (selected(Group::optType) == 3 && (year == 1 || year == 3)) {
        setEnabled(Option::E6x_LCI_Modul, true);
    } else {
        setEnabled(Option::E6x_LCI_Modul, false);
        setChecked(Option::E6x_LCI_Modul, false);
    }
}

void VehicleOptions::Modul_Typ_Freigeben()
{
    Batch batch(*this);
    const QString& type = m_ctx.module.moduleType;
    const bool basic = type == QLatin1String("5.0") || type == QLatin1String("6.0");
    const bool comfort = type == QLatin1String("5.1") || type == QLatin1String("6.1");
    const bool premium = type == QLatin1String("5.2") || type == QLatin1String("6.2");
    const std::array<Option, 5> comfortBoxes{Option::chkTagfahrlicht, Option::chkStandlicht_US,
                                             Option::chkCommingHome_Auf, Option::chkCommingHome_Zu,
                                             Option::chkTagfahrlicht_Standlicht};
    const std::array<Option, 2> mirrorBoxes{Option::chkSpiegel_Kurz, Option::chkSpiegel_Lang};
    if (basic) {
        for (Option o : comfortBoxes)
            setEnabled(o, false);
        for (Option o : mirrorBoxes)
            setEnabled(o, false);
        setEnabled(Option::chkSoft_Ein, false);
        setEnabled(List::combBegruessung, false);
        setEnabled(List::combVerabschiedung, false);
        for (Option o : comfortBoxes)
            setChecked(o, false);
        for (Option o : mirrorBoxes)
            setChecked(o, false);
        setChecked(Option::chkSoft_Ein, false);
    } else if (comfort || premium) {
        for (Option o : comfortBoxes)
            setEnabled(o, true);
        for (Option o : mirrorBoxes) {
            setEnabled(o, premium);
            if (!premium)
                setChecked(o, false);
        }
    }
}

bool VehicleOptions::firmwareTooOldForLci() const
{
    const QString& version = m_ctx.module.moduleVersion;
    // A version written with a decimal comma reads like one with a point.
    QString number = version;
    if (const qsizetype comma = number.indexOf(QLatin1Char(',')); comma >= 0)
        number[comma] = QLatin1Char('.');
    // A version too large to read is no version at all, as in the module messages.
    return !version.isEmpty() && leadingNumber(number).value_or(0.0) <= 2.2;
}

QString VehicleOptions::lciFirmwareText() const
{
    const LangText& t = m_ctx.texts;
    return t.text(210) + CrLf + CrLf + t.text(212) + QStringLiteral(" ") + t.text(127) +
           QStringLiteral(" 2.3") + CrLf + CrLf + t.text(127) + m_ctx.module.moduleVersion +
           QStringLiteral("  / ") + t.text(228) + QStringLiteral(" ") + m_ctx.module.moduleType;
}
