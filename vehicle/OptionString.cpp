// The option string and the vehicle code: the place of each option, and how
// the controls are written into them and read back.

#include "vehicle/OptionString.h"
#include "vehicle/VehicleOptions.h"

#include "core/AppContext.h"
#include "core/SettingsStore.h"
#include "sequence/SequenceDocument.h"
#include "vehicle/VehicleCatalogue.h"

namespace OptionString {

int digitAt(const QString& text, int position)
{
    if (position < 1 || position > text.size())
        return 0;
    const QChar c = text.at(position - 1);
    return c.isDigit() ? c.digitValue() : 0;
}

QString withDigit(QString text, int position, int value)
{
    // A short string (from a file) grows with zeros up to the place written.
    while (text.size() < position)
        text += QLatin1Char('0');
    text[position - 1] = QChar(u'0' + value);
    return text;
}

int codeDigit(const QString& code, int i)
{
    if (i >= code.size() || !code.at(i).isDigit())
        return -1;
    return code.at(i).digitValue();
}

} // namespace OptionString

using namespace OptionString;

int VehicleOptions::position(Option option)
{
    switch (option) {
    case Option::chkRinge:
        return 1;
    case Option::chk_Abbiegelicht:
        return 3;
    case Option::chkEine_Nebelleuchte:
        return 4;
    case Option::chkTagfahrlicht:
        return 5;
    case Option::chkStandlicht_US:
        return 6;
    case Option::chkTagfahrlicht_Standlicht:
        return 7;
    case Option::chkCommingHome_Auf:
        return 8;
    case Option::chkCommingHome_Zu:
        return 9;
    case Option::chkSpiegel_Kurz:
        return 10;
    case Option::chkSpiegel_Lang:
        return 11;
    case Option::chkVebel_vorne_vertauschen:
        return 12;
    case Option::chkSoft_Ein:
        return 13;
    case Option::E6x_LCI_Modul:
        return 14;
    }
    return 0;
}

void VehicleOptions::writePosition(int position, int value)
{
    if (position < 1 || value < 0 || value > 9)
        return;
    m_ctx.document.setParameterString(withDigit(m_ctx.document.parameterString(), position, value));
}

void VehicleOptions::cmdOK_Click()
{
    Batch batch(*this);
    const int headlamp = selected(Group::chkFernlicht);
    if (headlamp >= 0)
        Parameter_Licht(headlamp, false);
    const QString code = selectedVehicleCode();
    m_ctx.document.setVehicleCode(code);
    const QString section = QString::fromLatin1(SettingsStore::SectionUpper);
    m_ctx.settings.save(section, QStringLiteral("Fahrzeug_Type"), code);
    m_ctx.settings.save(section, QStringLiteral("Parameter"), m_ctx.document.parameterString());
}

void VehicleOptions::ApplyDocumentVehicle()
{
    Batch batch(*this);
    const QString code = m_ctx.document.vehicleCode();
    // The rules below may rewrite places of the option string before they are
    // read (clearing a box writes its 0); the stored values are read from the
    // string as it came, so a document always yields the same options.
    const QString stored = m_ctx.document.parameterString();
    int headlamp = digitAt(stored, 2);
    if (!inRange(Group::chkFernlicht, headlamp))
        headlamp = HeadlampHighBeam;

    F_Type(codeDigit(code, 0), true);
    F_Bauform(codeDigit(code, 1), true);
    if (codeDigit(code, 0) == VehicleCatalogue::Mini) {
        Aktiviere_Mini();
        setChecked(Option::chkEine_Nebelleuchte, digitAt(stored, 4) == 1);
        Parameter_Licht(headlamp, true);
    } else {
        Aktiviere_BMW();
        Parameter_Licht(headlamp, true);
        Ringe_Licht(digitAt(stored, 1), true);
    }

    m_optionsLoaded = false;
    for (Option o : AllOptions) {
        if (o != Option::chkRinge && o != Option::chkEine_Nebelleuchte)
            setChecked(o, digitAt(stored, position(o)) == 1);
    }
    m_optionsLoaded = true;
}
