#include "module/ConnectDialog.h"

#include <QLabel>
#include <QVBoxLayout>

ConnectDialog::ConnectDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ConnectDialog"));
    setWindowTitle(QStringLiteral("Verbindung"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(QStringLiteral("Verbindung zum Modul wird aufgebaut ..."), this);
    label->setObjectName(QStringLiteral("labVerbindungsaufbau"));
    layout->addWidget(label);
}
