// VehicleOptions: the rules of the vehicle choice. The model type decides
// the body styles, the body style the model years, and the make which
// headlamp choices and light options exist.

#include "vehicle/OptionString.h"
#include "vehicle/VehicleConfig.h"
#include "vehicle/VehicleOptions.h"

#include "core/AppContext.h"
#include "core/LangText.h"
#include "sequence/SequenceDocument.h"
#include "vehicle/VehicleCatalogue.h"

using namespace OptionString;

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
    QString text = m_ctx.texts.text(227) + QStringLiteral("  ") + caption(Group::optType) +
                   QStringLiteral(" / ") + caption(Group::optBauform);
    const int year = selected(Group::optBaujahr);
    if (year >= 0 && isEnabled(Group::optBaujahr, year))
        text += QStringLiteral(" / ") + captionOf(Group::optBaujahr, year);
    return text;
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
