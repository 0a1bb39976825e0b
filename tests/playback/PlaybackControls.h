#pragma once

#include "sequence/CommandEnabler.h"
#include "sequence/SequenceDocument.h"
#include "views/playback/PlaybackController.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QTreeView>
#include <QWidget>
#include <memory>

// The controls of the main window that playback touches.
struct Controls
{
    QWidget window;
    PlaybackController::Controls ui;
    CommandEnabler::Controls commands;
    std::unique_ptr<QMenu> menu = std::make_unique<QMenu>();

    explicit Controls(SequenceDocument& doc)
    {
        for (QPushButton** b : {&ui.cmdSilulation, &ui.cmdSimWeiter, &commands.cmdWeiter,
                                &commands.cmdEinfuegen, &commands.cmdAendern, &commands.cmdLoeschen,
                                &commands.cmdSchleife, &commands.cmdSchleife_L, &commands.cmdDaten})
            *b = new QPushButton(&window);
        for (std::size_t k = 0; k < 2; ++k) {
            ui.optAuf_Zu[k] = new QRadioButton(&window);
            auto* list = new QTreeView(&window);
            list->setModel(&doc.table(int(k)));
            list->setSelectionModel(&doc.selection(int(k)));
            ui.List1[k] = list;
        }
        for (std::size_t i = 1; i <= 9; ++i)
            ui.Menu[i] = menu->addAction(QStringLiteral("Menu(%1)").arg(i));
        for (std::size_t i = 1; i <= 4; ++i)
            commands.List_1[i] = menu->addAction(QStringLiteral("List_1(%1)").arg(i));
        ui.Konfig = menu->addAction(QStringLiteral("Konfiguration"));
        ui.TimerE = new QTimer(&window);
    }

    QList<QObject*> lockedWhilePlaying() const
    {
        QList<QObject*> list{commands.cmdWeiter,   commands.cmdEinfuegen,
                             commands.cmdAendern,  commands.cmdLoeschen,
                             commands.cmdSchleife, commands.cmdSchleife_L,
                             commands.cmdDaten,    ui.optAuf_Zu[0],
                             ui.optAuf_Zu[1],      ui.Konfig};
        for (int i : {1, 2, 3, 4, 6})
            list.append(ui.Menu[std::size_t(i)]);
        for (std::size_t i = 1; i <= 4; ++i)
            list.append(commands.List_1[i]);
        return list;
    }
};
