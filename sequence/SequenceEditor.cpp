#include "sequence/SequenceEditor.h"

#include "app/AppContext.h"
#include "app/LangText.h"
#include "app/MainWindowUi.h"
#include "sequence/Interval.h"
#include "sequence/SequenceDocument.h"
#include "ui/WindowOps.h"

#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QTreeView>

SequenceEditor::SequenceEditor(AppContext& ctx, MainWindowUi& ui, WindowOps& ops, QObject* parent)
    : QObject(parent), m_ctx(ctx), m_ui(ui), m_ops(ops)
{
    SequenceDocument& doc = m_ctx.document;
    for (int k = 0; k < 2; ++k) {
        QTreeView* view = m_ui.List1[std::size_t(k)];
        view->setModel(&doc.table(k));
        view->setSelectionModel(&doc.selection(k));
        view->header()->resizeSection(0, 80);
        view->header()->setStretchLastSection(true);
        connect(m_ui.optAuf_Zu[std::size_t(k)], &QRadioButton::clicked, this, [this, k] { selectSequence(k); });
    }
    connect(m_ui.sliderZeitein, &QSlider::valueChanged, this, &SequenceEditor::refreshIntervalLabel);
}

void SequenceEditor::refreshIntervalLabel()
{
    m_ui.labZeitein->setText(Interval::fromSlider(m_ui.sliderZeitein->value()) + m_ctx.texts.text(76));
}

void SequenceEditor::selectSequence(int k)
{
    if (k != 0 && k != 1)
        return;
    m_ctx.document.setActiveSequence(k);
    m_ui.List1[0]->setVisible(k == 0);
    m_ui.List1[1]->setVisible(k == 1);
    m_ui.optAuf_Zu[std::size_t(k)]->setChecked(true);
}

// Not written yet: the row commands follow.
void SequenceEditor::appendStep() {}
