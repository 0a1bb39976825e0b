#pragma once

#include <QObject>

struct AppContext;
struct MainWindowUi;
class WindowOps;

// Binds the step tables and the editing controls of the main window to the
// document: which table is active, the interval slider and its label.
class SequenceEditor : public QObject
{
    Q_OBJECT
public:
    SequenceEditor(AppContext& ctx, MainWindowUi& ui, WindowOps& ops, QObject* parent = nullptr);

    // Refreshes the interval label from the slider (interval text + text 76).
    void refreshIntervalLabel();
    // Appends the current lamp state as a new last row (the operation of cmdWeiter).
    void appendStep();
    // Selects the active sequence and shows its table.
    void selectSequence(int k);

private:
    AppContext& m_ctx;
    MainWindowUi& m_ui;
    WindowOps& m_ops;
};
