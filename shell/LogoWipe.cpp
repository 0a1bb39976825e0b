#include "shell/LogoWipe.h"

#include <QPainter>
#include <QTimer>

LogoWipe::LogoWipe(const QImage& picture, QWidget* parent)
    : QWidget(parent), m_picture(picture), m_timer(new QTimer(this))
{
    m_timer->setObjectName(QStringLiteral("Timer2"));
    m_timer->setInterval(TickMs);
    connect(m_timer, &QTimer::timeout, this, &LogoWipe::step);
    setFixedSize(m_picture.size());
}

void LogoWipe::start()
{
    m_revealed = 0;
    update();
    m_timer->start();
}

void LogoWipe::reset()
{
    m_timer->stop();
    m_revealed = 0;
    update();
}

void LogoWipe::stop()
{
    m_timer->stop();
}

void LogoWipe::showAll()
{
    m_timer->stop();
    m_revealed = m_picture.width();
    update();
}

bool LogoWipe::isRunning() const
{
    return m_timer->isActive();
}

void LogoWipe::step()
{
    m_revealed = qMin(m_picture.width(), m_revealed + StepColumns);
    update();
    if (m_revealed >= m_picture.width()) {
        m_timer->stop();
        emit finished();
    }
}

void LogoWipe::paintEvent(QPaintEvent*)
{
    if (m_revealed <= 0)
        return;
    QPainter painter(this);
    const QRect shown(0, 0, m_revealed, m_picture.height());
    painter.drawImage(shown, m_picture, shown);
}
