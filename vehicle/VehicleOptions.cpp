#include "vehicle/VehicleOptions.h"
#include "vehicle/VehicleConfig.h"

#include "core/AppContext.h"
#include "core/LangText.h"
#include "core/SettingsStore.h"
#include "core/TextNumber.h"
#include "sequence/SequenceDocument.h"
#include "vehicle/VehicleCatalogue.h"

namespace {

using Option = VehicleOptions::Option;
using Group = VehicleOptions::Group;
using List = VehicleOptions::List;

const QString CrLf = QStringLiteral("\r\n");

constexpr int HeadlampHighBeam = 2;
constexpr int HeadlampCornering = 3;
constexpr int HeadlampDrlBulb = 4;

// The option string holds one decimal digit per place; anything else reads as 0.
int digitAt(const QString& text, int position)
{
    if (position < 1 || position > text.size())
        return 0;
    const QChar c = text.at(position - 1);
    return c.isDigit() ? c.digitValue() : 0;
}

// A digit of the vehicle code; -1 when it is missing or not a digit.
int codeDigit(const QString& code, int i)
{
    if (i >= code.size() || !code.at(i).isDigit())
        return -1;
    return code.at(i).digitValue();
}

const QString& listKey(List list)
{
    static const QString greeting = QStringLiteral("Time_Kommen");
    static const QString farewell = QStringLiteral("Time_Gehen");
    return list == List::combBegruessung ? greeting : farewell;
}

} // namespace

VehicleOptions::Batch::~Batch()
{
    if (--m_owner.m_depth == 0 && m_owner.m_dirty) {
        m_owner.m_dirty = false;
        emit m_owner.changed();
    }
}

VehicleOptions::VehicleOptions(AppContext& ctx, QObject* parent) : QObject(parent), m_ctx(ctx)
{
    for (Group g : AllGroups) {
        for (int i = firstIndex(g); i <= lastIndex(g); ++i)
            buttons(g).enabled.at(std::size_t(i)) = true;
    }
    // The state of the default option string "121000...": high beam in the
    // headlamps, rings and cornering light on, everything else off.
    buttons(Group::chkFernlicht).selected = HeadlampHighBeam;
    box(Option::chkRinge).checked = true;
    box(Option::chk_Abbiegelicht).checked = true;
    box(Option::chkEine_Nebelleuchte).enabled = false;
    box(Option::chkSoft_Ein).enabled = false;
    box(Option::E6x_LCI_Modul).enabled = false;
}

int VehicleOptions::firstIndex(Group group)
{
    switch (group) {
    case Group::optType:
        return VehicleCatalogue::FirstModelType;
    case Group::optBauform:
        return VehicleCatalogue::FirstBodyStyle;
    case Group::optBaujahr:
        return VehicleCatalogue::FirstModelYear;
    case Group::chkFernlicht:
        return VehicleCatalogue::FirstHeadlamp;
    }
    return 0;
}

int VehicleOptions::lastIndex(Group group)
{
    switch (group) {
    case Group::optType:
        return VehicleCatalogue::LastModelType;
    case Group::optBauform:
        return VehicleCatalogue::LastBodyStyle;
    case Group::optBaujahr:
        return VehicleCatalogue::LastModelYear;
    case Group::chkFernlicht:
        return VehicleCatalogue::LastHeadlamp;
    }
    return -1;
}

bool VehicleOptions::inRange(Group group, int index)
{
    return index >= firstIndex(group) && index <= lastIndex(group);
}

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

QString VehicleOptions::controlName(Option option)
{
    switch (option) {
    case Option::chkRinge:
        return QStringLiteral("chkRinge");
    case Option::chk_Abbiegelicht:
        return QStringLiteral("chk_Abbiegelicht");
    case Option::chkEine_Nebelleuchte:
        return QStringLiteral("chkEine_Nebelleuchte");
    case Option::chkTagfahrlicht:
        return QStringLiteral("chkTagfahrlicht");
    case Option::chkStandlicht_US:
        return QStringLiteral("chkStandlicht_US");
    case Option::chkTagfahrlicht_Standlicht:
        return QStringLiteral("chkTagfahrlicht_Standlicht");
    case Option::chkCommingHome_Auf:
        return QStringLiteral("chkCommingHome_Auf");
    case Option::chkCommingHome_Zu:
        return QStringLiteral("chkCommingHome_Zu");
    case Option::chkSpiegel_Kurz:
        return QStringLiteral("chkSpiegel_Kurz");
    case Option::chkSpiegel_Lang:
        return QStringLiteral("chkSpiegel_Lang");
    case Option::chkVebel_vorne_vertauschen:
        return QStringLiteral("chkVebel_vorne_vertauschen");
    case Option::chkSoft_Ein:
        return QStringLiteral("chkSoft_Ein");
    case Option::E6x_LCI_Modul:
        return QStringLiteral("E6x_LCI_Modul");
    }
    return {};
}

