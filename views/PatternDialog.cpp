#include "views/PatternDialog.h"

#include "core/LangText.h"
#include "sequence/Interval.h"
#include "views/HitTest.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>

namespace {

template <typename W> W* named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromUtf8(name));
    return widget;
}

QDoubleSpinBox* seconds(const char* name, const QLocale& locale, double value)
{
    auto* box = named(new QDoubleSpinBox, name);
    box->setLocale(locale);
    box->setDecimals(1);
    box->setSingleStep(0.1);
    box->setRange(Interval::MinTenths / 10.0, Interval::MaxTenths / 10.0);
    box->setSuffix(QStringLiteral(" s"));
    box->setValue(value);
    return box;
}

int tenths(const QDoubleSpinBox* box)
{
    return int(std::lround(box->value() * 10.0));
}

} // namespace

PatternDialog::PatternDialog(const LangText& texts, const QLocale& locale, std::vector<Patterns::Lamp> lamps,
                             std::function<void(const LampBytes&)> preview, QWidget* parent)
    : QDialog(parent), m_lamps(std::move(lamps)), m_preview(std::move(preview))
{
    setObjectName(QStringLiteral("PatternDialog"));
    setWindowTitle(texts.text(TitleText));

    m_blink = named(new QRadioButton(texts.text(BlinkText)), "optBlinken");
    m_chase = named(new QRadioButton(texts.text(ChaseText)), "optLauflicht");
    m_alternate = named(new QRadioButton(texts.text(AlternateText)), "optWechsel");
    m_blink->setChecked(true);
    auto* kinds = new QHBoxLayout;
    for (QRadioButton* kind : {m_blink, m_chase, m_alternate})
        kinds->addWidget(kind);

    // The lamps under the heading of their view: the front and the rear
    // lamps of one side have the same names.
    m_list = named(new QListWidget, "lstLampen");
    int view = 0;
    for (std::size_t i = 0; i < m_lamps.size(); ++i) {
        const Patterns::Lamp& lamp = m_lamps[i];
        if (lamp.view != view) {
            view = lamp.view;
            auto* heading = new QListWidgetItem(texts.text(FirstViewText + view - 1), m_list);
            heading->setFlags(Qt::ItemIsEnabled);
            QFont bold = heading->font();
            bold.setBold(true);
            heading->setFont(bold);
        }
        auto* item = new QListWidgetItem(HitTest::lampName(lamp.textNumber, lamp.suffix, texts), m_list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        item->setData(Qt::UserRole, int(i));
    }
    m_list->setMinimumHeight(180);
    m_allLamps = named(new QLabel(texts.text(AllLampsText)), "labAlleLampen");
    m_allLamps->setWordWrap(true);

    m_repeats = named(new QSpinBox, "spinDurchlaeufe");
    m_repeats->setRange(1, 100);
    m_repeats->setValue(3);
    m_on = seconds("spinEin", locale, 0.5);
    m_off = seconds("spinAus", locale, 0.5);
    m_return = named(new QCheckBox(texts.text(ReturnText)), "chkRuecklauf");
    auto* times = new QFormLayout;
    times->addRow(texts.text(PassesText), m_repeats);
    times->addRow(texts.text(OnText), m_on);
    times->addRow(texts.text(OffText), m_off);
    times->addRow(QString(), m_return);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(kinds);
    layout->addWidget(new QLabel(texts.text(LampsText)));
    layout->addWidget(m_list);
    layout->addWidget(m_allLamps);
    layout->addLayout(times);
    layout->addWidget(m_buttons);

    for (QRadioButton* kind : {m_blink, m_chase, m_alternate})
        connect(kind, &QRadioButton::toggled, this, &PatternDialog::changed);
    connect(m_list, &QListWidget::itemChanged, this, &PatternDialog::changed);
    connect(m_repeats, &QSpinBox::valueChanged, this, &PatternDialog::changed);
    connect(m_on, &QDoubleSpinBox::valueChanged, this, &PatternDialog::changed);
    connect(m_off, &QDoubleSpinBox::valueChanged, this, &PatternDialog::changed);
    connect(m_return, &QCheckBox::toggled, this, &PatternDialog::changed);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_step = (m_step + 1) % int(m_steps.size());
        previewStep();
    });
    changed();
}

Patterns::Settings PatternDialog::settings() const
{
    Patterns::Settings s;
    s.kind = m_chase->isChecked()       ? Patterns::Kind::Chase
             : m_alternate->isChecked() ? Patterns::Kind::Alternate
                                        : Patterns::Kind::Blink;
    for (int i = 0; i < m_list->count(); ++i) {
        const QListWidgetItem* item = m_list->item(i);
        if ((item->flags() & Qt::ItemIsUserCheckable) && item->checkState() == Qt::Checked)
            s.lamps.push_back(m_lamps[item->data(Qt::UserRole).toUInt()].bytes);
    }
    // Alternating without a choice takes every lamp.
    if (s.lamps.empty() && s.kind == Patterns::Kind::Alternate) {
        for (const Patterns::Lamp& lamp : m_lamps)
            s.lamps.push_back(lamp.bytes);
    }
    s.repeats = m_repeats->value();
    s.onTenths = tenths(m_on);
    s.offTenths = tenths(m_off);
    s.withReturn = m_return->isChecked();
    return s;
}

void PatternDialog::changed()
{
    const Patterns::Kind kind = settings().kind;
    m_off->setEnabled(kind == Patterns::Kind::Blink);
    m_return->setEnabled(kind == Patterns::Kind::Chase);
    m_allLamps->setEnabled(kind == Patterns::Kind::Alternate);
    m_steps = rows();
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(!m_steps.isEmpty());
    m_step = 0;
    previewStep();
}

void PatternDialog::previewStep()
{
    m_timer.stop();
    if (m_steps.isEmpty()) {
        m_preview({});
        return;
    }
    const SequenceRow& step = m_steps.at(m_step);
    m_preview(step.lamps);
    m_timer.start(int(Interval::toMilliseconds(step.interval)));
}
