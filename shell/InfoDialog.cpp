#include "shell/InfoDialog.h"

#include "core/AppContext.h"
#include "core/Config.h"
#include "core/LangText.h"
#include "shell/Hyperlink.h"
#include "shell/LinkTarget.h"
#include "shell/Logo.h"
#include "shell/LogoWipe.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QString versionText()
{
    return QStringLiteral("%1.%2.%3")
        .arg(VANTOR_VERSION_MAJOR)
        .arg(VANTOR_VERSION_MINOR)
        .arg(VANTOR_VERSION_PATCH);
}

QFont captionFont(int pointSize, bool bold = false)
{
    QFont font;
    font.setFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

QFont productFont(int pointSize, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

QLabel* label(const char* name, const QString& text, const QFont& font, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromUtf8(name));
    l->setFont(font);
    return l;
}

} // namespace

InfoDialog::InfoDialog(AppContext& ctx, QWidget* parent) : QDialog(parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("InfoDialog"));
    setWindowTitle(QStringLiteral("Info"));

    m_Picture1 = new QLabel(this);
    m_Picture1->setObjectName(QStringLiteral("Picture1"));
    m_Picture1->setPixmap(QPixmap::fromImage(Logo::emblem(64)));
    // Keeps its place while hidden, so nothing moves when it appears.
    QSizePolicy keep = m_Picture1->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    m_Picture1->setSizePolicy(keep);

    m_Label2 = label("Label2", QStringLiteral("Vantor 2.1"), productFont(20, true), this);
    m_labSW_Version =
        label("labSW_Version", QStringLiteral("Software Version ") + versionText(), productFont(10), this);
    m_labSoftware = label("labSoftware", QString(), captionFont(10), this);
    m_labInternet = label("labInternet", QStringLiteral("Internet:"), captionFont(10), this);
    m_labMail = label("labMail", QStringLiteral("E-Mail:"), captionFont(10), this);

    auto* web = label("txtHyperlink", QString(), captionFont(10), this);
    auto* mail = label("txtE_Mail", QString(), captionFont(10), this);
    const QString webAddress = QString::fromLatin1(Config::MakerWebAddress);
    const QString mailAddress = QString::fromLatin1(Config::MakerMailAddress);
    m_web = new Hyperlink(web, webAddress, webAddress, desktopLauncher());
    m_mail =
        new Hyperlink(mail, mailAddress, mailLink(mailAddress, mailSubject(), mailBody()), desktopLauncher());

    m_wipe = new LogoWipe(Logo::banner(558, 96), this);
    m_wipe->setObjectName(QStringLiteral("Picture2"));

    m_cmdEnde = new QPushButton(QStringLiteral("Schliessen"), this);
    m_cmdEnde->setObjectName(QStringLiteral("cmdEnde"));
    m_cmdEnde->setDefault(true);

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setSingleShot(true);
    m_timer1->setInterval(WipeDelayMs);

    auto* heading = new QVBoxLayout;
    heading->addWidget(m_Label2);
    heading->addWidget(m_labSW_Version);
    auto* top = new QHBoxLayout;
    top->addWidget(m_Picture1);
    top->addSpacing(12);
    top->addLayout(heading);
    top->addStretch();

    auto* contact = new QGridLayout;
    contact->addWidget(m_labSoftware, 0, 0, 1, 2);
    contact->addWidget(m_labInternet, 1, 0);
    contact->addWidget(web, 1, 1);
    contact->addWidget(m_labMail, 2, 0);
    contact->addWidget(mail, 2, 1);
    contact->setColumnStretch(1, 1);
    contact->setHorizontalSpacing(12);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdEnde);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(10);
    layout->addLayout(top);
    layout->addSpacing(6);
    layout->addLayout(contact);
    layout->addSpacing(6);
    layout->addWidget(m_wipe, 0, Qt::AlignHCenter);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_cmdEnde, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_timer1, &QTimer::timeout, this, &InfoDialog::startWipe);
    connect(m_wipe, &LogoWipe::finished, m_Picture1, &QWidget::show);
    refreshTexts();
}

void InfoDialog::setLauncher(LinkLauncher& launcher)
{
    m_web->setLauncher(launcher);
    m_mail->setLauncher(launcher);
}

QString InfoDialog::mailSubject()
{
    return QStringLiteral("Vantor 2.1");
}

QString InfoDialog::mailBody()
{
    return QStringLiteral("Software Version ") + versionText() + QStringLiteral("\r\n\r\n");
}

void InfoDialog::refreshTexts()
{
    // The language can change while the program runs; the window stays loaded.
    m_labSoftware->setText(m_ctx.texts.text(AuthorText));
}

void InfoDialog::showEvent(QShowEvent* event)
{
    refreshTexts();
    m_Picture1->hide();
    m_wipe->reset(); // nothing shows until the delay is over
    m_timer1->start();
    QDialog::showEvent(event);
}

void InfoDialog::hideEvent(QHideEvent* event)
{
    // Closing the window ends the wipe; the next opening starts it afresh.
    m_timer1->stop();
    m_wipe->stop();
    m_web->setHovered(false);
    m_mail->setHovered(false);
    QDialog::hideEvent(event);
}

void InfoDialog::startWipe()
{
    m_wipe->start();
}
