#include "ui/MenuMnemonics.h"

#include "core/Mnemonics.h"

#include <QAbstractButton>
#include <QAction>
#include <QMenu>

namespace {

void giveOne(QWidget* owner, const QSet<QChar>& reserved = {})
{
    QList<QAction*> entries;
    QStringList captions;
    for (QAction* a : owner->actions()) {
        if (a->isSeparator() || !a->isVisible() || a->text().isEmpty())
            continue;
        entries.append(a);
        captions.append(a->text());
    }
    const QStringList marked = Mnemonics::assign(captions, reserved);
    for (qsizetype i = 0; i < entries.size(); ++i)
        if (entries.at(i)->text() != marked.at(i))
            entries.at(i)->setText(marked.at(i));
}

} // namespace

void giveMnemonics(QWidget* menuOrBar, const QWidget* window)
{
    QSet<QChar> reserved;
    if (window)
        for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
            if (const QChar key = Mnemonics::of(button->text()); !key.isNull())
                reserved.insert(key);
    giveOne(menuOrBar, reserved);
    for (QAction* a : menuOrBar->actions())
        if (QMenu* sub = a->menu())
            giveMnemonics(sub);
}

void keepMnemonics(QWidget* menuOrBar)
{
    QList<QMenu*> menus = menuOrBar->findChildren<QMenu*>();
    if (auto* menu = qobject_cast<QMenu*>(menuOrBar))
        menus.prepend(menu);
    for (QMenu* menu : std::as_const(menus))
        QObject::connect(menu, &QMenu::aboutToShow, menu, [menu] { giveOne(menu); });
}
