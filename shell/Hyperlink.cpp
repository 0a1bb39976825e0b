#include "shell/Hyperlink.h"

#include "shell/LinkTarget.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

Hyperlink::Hyperlink(QLabel* box, const QString& caption, const QString& target, LinkLauncher& launcher,
                     const QColor& background)
    : QObject(box), m_box(box), m_launcher(&launcher)
{
    m_box->setText(caption);
    m_box->setTextFormat(Qt::PlainText);
    m_box->setTextInteractionFlags(Qt::NoTextInteraction);
    m_box->setFocusPolicy(Qt::NoFocus);
    m_box->setFrameShape(QFrame::NoFrame);
    m_box->setCursor(Qt::PointingHandCursor);
    if (background.isValid()) {
        m_box->setAutoFillBackground(true);
        QPalette palette = m_box->palette();
        palette.setColor(QPalette::Window, background);
        m_box->setPalette(palette);
    }
    setTarget(target);
    setHovered(false);
    m_box->installEventFilter(this);
}

void Hyperlink::setTarget(const QString& target)
{
    m_target = target;
    // Kept on the label too, where the program's other windows look for it.
    m_box->setProperty("Tag", target);
}

void Hyperlink::setHovered(bool hovered)
{
    m_hovered = hovered;
    QPalette palette = m_box->palette();
    palette.setColor(QPalette::WindowText, hovered ? hoverColour() : normalColour());
    m_box->setPalette(palette);
    QFont font = m_box->font();
    font.setUnderline(hovered);
    m_box->setFont(font);
}

bool Hyperlink::follow()
{
    const bool opened = followLink(m_target, *m_launcher);
    emit followed(m_target, opened);
    return opened;
}

bool Hyperlink::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_box) {
        switch (event->type()) {
        case QEvent::Enter:
            setHovered(true);
            break;
        case QEvent::Leave:
        case QEvent::Hide:
            setHovered(false);
            break;
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton && m_box->rect().contains(mouse->position().toPoint())) {
                follow();
                return true;
            }
            break;
        }
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}
