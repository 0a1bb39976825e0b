#pragma once

#include "module/HandshakeReply.h"
#include "module/ModuleSearch.h"
#include "module/ModuleSession.h"
#include "module/PortNames.h"

#include <QObject>
#include <array>
#include <optional>

struct AppContext;
class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class SearchDialog;
class QPushButton;
struct ModuleMessage;
class ConnectDialog;
class ParameterDialog;
class WindowOps;

// The window side of the module link: the port menu and the module search,
// sending the data (cmdDaten), reading the module type (M_Type) and the
// memory requirement (cmdSpeicherbedarf). The work itself is done by a ModuleSession; while it
// talks to the module, the commands that would start another exchange are
// disabled.
class ModuleController : public QObject
{
    Q_OBJECT
public:
    // The main window's controls this part binds to.
    struct Controls
    {
        QMenu* Connect = nullptr;
        std::array<QAction*, 21> Port{}; // Port[1] to Port[20]
        QAction* FindModule = nullptr;
        QAction* M_Type = nullptr;
        QPushButton* cmdDaten = nullptr;
        QPushButton* cmdSpeicherbedarf = nullptr;
        QProgressBar* Send_Progress = nullptr;
        QLabel* labInfo = nullptr;
        QLabel* labPort = nullptr;
    };

    ModuleController(AppContext& ctx, const Controls& controls, WindowOps& ops, ConnectDialog& connectDialog,
                     QObject* parent = nullptr);

    // Stops a running exchange and closes the serial port if it is open.
    void closePort();

    // The stored "Lampen_Port" (nothing stored: nullopt): port number, label, ticks.
    void applyStoredPort(std::optional<int> port);

    // The menu entry Port(index): ticks it, remembers it, tries the port.
    void portClick(int index);
    // Sends the document and the light functions to the module.
    void cmdDatenClick();
    // Asks the module what it is and shows it.
    void mTypeClick();
    // Shows how much of the module's memory the document needs.
    void cmdSpeicherbedarfClick();
    // What an upload would build the image from now: the document and the live options.
    ImageInput imageInput() const;
    // Looks for the module on every port that could hold it and chooses the
    // port that answers; the progress window's Cancel stops it.
    void findModuleClick();
    // The captions that come from the language texts.
    void applyTexts();
    // The status line in the language in use: the module last connected,
    // the link lost, or not connected yet.
    void refreshStatus();

    bool isBusy() const { return m_session.isBusy() || m_search.isRunning(); }
    bool isUploading() const { return m_operation == Operation::Upload; }
    ModuleSession& session() { return m_session; }
    // The device "Com n" stands for now; empty when there is none.
    QString portDevice(int n) const;
    // Shows the device of every "Com n" after its caption, and what it is.
    void refreshPortCaptions();
    ModuleSearch& search() { return m_search; }

signals:
    // An exchange with the module starts (true) or ends (false).
    void busyChanged(bool busy);

private:
    enum class Operation
    {
        None,
        Upload,
        Identify,
        Search
    };

    ParameterDialog* parameterDialog() const;
    void setBusy(bool busy);
    void connected(const HandshakeReply& reply);
    void progress(int address, int length);
    void finished(const ModuleOutcome& outcome);
    // foundOn: the port the search found the module on, named at the head of the report.
    void showIdentification(const HandshakeReply& reply, const QString& foundOn = QString());
    void linkGone();
    void selectPort(int index);
    void applyReply(const HandshakeReply& reply);
    void searchTrying(int index, int count, const ModuleSearch::Port& port);
    void searchFinished();
    void stopSearch();
    void choose(const ModuleSearch::Try& found);
    void show(const ModuleMessage& message);

    AppContext& m_ctx;
    Controls m_ui;
    WindowOps& m_ops;
    ConnectDialog& m_connectDialog;
    ModuleSession m_session;
    ModuleSearch m_search;
    PortNames::MenuCaptions m_captions;
    SearchDialog* m_searchDialog = nullptr;
    Operation m_operation = Operation::None;
    // What the status line says; the reply while a module is connected.
    std::optional<HandshakeReply> m_statusReply;
    int m_statusText = 78;
};
