#include "shell/PropertiesDialog.h"

#include <QCheckBox>
#include <QPushButton>
#include <QVBoxLayout>

PropertiesDialog::PropertiesDialog(AppContext& ctx, QWidget* parent) : QDialog(parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("PropertiesDialog"));
    setWindowTitle(QStringLiteral("Eigenschaften"));
    auto* layout = new QVBoxLayout(this);
    m_chkAuto = new QCheckBox(QStringLiteral("Automatisch weiter beim Start"), this);
    m_chkAuto->setObjectName(QStringLiteral("chkAuto"));
    m_chkAktivierung = new QCheckBox(QStringLiteral("Lampenbereich unter dem Mauszeiger umrahmen"), this);
    m_chkAktivierung->setObjectName(QStringLiteral("chkAktivierung"));
    auto* registry = new QPushButton(QStringLiteral("Dateityp registrieren"), this);
    registry->setObjectName(QStringLiteral("cmdRegistry"));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    layout->addWidget(m_chkAuto);
    layout->addWidget(m_chkAktivierung);
    layout->addWidget(registry);
    layout->addWidget(ok);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
