// VehicleOptions: the state of the controls and the few ways it changes.
// The rules live in VehicleChoiceRules.cpp and OptionRules.cpp, the option
// string and the vehicle code in OptionString.cpp.

#include "vehicle/VehicleOptions.h"
#include "vehicle/OptionString.h"
#include "vehicle/VehicleConfig.h"

#include "core/AppContext.h"
#include "core/SettingsStore.h"
#include "sequence/SequenceDocument.h"
#include "vehicle/VehicleCatalogue.h"

using namespace OptionString;

namespace {

using List = VehicleOptions::List;

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

VehicleOptions::Snapshot VehicleOptions::snapshot() const
{
    Snapshot s;
    for (Option o : AllOptions) {
        s.checked.at(std::size_t(o)) = box(o).checked;
        s.enabled.at(std::size_t(o)) = box(o).enabled;
    }
    for (Group g : AllGroups) {
        s.selected.at(std::size_t(g)) = buttons(g).selected;
        s.buttonsEnabled.at(std::size_t(g)) = buttons(g).enabled;
    }
    for (std::size_t l = 0; l < m_lists.size(); ++l) {
        s.listIndex.at(l) = m_lists.at(l).index;
        s.listEnabled.at(l) = m_lists.at(l).enabled;
    }
    s.parameterString = m_ctx.document.parameterString();
    const VehicleConfig& v = m_ctx.vehicle;
    s.flags = {v.headlampHighBeam, v.headlampCornering, v.headlampDrlBulb, v.ringLights};
    s.oneRearFogLamp = v.oneRearFogLamp;
    return s;
}

void VehicleOptions::restore(const Snapshot& s)
{
    Batch batch(*this);
    for (Option o : AllOptions) {
        box(o).checked = s.checked.at(std::size_t(o));
        box(o).enabled = s.enabled.at(std::size_t(o));
    }
    for (Group g : AllGroups) {
        buttons(g).selected = s.selected.at(std::size_t(g));
        buttons(g).enabled = s.buttonsEnabled.at(std::size_t(g));
    }
    for (List l : {List::combBegruessung, List::combVerabschiedung}) {
        DurationList& list = m_lists.at(std::size_t(l));
        if (list.index != s.listIndex.at(std::size_t(l)))
            m_ctx.settings.save(QString::fromLatin1(SettingsStore::SectionUpper), listKey(l),
                                QString::number(s.listIndex.at(std::size_t(l))));
        list.index = s.listIndex.at(std::size_t(l));
        list.enabled = s.listEnabled.at(std::size_t(l));
    }
    m_ctx.document.setParameterString(s.parameterString);
    VehicleConfig& v = m_ctx.vehicle;
    v.headlampHighBeam = s.flags[0];
    v.headlampCornering = s.flags[1];
    v.headlampDrlBulb = s.flags[2];
    v.ringLights = s.flags[3];
    v.oneRearFogLamp = s.oneRearFogLamp;
    markChanged();
}

void VehicleOptions::request(const QString& text, const QString& title, Prompter::Icon icon)
{
    emit messageRequested(Message{text, title, icon});
}