QString VehicleOptions::controlName(Group group, int index)
{
    QString name;
    switch (group) {
    case Group::optType:
        name = QStringLiteral("optType");
        break;
    case Group::optBauform:
        name = QStringLiteral("optBauform");
        break;
    case Group::optBaujahr:
        name = QStringLiteral("optBaujahr");
        break;
    case Group::chkFernlicht:
        name = QStringLiteral("chkFernlicht");
        break;
    }
    return name + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

QString VehicleOptions::controlName(List list)
{
    return list == List::combBegruessung ? QStringLiteral("combBegrüßung")
                                         : QStringLiteral("combVerabschiedung");
}

// --- State

bool VehicleOptions::isChecked(Option option) const
{
    return box(option).checked;
}

bool VehicleOptions::isEnabled(Option option) const
{
    return box(option).enabled;
}

int VehicleOptions::selected(Group group) const
{
    return buttons(group).selected;
}

bool VehicleOptions::isEnabled(Group group, int index) const
{
    return inRange(group, index) && buttons(group).enabled.at(std::size_t(index));
}

int VehicleOptions::listIndex(List list) const
{
    return m_lists.at(std::size_t(list)).index;
}

bool VehicleOptions::isEnabled(List list) const
{
    return m_lists.at(std::size_t(list)).enabled;
}

QString VehicleOptions::selectedVehicleCode() const
{
    QString code;
    for (Group g : {Group::optType, Group::optBauform, Group::optBaujahr}) {
        if (selected(g) >= 0)
            code += QString::number(selected(g));
    }
    return code;
}

QString VehicleOptions::selectionCaption(const std::function<QString(Group, int)>& captionOf) const
{
    auto caption = [&](Group g) { return selected(g) >= 0 ? captionOf(g, selected(g)) : QString(); };
    QString text = QStringLiteral("Fahrzeugauswahl:  ") + caption(Group::optType) + QStringLiteral(" / ") +
                   caption(Group::optBauform);
    const int year = selected(Group::optBaujahr);
    if (year >= 0 && isEnabled(Group::optBaujahr, year))
        text += QStringLiteral(" / ") + captionOf(Group::optBaujahr, year);
    return text;
}

// --- Changes

void VehicleOptions::setEnabled(Option option, bool enabled)
{
    if (box(option).enabled != enabled) {
        box(option).enabled = enabled;
        markChanged();
    }
}

void VehicleOptions::setEnabled(Group group, int index, bool enabled)
{
    if (!inRange(group, index))
        return;
    bool& e = buttons(group).enabled.at(std::size_t(index));
    if (e != enabled) {
        e = enabled;
        markChanged();
    }
}

void VehicleOptions::setEnabled(List list, bool enabled)
{
    DurationList& l = m_lists.at(std::size_t(list));
    if (l.enabled != enabled) {
        l.enabled = enabled;
        markChanged();
    }
}

void VehicleOptions::setChecked(Option option, bool checked)
{
    if (box(option).checked == checked)
        return;
    Batch batch(*this);
    box(option).checked = checked;
    if (option == Option::chkEine_Nebelleuchte)
        m_ctx.vehicle.oneRearFogLamp = checked;
    markChanged();
    click(option);
}

void VehicleOptions::select(Group group, int index)
{
    if (!inRange(group, index) || buttons(group).selected == index)
        return;
    Batch batch(*this);
    buttons(group).selected = index;
    markChanged();
    click(group, index);
}

void VehicleOptions::deselect(Group group, int index)
{
    if (buttons(group).selected == index) {
        buttons(group).selected = -1;
        markChanged();
    }
}

void VehicleOptions::chooseListIndex(List list, int index)
{
    if (index < 0 || index >= ListItemCount)
        return;
    setListIndex(list, index);
    m_ctx.settings.save(QString::fromLatin1(SettingsStore::SectionUpper), listKey(list),
                        QString::number(index));
}

void VehicleOptions::setListIndex(List list, int index)
{
    if (index < 0 || index >= ListItemCount)
        return;
    Batch batch(*this);
    DurationList& l = m_lists.at(std::size_t(list));
    if (l.index != index) {
        l.index = index;
        markChanged();
    }
}

void VehicleOptions::writePosition(int position, int value)
{
    if (position < 1 || value < 0 || value > 9)
        return;
    QString parameters = m_ctx.document.parameterString();
    // A short string (from a file) grows with zeros up to the place written.
    while (parameters.size() < position)
        parameters += QLatin1Char('0');
    parameters[position - 1] = QChar(u'0' + value);
    m_ctx.document.setParameterString(parameters);
}

void VehicleOptions::request(const QString& text, const QString& title, Prompter::Icon icon)
{
    emit messageRequested(Message{text, title, icon});
}

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

void VehicleOptions::click(Group group, int index)
{
    switch (group) {
    case Group::optType:
        F_Type(index, false);
        break;
    case Group::optBauform:
        F_Bauform(index, false);
        break;
    case Group::optBaujahr:
        GreetingLightRule();
        break;
    case Group::chkFernlicht:
        Parameter_Licht(index, false);
        break;
    }
}

// --- Operations

bool VehicleOptions::editionEnablesComfort() const
{
    const QString& type = m_ctx.module.moduleType;
    return type.isEmpty() || type == QLatin1String("6.1") || type == QLatin1String("5.1");
}

void VehicleOptions::F_Type(int wert, bool Start)
{
    Batch batch(*this);
    if (Start)
        select(Group::optType, wert);
    if (inRange(Group::optType, wert)) {
        for (int b = VehicleCatalogue::FirstBodyStyle; b <= VehicleCatalogue::LastBodyStyle; ++b)
            setEnabled(Group::optBauform, b, VehicleCatalogue::bodyStyleEnabled(wert, b));
    }
    if (wert == VehicleCatalogue::SevenSeries) {
        // With Start the nested click has already refused it; say it once.
        if (!Start)
            request(VehicleCatalogue::sevenSeriesRefusal(), QString(), Prompter::Icon::Question);
        select(Group::optType, 1);
    }
    // The default body style: Coupé for the 6er and the Mini, Cabrio for the Z4.
    select(Group::optBauform, wert == 4 || wert == VehicleCatalogue::Mini ? 3 : 1);
    if (wert == 8)
        select(Group::optBauform, 4);
    if (!Start) {
        const int body = selected(Group::optBauform);
        if (body >= 0)
            F_Bauform(body, false);
    }
    const int type = selected(Group::optType);
    if (type == 1 || type == 2) {
        if (editionEnablesComfort())
            setEnabled(Option::chkTagfahrlicht, true);
    } else {
        setEnabled(Option::chkTagfahrlicht, false);
        setChecked(Option::chkTagfahrlicht, false);
    }
    GreetingLightRule();
}

void VehicleOptions::F_Bauform(int wert, bool Start)
{
    Batch batch(*this);
    if (Start)
        select(Group::optBauform, wert);
    const int type = selected(Group::optType);
    if (const auto years = VehicleCatalogue::yearButtons(type, wert)) {
        setEnabled(Group::optBaujahr, 1, years->year1Enabled);
        setEnabled(Group::optBaujahr, 2, years->year2Enabled);
        select(Group::optBaujahr, 1);
        if (years->year0Selected)
            select(Group::optBaujahr, 0);
        else
            deselect(Group::optBaujahr, 0);
        setEnabled(Group::optBaujahr, 0, years->year0Enabled);
        setEnabled(Group::optBaujahr, 3, years->year3Enabled);
        if (years->group == VehicleCatalogue::OptionGroup::Mini)
            Aktiviere_Mini();
        else
            Aktiviere_BMW();
    }
    if (Start) {
        select(Group::optBauform, wert);
        // The stored year comes back even onto a disabled button.
        const int year = codeDigit(m_ctx.document.vehicleCode(), 2);
        for (int y = VehicleCatalogue::FirstModelYear; y <= VehicleCatalogue::LastModelYear; ++y) {
            if (y == year)
                select(Group::optBaujahr, y);
            else
                deselect(Group::optBaujahr, y);
        }
    }
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

void VehicleOptions::Aktiviere_BMW()
{
    Batch batch(*this);
    writePosition(4, 0);
    setEnabled(Option::chkEine_Nebelleuchte, false);
    setChecked(Option::chkEine_Nebelleuchte, false);
    setEnabled(Group::chkFernlicht, 3, true);
    setEnabled(Group::chkFernlicht, 4, true);
    setEnabled(Option::chkRinge, true);
}

void VehicleOptions::Aktiviere_Mini()
{
    Batch batch(*this);
    select(Group::chkFernlicht, digitAt(m_ctx.document.parameterString(), 2));
    setEnabled(Group::chkFernlicht, 3, false);
    setEnabled(Group::chkFernlicht, 4, false);
    setChecked(Option::chkRinge, false);
    setEnabled(Option::chkRinge, false);
    // The Clubman has a fog lamp on each side only.
    setEnabled(Option::chkEine_Nebelleuchte, selected(Group::optBauform) != VehicleCatalogue::Clubman);
    setChecked(Option::chkEine_Nebelleuchte, false);
    VehicleConfig& v = m_ctx.vehicle;
    v.headlampHighBeam = 0;
    v.headlampCornering = 0;
    v.headlampDrlBulb = 0;
    v.ringLights = 1;
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

bool VehicleOptions::firmwareTooOldForLci() const
{
    const QString& version = m_ctx.module.moduleVersion;
    // A version written with a decimal comma reads like one with a point.
    QString number = version;
    if (const qsizetype comma = number.indexOf(QLatin1Char(',')); comma >= 0)
        number[comma] = QLatin1Char('.');
    return !version.isEmpty() && leadingNumber(number) <= 2.2;
}

QString VehicleOptions::lciFirmwareText() const
{
    const LangText& t = m_ctx.texts;
    return t.text(210) + CrLf + CrLf + t.text(212) + QStringLiteral(" ") + t.text(127) +
           QStringLiteral(" 2.3") + CrLf + CrLf + t.text(127) + m_ctx.module.moduleVersion +
           QStringLiteral("  / Typ ") + m_ctx.module.moduleType;
}
