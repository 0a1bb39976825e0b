#include "vehicle/ParameterDialog.h"
#include "vehicle/VehicleConfig.h"

#include "core/AppContext.h"
#include "core/Prompter.h"
#include "sequence/SequenceDocument.h"
#include "ui/FitScrollArea.h"
#include "ui/WindowOps.h"
#include "vehicle/VehicleCatalogue.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

using Option = VehicleOptions::Option;
using Group = VehicleOptions::Group;
using List = VehicleOptions::List;

QString optionCaption(Option option)
{
    switch (option) {
    case Option::chkRinge:
        return QStringLiteral("Standlichtringe");
    case Option::chk_Abbiegelicht:
        return QStringLiteral("Abbiegelicht");
    case Option::chkEine_Nebelleuchte:
        return QStringLiteral("Eine  Nebelschlußleuchte in der Mitte");
    case Option::chkTagfahrlicht:
        return QStringLiteral("Tagfahrlicht US");
    case Option::chkStandlicht_US:
        return QStringLiteral("Standlicht US");
    case Option::chkTagfahrlicht_Standlicht:
        return QStringLiteral("Tagfahrlicht über Standlicht");
    case Option::chkCommingHome_Auf:
        return QStringLiteral("Begrüßungslicht");
    case Option::chkCommingHome_Zu:
        return QStringLiteral("Verabschiedungslicht");
    case Option::chkSpiegel_Kurz:
        return QStringLiteral("Spiegel ein und ausklappen, FFB 1x kurz betätigt");
    case Option::chkSpiegel_Lang:
        return QStringLiteral("Spiegel ein und ausklappen, FFB 1x lang betätigt");
    case Option::chkVebel_vorne_vertauschen:
        return QStringLiteral("Nebelscheinwerfer links und rechts vertauschen");
    case Option::chkSoft_Ein:
        return QStringLiteral("Soft ein");
    case Option::E6x_LCI_Modul:
        return QStringLiteral("E60, E61 LCI Rückleuchten - Modul verbaut");
    }
    return {};
}

QString buttonCaption(Group group, int index)
{
    switch (group) {
    case Group::optType:
        return VehicleCatalogue::modelCaption(index);
    case Group::optBauform:
        return VehicleCatalogue::bodyCaption(index);
    case Group::optBaujahr:
        return VehicleCatalogue::yearCaption(index);
    case Group::chkFernlicht:
        return VehicleCatalogue::headlampCaption(index);
    }
    return {};
}

QStringList durationItems()
{
    QStringList items{QStringLiteral("30 Sek."), QStringLiteral("Bis zur letzten Lampe")};
    for (int s = 10; s <= 120; s += 10)
        items.append(QStringLiteral("+ %1 Sek.").arg(s));
    return items;
}

// One of the labParameter labels above an untitled frame, laid out like the
// title of a titled frame, so that all groups of the window look alike.
// The height the dialog needs beside its choices: title bar, margins, OK and Cancel.
constexpr int ButtonsAndTitle = 110;

QVBoxLayout* headedFrame(QLabel* heading, QGroupBox* frame)
{
    auto* column = new QVBoxLayout;
    column->setSpacing(0);
    heading->setContentsMargins(2, 0, 0, 2);
    column->addWidget(heading);
    column->addWidget(frame, 1);
    return column;
}

} // namespace

ParameterDialog::ParameterDialog(AppContext& ctx, WindowOps& ops, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_ops(ops)
{
    setObjectName(QStringLiteral("ParameterDialog"));
    setWindowTitle(QStringLiteral("Fahrzeugtyp - Auswahl und Einstellungen"));
    m_options = new VehicleOptions(ctx, this);
    buildControls();
    layOut();
    connectControls();
    refresh();
}

void ParameterDialog::buildControls()
{
    for (Group g : VehicleOptions::AllGroups) {
        auto* group = new QButtonGroup(this);
        m_buttonGroups.at(std::size_t(g)) = group;
        for (int i = VehicleOptions::firstIndex(g); i <= VehicleOptions::lastIndex(g); ++i) {
            auto* b = new QRadioButton(buttonCaption(g, i), this);
            b->setObjectName(VehicleOptions::controlName(g, i));
            if (g == Group::optType)
                b->setToolTip(VehicleCatalogue::modelTooltip(i));
            group->addButton(b, i);
            m_buttons.at(std::size_t(g)).at(std::size_t(i)) = b;
        }
    }
    for (Option o : VehicleOptions::AllOptions) {
        auto* b = new QCheckBox(optionCaption(o), this);
        b->setObjectName(VehicleOptions::controlName(o));
        m_boxes.at(std::size_t(o)) = b;
    }
    for (List l : {List::combBegruessung, List::combVerabschiedung}) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(VehicleOptions::controlName(l));
        combo->addItems(durationItems());
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        m_lists.at(std::size_t(l)) = combo;
    }
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    m_ok = ok;
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancel->setObjectName(QStringLiteral("cmdAbbrechen"));
    m_cancel = cancel;
}

