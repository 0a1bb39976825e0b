#include "shell/InfoDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

InfoDialog::InfoDialog(AppContext& ctx, QWidget* parent) : QDialog(parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("InfoDialog"));
    setWindowTitle(QStringLiteral("Info"));
    auto* layout = new QVBoxLayout(this);
    auto* version = new QLabel(QStringLiteral("Software Version %1.%2.%3")
                                   .arg(VANTOR_VERSION_MAJOR)
                                   .arg(VANTOR_VERSION_MINOR)
                                   .arg(VANTOR_VERSION_PATCH),
                               this);
    version->setObjectName(QStringLiteral("labSW_Version"));
    auto* close = new QPushButton(QStringLiteral("Ende"), this);
    close->setObjectName(QStringLiteral("cmdEnde"));
    layout->addWidget(version);
    layout->addWidget(close);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}
