#include "app/LanguageDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

LanguageDialog::LanguageDialog(const QStringList& languages, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("LanguageDialog"));
    setWindowTitle(QStringLiteral("Language"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(QStringLiteral("Please select your Language"), this);
    label->setObjectName(QStringLiteral("lblLanguage"));
    m_comLanguage = new QComboBox(this);
    m_comLanguage->setObjectName(QStringLiteral("comLanguage"));
    m_comLanguage->setEditable(false);
    // The design-time text; the scanned names follow.
    if (languages.isEmpty())
        m_comLanguage->addItem(QStringLiteral("Deutsch"));
    m_comLanguage->addItems(languages);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    layout->addWidget(label);
    layout->addWidget(m_comLanguage);
    layout->addWidget(ok, 0, Qt::AlignRight);
    setMinimumWidth(300);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

QString LanguageDialog::chosenLanguage() const
{
    return m_comLanguage->currentText();
}
