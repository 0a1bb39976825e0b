#include "module/SearchDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

SearchDialog::SearchDialog(QWidget* parent)
    : QDialog(parent), m_label(new QLabel(this)), m_bar(new QProgressBar(this))
{
    setObjectName(QStringLiteral("SearchDialog"));
    setModal(false);
    setMinimumWidth(420);
    m_label->setObjectName(QStringLiteral("labSuche"));
    // "2 / 4": the port being tried of all to try.
    m_bar->setFormat(QStringLiteral("%v / %m"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &SearchDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_bar);
    layout->addWidget(buttons);
}

void SearchDialog::showTrying(int index, int count, const QString& text)
{
    m_label->setText(text);
    m_bar->setRange(0, count);
    m_bar->setValue(index);
}

void SearchDialog::reject()
{
    hide();
    emit canceled();
}
