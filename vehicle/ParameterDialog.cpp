#include "vehicle/ParameterDialog.h"

#include "app/AppContext.h"
#include "sequence/SequenceDocument.h"
#include "ui/WindowOps.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QVBoxLayout>

// Placeholder until the vehicle catalogue and option rules are bound here:
// the window exists with its name, title and the controls the start-up reads.
ParameterDialog::ParameterDialog(AppContext& ctx, WindowOps& ops, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_ops(ops)
{
    setObjectName(QStringLiteral("ParameterDialog"));
    setWindowTitle(QStringLiteral("Fahrzeugtyp - Auswahl und Einstellungen"));
    auto* layout = new QVBoxLayout(this);
    auto* daytime = new QCheckBox(QStringLiteral("Tagfahrlicht US"), this);
    daytime->setObjectName(QStringLiteral("chkTagfahrlicht"));
    layout->addWidget(daytime);
    for (const char* name : {"combBegrüßung", "combVerabschiedung"}) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(QString::fromUtf8(name));
        combo->addItem(QStringLiteral("30 Sek."));
        combo->addItem(QStringLiteral("Bis zur letzten Lampe"));
        for (int s = 10; s <= 120; s += 10)
            combo->addItem(QStringLiteral("+ %1 Sek.").arg(s));
        layout->addWidget(combo);
    }
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    layout->addWidget(ok);
    connect(ok, &QPushButton::clicked, this, [this] {
        m_ops.modellauswahl();
        m_ops.lichtAus();
        hide();
        accept();
    });
}

void ParameterDialog::setGreetingIndex(int index)
{
    findChild<QComboBox*>(QStringLiteral("combBegrüßung"))->setCurrentIndex(index);
}

void ParameterDialog::setFarewellIndex(int index)
{
    findChild<QComboBox*>(QStringLiteral("combVerabschiedung"))->setCurrentIndex(index);
}

void ParameterDialog::applyDocumentVehicle() {}

QString ParameterDialog::selectionCaption() const
{
    return QStringLiteral("Fahrzeugauswahl:  ") + m_ctx.document.vehicleCode();
}
