#include "ui/Captions.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QWidget>

void setCaption(QObject* control, const QString& caption)
{
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(caption);
    else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(caption);
    else if (auto* frame = qobject_cast<QGroupBox*>(control))
        frame->setTitle(caption);
    else if (auto* menu = qobject_cast<QMenu*>(control))
        menu->setTitle(caption);
    else if (auto* action = qobject_cast<QAction*>(control))
        action->setText(caption);
    else if (auto* widget = qobject_cast<QWidget*>(control))
        widget->setWindowTitle(caption);
}

bool setCaptionByName(QObject* root, const QString& objectName, const QString& caption)
{
    QObject* control = root->objectName() == objectName ? root : root->findChild<QObject*>(objectName);
    if (!control)
        return false;
    setCaption(control, caption);
    return true;
}
