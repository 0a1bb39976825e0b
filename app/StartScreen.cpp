#include "app/StartScreen.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QTimer>

StartScreen::StartScreen(const QString& languageName, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("StartScreen"));
    setFixedSize(440, 240);

    auto* title = new QLabel(QStringLiteral("Vantor"), this);
    title->setObjectName(QStringLiteral("lblTitle"));
    title->setGeometry(32, 40, 380, 56);
    title->setStyleSheet(QStringLiteral("color: #f2f4f7; font: bold 34px 'DejaVu Sans';"));
    auto* subtitle = new QLabel(QStringLiteral("Light show editor for BMW and Mini"), this);
    subtitle->setGeometry(34, 96, 380, 22);
    subtitle->setStyleSheet(QStringLiteral("color: #b9c3cf; font: 13px 'DejaVu Sans';"));

    m_lblVersion = new QLabel(this);
    m_lblVersion->setObjectName(QStringLiteral("lblVersion"));
    m_lblVersion->setGeometry(34, 150, 380, 20);
    m_lblVersion->setStyleSheet(QStringLiteral("color: #f2f4f7; font: 12px 'DejaVu Sans';"));
    m_lblVersion->setText(QStringLiteral("Version %1.%2.%3")
                              .arg(VANTOR_VERSION_MAJOR)
                              .arg(VANTOR_VERSION_MINOR)
                              .arg(VANTOR_VERSION_PATCH));

    m_labInfo = new QLabel(this);
    m_labInfo->setObjectName(QStringLiteral("labInfo"));
    m_labInfo->setGeometry(34, 196, 380, 20);
    m_labInfo->setStyleSheet(QStringLiteral("color: #ffb347; font: 12px 'DejaVu Sans';"));
    m_labInfo->setText(languageName == QLatin1String("Deutsch")
                           ? QStringLiteral("Programm und Einstellungen werden geladen .....")
                           : QStringLiteral("Loading program and settings ....."));

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(1);
    connect(m_timer1, &QTimer::timeout, this, [this] {
        m_timer1->stop();
        emit ready();
    });
}

void StartScreen::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_timer1->start();
}

void StartScreen::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QLinearGradient gradient(0, 0, width(), height());
    gradient.setColorAt(0, QColor(28, 36, 48));
    gradient.setColorAt(1, QColor(52, 66, 86));
    painter.fillRect(rect(), gradient);
    // A row of lamps in the show's colours.
    const QColor lamps[] = {QColor(255, 170, 40), QColor(255, 244, 214), QColor(220, 30, 30),
                            QColor(255, 170, 40), QColor(255, 244, 214)};
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 5; ++i) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(lamps[i]);
        painter.drawEllipse(QPointF(300 + i * 26, 135), 7, 7);
    }
}
