#include "shell/HelpWindow.h"

#include "shell/LinkTarget.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton* toolButton(const char* name, QStyle::StandardPixmap icon, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setIcon(parent->style()->standardIcon(icon));
    button->setAutoRaise(true);
    return button;
}

} // namespace

HelpWindow::HelpWindow(LinkLauncher& launcher, QWidget* parent)
    : QWidget(parent, Qt::Window), m_launcher(&launcher)
{
    setObjectName(QStringLiteral("HelpWindow"));
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("txtHilfe"));
    // Links are looked at first: the help's own pages open here, the rest outside.
    m_browser->setOpenLinks(false);
    m_back = toolButton("cmdZurueck", QStyle::SP_ArrowBack, this);
    m_forward = toolButton("cmdVor", QStyle::SP_ArrowForward, this);
    m_home = toolButton("cmdAnfang", QStyle::SP_ArrowUp, this);
    setTexts(QStringLiteral("Zurück"), QStringLiteral("Vor"), QStringLiteral("Anfang"), m_title);
    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    auto* close = new QPushButton(QStringLiteral("OK"), this);
    close->setObjectName(QStringLiteral("cmdOK"));

    auto* bar = new QHBoxLayout;
    bar->addWidget(m_back);
    bar->addWidget(m_forward);
    bar->addWidget(m_home);
    bar->addStretch();
    bar->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(bar);
    layout->addWidget(m_browser);
    resize(760, 620);

    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_home, &QToolButton::clicked, m_browser, &QTextBrowser::home);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpWindow::openLink);
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = m_browser->documentTitle();
        setWindowTitle(title.isEmpty() ? m_title : title);
    });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void HelpWindow::setTexts(const QString& back, const QString& forward, const QString& home,
                          const QString& title)
{
    m_back->setToolTip(back);
    m_forward->setToolTip(forward);
    m_home->setToolTip(home);
    m_title = title;
}

void HelpWindow::showFile(const QString& fileName, const QString& topic)
{
    m_file = fileName;
    m_found = QFileInfo(fileName).isFile();
    if (m_found) {
        QUrl url = QUrl::fromLocalFile(QFileInfo(fileName).absoluteFilePath());
        if (!topic.isEmpty())
            url.setFragment(topic);
        m_browser->setSource(url);
    } else {
        m_browser->setSource(QUrl());
        m_browser->setHtml(QStringLiteral("<h2>Hilfe / Help</h2>"
                                          "<p>Die Hilfedatei wurde nicht gefunden:</p>"
                                          "<p>The help file was not found:</p>"
                                          "<p><tt>%1</tt></p>")
                               .arg(QDir::toNativeSeparators(fileName).toHtmlEscaped()));
        setWindowTitle(m_title);
    }
    // Back leads through this file only, not to the file shown before.
    m_browser->clearHistory();
    show();
    raise();
    activateWindow();
}

void HelpWindow::openLink(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
        scheme == QLatin1String("mailto")) {
        m_launcher->openUrl(url);
        return;
    }
    const QUrl target = m_browser->source().resolved(url);
    if (target.isLocalFile() &&
        !QFileInfo(target.toLocalFile()).suffix().startsWith(QLatin1String("htm"), Qt::CaseInsensitive)) {
        // Not a help page: open it with its own program.
        m_launcher->openUrl(target);
        return;
    }
    m_browser->setSource(target);
}
