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

// The controls of the main window that playback touches, with their design-time captions.
struct Controls
{
    QWidget window;
    PlaybackController::Controls ui;
    CommandEnabler::Controls commands;
    std::unique_ptr<QMenu> menu = std::make_unique<QMenu>();

    explicit Controls(SequenceDocument& doc)
    {
        auto button = [this](const char* name, const QString& caption) {
            auto* b = new QPushButton(caption, &window);
            b->setObjectName(QString::fromUtf8(name));
            return b;
        };
        ui.cmdSilulation = button("cmdSilulation", QStringLiteral("Simula&tion |>"));
        ui.cmdSimWeiter = button("cmdSimWeiter", QStringLiteral("Simulation >>"));
        commands.cmdWeiter = button("cmdWeiter", QStringLiteral("Speichern und weiter"));
        commands.cmdEinfuegen = button("cmdEinfügen", QString());
        commands.cmdAendern = button("cmdÄndern", QString());
        commands.cmdLoeschen = button("cmdLöschen", QString());
        commands.cmdSchleife = button("cmdSchleife", QString());
        commands.cmdSchleife_L = button("cmdSchleife_L", QString());
        commands.cmdDaten = button("cmdDaten", QString());
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
        ui.TimerE->setObjectName(QStringLiteral("TimerE"));
    }

    QList<QObject*> lockedWhilePlaying() const
    {
        QList<QObject*> list{commands.cmdWeiter,
                             commands.cmdEinfuegen,
                             commands.cmdAendern,
                             commands.cmdLoeschen,
                             commands.cmdSchleife,
                             commands.cmdSchleife_L,
                             commands.cmdDaten,
                             ui.optAuf_Zu[0],
                             ui.optAuf_Zu[1],
                             ui.Konfig,
                             ui.Menu[1],
                             ui.Menu[2],
                             ui.Menu[3],
                             ui.Menu[4],
                             ui.Menu[6]};
        for (std::size_t i = 1; i <= 4; ++i)
            list.append(commands.List_1[i]);
        return list;
    }
};
