#pragma once

#include "module/ModuleSession.h"
#include "module/PortNames.h"

#include <QList>
#include <QObject>
#include <QString>

class SettingsStore;

// Looks for the module: runs the handshake on one port after the other, one
// try each, and collects what every port said. A port that is silent costs
// one handshake (about half a second); one that is missing, refused or in
// use costs nothing. Everything runs on the event loop; cancel() stops it
// at once.
class ModuleSearch : public QObject
{
    Q_OBJECT
public:
    struct Port
    {
        QString device;
        int number = 0; // "Com n" that reaches it now; 0 for none
    };
    struct Try
    {
        Port port;
        ModuleOutcome outcome;
        bool answered() const { return outcome.kind == ModuleOutcome::Kind::Identified && outcome.reply; }
    };

    explicit ModuleSearch(QObject* parent = nullptr);

    // The ports that could hold the module: the chosen one ("Com chosen"),
    // those named in [Ports], and the system's USB serial ports (ttyUSB,
    // ttyACM or any with USB ids; on Windows every COM port), each once.
    static QList<Port> candidates(const SettingsStore& settings, const QList<PortNames::PortInfo>& system,
                                  int chosen);

    void start(const QList<Port>& ports, bool developerMode);
    // Stops the search; finished() is not emitted.
    void cancel();
    bool isRunning() const { return m_running; }

    const QList<Try>& results() const { return m_results; }
    QList<Try> answered() const;

signals:
    // Port index (from 0) of count is being tried.
    void trying(int index, int count, const ModuleSearch::Port& port);
    void tried(const ModuleSearch::Try& result);
    void finished();

private:
    void next();
    void done(const ModuleOutcome& outcome);

    ModuleSession m_session;
    QList<Port> m_ports;
    QList<Try> m_results;
    bool m_developerMode = false;
    bool m_running = false;
    // Counts searches, so that a step queued by a cancelled one does nothing.
    quint64 m_run = 0;
};
