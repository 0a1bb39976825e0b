#include "views/PatternDialog.h"

#include "core/LangText.h"
#include "core/Prompter.h"
#include "sequence/Interval.h"
#include "sequence/Pieces.h"
#include "views/HitTest.h"
#include "views/playback/PlayOrder.h"

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
                             std::function<void(const LampBytes&)> preview, QWidget* parent,
                             const Pieces* pieces, Prompter* prompter)
    : QDialog(parent), m_lamps(std::move(lamps)), m_preview(std::move(preview)), m_texts(texts),
      m_pieces(pieces), m_prompter(prompter)
{
    setObjectName(QStringLiteral("PatternDialog"));
    setWindowTitle(texts.text(TitleText));

    m_blink = named(new QRadioButton(texts.text(BlinkText)), "optBlinken");
    m_chase = named(new QRadioButton(texts.text(ChaseText)), "optLauflicht");
    m_alternate = named(new QRadioButton(texts.text(AlternateText)), "optWechsel");
    m_piece = named(new QRadioButton(texts.text(PieceText)), "optBaustein");
    m_blink->setChecked(true);
    auto* kinds = new QHBoxLayout;
    for (QRadioButton* kind : {m_blink, m_chase, m_alternate, m_piece})
        kinds->addWidget(kind);
    m_piece->setVisible(m_pieces != nullptr);

    // The user's pieces, with what can be done to them.
    m_pieceList = named(new QListWidget, "lstBausteine");
    m_rename = named(new QPushButton(texts.text(RenameText)), "cmdUmbenennen");
    m_delete = named(new QPushButton(texts.text(DeleteText)), "cmdBausteinLoeschen");
    auto* pieceButtons = new QHBoxLayout;
    pieceButtons->addWidget(m_rename);
    pieceButtons->addWidget(m_delete);
    pieceButtons->addStretch(1);

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
    auto* lampsLabel = new QLabel(texts.text(LampsText));
    layout->addWidget(lampsLabel);
    layout->addWidget(m_list);
    layout->addWidget(m_allLamps);
    layout->addLayout(times);
    layout->addWidget(m_pieceList);
    layout->addLayout(pieceButtons);
    layout->addWidget(m_buttons);
    // A pattern shows its lamps and times, a piece the list of pieces.
    const QList<QWidget*> patternOnly{lampsLabel,
                                      m_list,
                                      m_allLamps,
                                      m_repeats,
                                      m_on,
                                      m_off,
                                      m_return,
                                      times->labelForField(m_repeats),
                                      times->labelForField(m_on),
                                      times->labelForField(m_off)};
    const QList<QWidget*> pieceOnly{m_pieceList, m_rename, m_delete};
    for (QWidget* w : pieceOnly)
        w->setVisible(false);
    connect(m_piece, &QRadioButton::toggled, this, [patternOnly, pieceOnly](bool piece) {
        for (QWidget* w : patternOnly) {
            if (w)
                w->setHidden(piece);
        }
        for (QWidget* w : pieceOnly)
            w->setVisible(piece);
    });
    connect(m_pieceList, &QListWidget::currentRowChanged, this, &PatternDialog::changed);
    connect(m_rename, &QPushButton::clicked, this, &PatternDialog::renamePiece);
    connect(m_delete, &QPushButton::clicked, this, &PatternDialog::deletePiece);
    fillPieces(QString());

    for (QRadioButton* kind : {m_blink, m_chase, m_alternate, m_piece})
        connect(kind, &QRadioButton::toggled, this, &PatternDialog::changed);
    connect(m_list, &QListWidget::itemChanged, this, &PatternDialog::changed);
    connect(m_repeats, &QSpinBox::valueChanged, this, &PatternDialog::changed);
    connect(m_on, &QDoubleSpinBox::valueChanged, this, &PatternDialog::changed);
    connect(m_off, &QDoubleSpinBox::valueChanged, this, &PatternDialog::changed);
    connect(m_return, &QCheckBox::toggled, this, &PatternDialog::changed);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_step = (m_step + 1) % int(m_order.size());
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

QList<SequenceRow> PatternDialog::rows() const
{
    if (m_piece->isChecked())
        return m_pieces && !pieceName().isEmpty() ? m_pieces->rows(pieceName()) : QList<SequenceRow>{};
    return Patterns::generate(settings());
}

QString PatternDialog::pieceName() const
{
    const QListWidgetItem* item = m_piece->isChecked() ? m_pieceList->currentItem() : nullptr;
    return item ? item->text() : QString();
}

void PatternDialog::changed()
{
    const Patterns::Kind kind = settings().kind;
    m_off->setEnabled(kind == Patterns::Kind::Blink);
    m_return->setEnabled(kind == Patterns::Kind::Chase);
    m_allLamps->setEnabled(kind == Patterns::Kind::Alternate);
    m_rename->setEnabled(!pieceName().isEmpty());
    m_delete->setEnabled(!pieceName().isEmpty());
    m_steps = rows();
    // Played as playback plays it: a piece's loops repeat.
    m_order.clear();
    m_orderMs.clear();
    for (const PlayOrder::Step& s : PlayOrder::of(m_steps).steps) {
        m_order.append(s.row - 1);
        m_orderMs.append(std::clamp<qint64>(s.ms, 40, 60000));
    }
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(!m_steps.isEmpty());
    m_step = 0;
    previewStep();
}

void PatternDialog::previewStep()
{
    m_timer.stop();
    if (m_order.isEmpty()) {
        m_preview({});
        return;
    }
    m_preview(m_steps.at(m_order.at(m_step)).lamps);
    m_timer.start(int(m_orderMs.at(m_step)));
}

void PatternDialog::fillPieces(const QString& current)
{
    const QSignalBlocker quiet(m_pieceList);
    m_pieceList->clear();
    if (!m_pieces)
        return;
    const QStringList names = m_pieces->names();
    m_pieceList->addItems(names);
    m_pieceList->setCurrentRow(std::max(0, int(names.indexOf(current))));
    m_piece->setEnabled(!names.isEmpty());
    if (names.isEmpty() && m_piece->isChecked())
        m_blink->setChecked(true);
}

void PatternDialog::renamePiece()
{
    const QString name = pieceName();
    if (name.isEmpty() || !m_prompter)
        return;
    const std::optional<QString> newName = m_prompter->askText(m_texts.text(NameText), windowTitle(), name);
    if (!newName || *newName == name)
        return;
    if (!m_pieces->rename(name, *newName)) {
        m_prompter->message(m_texts.text(BadNameText), windowTitle(), Prompter::Icon::Exclamation);
        return;
    }
    fillPieces(*newName);
    changed();
}

void PatternDialog::deletePiece()
{
    const QString name = pieceName();
    if (name.isEmpty() || !m_prompter)
        return;
    if (!m_prompter->askYesNoDefaultNo(m_texts.text(DeleteQuestionText).arg(name), windowTitle()))
        return;
    m_pieces->remove(name);
    fillPieces(QString());
    changed();
}