void ParameterDialog::layOut()
{
    auto heading = [this](int i, const char* caption) {
        auto* label = new QLabel(QString::fromUtf8(caption), this);
        label->setObjectName(QStringLiteral("labParameter(%1)").arg(i));
        return label;
    };
    auto frame = [this](const char* name) {
        auto* f = new QGroupBox(this);
        f->setObjectName(QString::fromLatin1(name));
        return f;
    };

    // Vehicle: model type, body style, model year side by side.
    QGroupBox* typeGroup = frame("grpFahrzeugtyp");
    auto* typeLayout = new QGridLayout(typeGroup);
    for (int i = VehicleCatalogue::FirstModelType; i <= VehicleCatalogue::LastModelType; ++i)
        typeLayout->addWidget(button(Group::optType, i), (i - 1) % 5, (i - 1) / 5);
    typeLayout->setRowStretch(5, 1);

    QGroupBox* bodyGroup = frame("grpBauform");
    auto* bodyLayout = new QVBoxLayout(bodyGroup);
    for (int i = VehicleCatalogue::FirstBodyStyle; i <= VehicleCatalogue::LastBodyStyle; ++i)
        bodyLayout->addWidget(button(Group::optBauform, i));
    bodyLayout->addStretch();

    QGroupBox* yearGroup = frame("grpBaujahr");
    auto* yearLayout = new QVBoxLayout(yearGroup);
    for (int i : {1, 2, 3, 0})
        yearLayout->addWidget(button(Group::optBaujahr, i));
    yearLayout->addStretch();

    auto* vehicleRow = new QHBoxLayout;
    vehicleRow->addLayout(headedFrame(heading(1, "Fahrzeugtyp"), typeGroup), 2);
    vehicleRow->addLayout(headedFrame(heading(2, "Bauform"), bodyGroup), 1);
    vehicleRow->addLayout(headedFrame(heading(3, "Baujahr"), yearGroup), 1);

    // Equipment: headlamps, rings, fog lamp.
    QGroupBox* lampGroup = frame("grpFernlicht");
    auto* lampLayout = new QGridLayout(lampGroup);
    for (int i = VehicleCatalogue::FirstHeadlamp; i <= VehicleCatalogue::LastHeadlamp; ++i)
        lampLayout->addWidget(button(Group::chkFernlicht, i), i - 1, 0);
    lampLayout->addWidget(box(Option::chkRinge), 0, 1);
    lampLayout->addWidget(box(Option::chkEine_Nebelleuchte), 1, 1);
    lampLayout->setColumnStretch(0, 1);

    // What the module does by itself.
    auto* lightFrame = new QGroupBox(QStringLiteral(" Lichtfunktionen "), this);
    lightFrame->setObjectName(QStringLiteral("Frame7"));
    auto* lightLayout = new QGridLayout(lightFrame);
    int row = 0;
    for (Option o : {Option::chk_Abbiegelicht, Option::chkTagfahrlicht, Option::chkStandlicht_US,
                     Option::chkTagfahrlicht_Standlicht})
        lightLayout->addWidget(box(o), row++, 0, 1, 2);
    lightLayout->addWidget(box(Option::chkCommingHome_Auf), row, 0);
    lightLayout->addWidget(list(List::combBegruessung), row++, 1);
    lightLayout->addWidget(box(Option::chkSoft_Ein), row++, 0, 1, 2);
    lightLayout->addWidget(box(Option::chkCommingHome_Zu), row, 0);
    lightLayout->addWidget(list(List::combVerabschiedung), row++, 1);
    lightLayout->setRowStretch(row, 1);
    lightLayout->setColumnStretch(0, 1);

    auto* vehicleFrame = new QGroupBox(QStringLiteral(" Fahrzeugfunktionen "), this);
    vehicleFrame->setObjectName(QStringLiteral("Frame4"));
    auto* functionLayout = new QVBoxLayout(vehicleFrame);
    for (Option o : {Option::chkSpiegel_Kurz, Option::chkSpiegel_Lang, Option::chkVebel_vorne_vertauschen,
                     Option::E6x_LCI_Modul})
        functionLayout->addWidget(box(o));
    functionLayout->addStretch();

    auto* functionsRow = new QHBoxLayout;
    functionsRow->addWidget(lightFrame, 1);
    functionsRow->addWidget(vehicleFrame, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    // The choices scroll on a screen too small for them; OK and Cancel stay in sight.
    auto* choices = new QWidget;
    choices->setObjectName(QStringLiteral("choices"));
    auto* choiceLayout = new QVBoxLayout(choices);
    choiceLayout->setContentsMargins(0, 0, 0, 0);
    choiceLayout->addLayout(vehicleRow);
    choiceLayout->addLayout(headedFrame(heading(4, "Fernlichtscheinwerfer und Standlichtringe"), lampGroup));
    choiceLayout->addLayout(functionsRow);
    auto* scroll = new FitScrollArea(ButtonsAndTitle, this);
    scroll->setObjectName(QStringLiteral("choicesScroll"));
    scroll->setWidget(choices);

    auto* main = new QVBoxLayout(this);
    main->addWidget(scroll, 1);
    main->addLayout(buttons);
    // The window grows and shrinks with its captions when the language changes.
    main->setSizeConstraint(QLayout::SetFixedSize);
}

void ParameterDialog::connectControls()
{
    for (Group g : VehicleOptions::AllGroups) {
        connect(m_buttonGroups.at(std::size_t(g)), &QButtonGroup::idClicked, this,
                [this, g](int index) { m_options->select(g, index); });
    }
    for (Option o : VehicleOptions::AllOptions) {
        connect(box(o), &QCheckBox::clicked, this,
                [this, o](bool checked) { m_options->setChecked(o, checked); });
    }
    for (List l : {List::combBegruessung, List::combVerabschiedung}) {
        connect(list(l), &QComboBox::activated, this,
                [this, l](int index) { m_options->chooseListIndex(l, index); });
    }
    connect(m_ok, &QAbstractButton::clicked, this, &ParameterDialog::cmdOK_Click);
    connect(m_cancel, &QAbstractButton::clicked, this, &ParameterDialog::reject);
    connect(m_options, &VehicleOptions::changed, this, &ParameterDialog::refresh);
    connect(m_options, &VehicleOptions::messageRequested, this,
            [this](const VehicleOptions::Message& m) { m_ctx.prompter.message(m.text, m.title, m.icon); });
}

void ParameterDialog::refresh()
{
    for (Group g : VehicleOptions::AllGroups) {
        // Exclusive groups keep one button checked; a stored year may leave none.
        QButtonGroup* group = m_buttonGroups.at(std::size_t(g));
        group->setExclusive(false);
        for (int i = VehicleOptions::firstIndex(g); i <= VehicleOptions::lastIndex(g); ++i) {
            QRadioButton* b = button(g, i);
            b->setChecked(m_options->isSelected(g, i));
            b->setEnabled(m_options->isEnabled(g, i));
        }
        group->setExclusive(true);
    }
    for (Option o : VehicleOptions::AllOptions) {
        box(o)->setChecked(m_options->isChecked(o));
        box(o)->setEnabled(m_options->isEnabled(o));
    }
    for (List l : {List::combBegruessung, List::combVerabschiedung}) {
        list(l)->setCurrentIndex(m_options->listIndex(l));
        list(l)->setEnabled(m_options->isEnabled(l));
    }
}

QRadioButton* ParameterDialog::button(Group group, int index) const
{
    if (index < VehicleOptions::firstIndex(group) || index > VehicleOptions::lastIndex(group))
        return nullptr;
    return m_buttons.at(std::size_t(group)).at(std::size_t(index));
}

QCheckBox* ParameterDialog::box(Option option) const
{
    return m_boxes.at(std::size_t(option));
}

QComboBox* ParameterDialog::list(List which) const
{
    return m_lists.at(std::size_t(which));
}

void ParameterDialog::setGreetingIndex(int index)
{
    m_options->setListIndex(List::combBegruessung, index);
}

void ParameterDialog::setFarewellIndex(int index)
{
    m_options->setListIndex(List::combVerabschiedung, index);
}

void ParameterDialog::applyDocumentVehicle()
{
    m_options->ApplyDocumentVehicle();
}

QString ParameterDialog::selectionCaption() const
{
    return m_options->selectionCaption([this](Group g, int i) { return button(g, i)->text(); });
}

ModelLayout ParameterDialog::modelLayout() const
{
    const VehicleConfig& v = m_ctx.vehicle;
    return ::modelLayout(m_ctx.document.vehicleCode(), v.headlampHighBeam != 0, v.headlampCornering != 0,
                         m_options->isChecked(Option::chkEine_Nebelleuchte));
}

void ParameterDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // A window manager showing it again (after minimising) opens nothing new.
    if (!event->spontaneous())
        m_opened = m_options->snapshot();
}

