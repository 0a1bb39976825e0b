#include "app/VehicleChangeCheck.h"

#include "core/AppContext.h"
#include "core/LangText.h"
#include "core/Prompter.h"
#include "sequence/SequenceDocument.h"
#include "views/ShowAdapter.h"

namespace VehicleChangeCheck {

std::vector<GridLamp> lampsOf(const ParameterDialog::Choice& choice)
{
    return ShowAdapter::lampsOf(choice.code, choice.vehicle);
}

bool confirm(AppContext& ctx, const ParameterDialog::Choice& before, const ParameterDialog::Choice& after)
{
    const SequenceDocument& doc = ctx.document;
    if (doc.isEmpty())
        return true;
    const std::vector<ShowGridLamps::MissingLamp> missing =
        ShowGridLamps::missing(lampsOf(before), LampOptions::of(before.code, before.vehicle), lampsOf(after),
                               {doc.table(0).rows(), doc.table(1).rows()});
    if (missing.empty())
        return true;
    const LangText& t = ctx.texts;
    const QString crLf = QStringLiteral("\r\n");
    QString text = t.text(LackingText) + crLf;
    for (const ShowGridLamps::MissingLamp& m : missing) {
        text += QStringLiteral("  - ") + t.text(m.lamp.textNumber) + m.lamp.suffix + QStringLiteral(": ") +
                QString::number(m.steps) + t.text(m.steps == 1 ? StepText : StepsText) + crLf;
    }
    text += crLf + t.text(QuestionText);
    return ctx.prompter.askYesNo(text, QString());
}

} // namespace VehicleChangeCheck
