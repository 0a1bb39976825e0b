#pragma once

#include <QDialog>

struct AppContext;
class WindowOps;

// The vehicle and its options. Exists for the whole run and is hidden, not
// destroyed, between uses, so its controls keep their state.
class ParameterDialog : public QDialog
{
    Q_OBJECT
public:
    ParameterDialog(AppContext& ctx, WindowOps& ops, QWidget* parent = nullptr);

    // The stored greeting and farewell durations (list indexes 0 to 13).
    void setGreetingIndex(int index);
    void setFarewellIndex(int index);
    // Pushes the document's vehicle code and option string into the dialog.
    void applyDocumentVehicle();
    // "Fahrzeugauswahl:  " + model + " / " + body [+ " / " + year].
    QString selectionCaption() const;

private:
    AppContext& m_ctx;
    WindowOps& m_ops;
};