ParameterDialog::Choice ParameterDialog::appliedChoice() const
{
    Choice applied{m_ctx.document.vehicleCode(), m_ctx.document.parameterString(), m_ctx.vehicle};
    if (m_opened) {
        applied.parameterString = m_opened->parameterString;
        applied.vehicle.headlampHighBeam = m_opened->flags[0];
        applied.vehicle.headlampCornering = m_opened->flags[1];
        applied.vehicle.headlampDrlBulb = m_opened->flags[2];
        applied.vehicle.ringLights = m_opened->flags[3];
        applied.vehicle.oneRearFogLamp = m_opened->oneRearFogLamp;
    }
    return applied;
}

void ParameterDialog::cmdOK_Click()
{
    const Choice before = appliedChoice();
    const Choice after{m_options->selectedVehicleCode(), m_ctx.document.parameterString(), m_ctx.vehicle};
    const bool differs = after.code != before.code || after.parameterString != before.parameterString;
    if (differs && m_changeCheck && !m_changeCheck(before, after))
        return;
    m_options->cmdOK_Click();
    m_ctx.document.noteVehicleChange({before.code, before.parameterString});
    m_opened.reset();
    m_ops.modellauswahl();
    m_ops.lichtAus();
    accept();
}

void ParameterDialog::reject()
{
    if (m_opened)
        m_options->restore(*m_opened);
    m_opened.reset();
    QDialog::reject();
}
