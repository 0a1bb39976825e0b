#include "shell/PropertiesDialog.h"

#include "core/AppContext.h"
#include "core/LangText.h"
#include "core/SettingsStore.h"
#include "shell/FileTypeRegistration.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kSection = QString::fromLatin1(SettingsStore::Section);

QLabel* explanation(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setWordWrap(true);
    // Wide enough for the headings of every language on one line.
    label->setMinimumWidth(380);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QFrame* line(QWidget* parent)
{
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::HLine);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

} // namespace

PropertiesDialog::PropertiesDialog(AppContext& ctx, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_registrar(new FileTypeRegistrar(this))
{
    setObjectName(QStringLiteral("PropertiesDialog"));
    setWindowTitle(QStringLiteral("Eigenschaften"));

    m_label1 = explanation("Label1", this);
    m_chkAktivierung = new QCheckBox(QStringLiteral("Aktivierungsbereich anzeigen"), this);
    m_chkAktivierung->setObjectName(QStringLiteral("chkAktivierung"));
    m_chkAuto = new QCheckBox(QStringLiteral("Funktion \"Autom.\" beim Programmstart aktivieren"), this);
    m_chkAuto->setObjectName(QStringLiteral("chkAuto"));
    m_label2 = explanation("Label2", this);
    m_cmdRegistry = new QPushButton(QStringLiteral("Dateiendung neu registrieren"), this);
    m_cmdRegistry->setObjectName(QStringLiteral("cmdRegistry"));
    m_cmdOK = new QPushButton(QStringLiteral("OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setDefault(true);

    auto* registry = new QHBoxLayout;
    registry->addWidget(m_cmdRegistry);
    registry->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdOK);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->addWidget(m_label1);
    layout->addWidget(m_chkAktivierung);
    layout->addWidget(m_chkAuto);
    layout->addSpacing(6);
    layout->addWidget(line(this));
    layout->addWidget(m_label2);
    layout->addLayout(registry);
    layout->addSpacing(6);
    layout->addWidget(line(this));
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // clicked, not toggled: the settings loader ticks the boxes without saving.
    connect(m_chkAktivierung, &QCheckBox::clicked, this, &PropertiesDialog::chkAktivierungClick);
    connect(m_chkAuto, &QCheckBox::clicked, this, &PropertiesDialog::chkAutoClick);
    connect(m_cmdRegistry, &QPushButton::clicked, this, &PropertiesDialog::cmdRegistryClick);
    connect(m_registrar, &FileTypeRegistrar::finished, m_cmdRegistry,
            [this] { m_cmdRegistry->setEnabled(true); });
    connect(m_cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    refreshLabels();
}

void PropertiesDialog::chkAktivierungClick()
{
    m_ctx.settings.save(kSection, QStringLiteral("Aktivierung"),
                        m_chkAktivierung->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
}

void PropertiesDialog::chkAutoClick()
{
    // A preference for the next start; automatic advance of this run stays as it is.
    m_ctx.settings.save(kSection, QStringLiteral("Eigenschaften"),
                        m_chkAuto->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
}

void PropertiesDialog::cmdRegistryClick()
{
    // Off until the desktop's databases are updated, so runs never overlap.
    m_cmdRegistry->setEnabled(false);
    m_registrar->start(
        sequenceFileRegistration(m_ctx.programFolder, QCoreApplication::applicationFilePath()));
}

void PropertiesDialog::showEvent(QShowEvent* event)
{
    refreshLabels();
    QDialog::showEvent(event);
}

void PropertiesDialog::refreshLabels()
{
    m_label1->setText(m_ctx.texts.text(DisplayHeadingText));
    m_label2->setText(m_ctx.texts.text(FileTypeText));
}
