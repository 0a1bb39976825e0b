#pragma once

#include "vehicle/ModelLayout.h"
#include "vehicle/VehicleConfig.h"
#include "vehicle/VehicleOptions.h"

#include <QDialog>
#include <array>
#include <functional>
#include <optional>

struct AppContext;
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QRadioButton;
class WindowOps;

// The vehicle and its options. Exists for the whole run and is hidden, not
// destroyed, between uses, so its controls keep their state. The controls
// show the state of a VehicleOptions model, which holds the rules; a click
// goes to the model and the controls follow it.
class ParameterDialog : public QDialog
{
    Q_OBJECT
public:
    ParameterDialog(AppContext& ctx, WindowOps& ops, QWidget* parent = nullptr);

    // The live option state (read by the upload and the module identification).
    VehicleOptions& options() { return *m_options; }
    const VehicleOptions& options() const { return *m_options; }

    // The stored greeting and farewell durations (list indexes 0 to 13).
    void setGreetingIndex(int index);
    void setFarewellIndex(int index);
    // Pushes the document's vehicle code and option string into the dialog.
    void applyDocumentVehicle();
    // "Fahrzeugauswahl:  " + model + " / " + body [+ " / " + year], with the
    // captions the buttons show now.
    QString selectionCaption() const;
    // The main window's layout for the document's vehicle code and the
    // current headlamp and fog-lamp options.
    ModelLayout modelLayout() const;

    // The public operations of the options (see VehicleOptions).
    void F_Type(int wert, bool Start) { m_options->F_Type(wert, Start); }
    void F_Bauform(int wert, bool Start) { m_options->F_Bauform(wert, Start); }
    void Parameter_Licht(int wert, bool Start) { m_options->Parameter_Licht(wert, Start); }
    void Ringe_Licht(int wert, bool Start) { m_options->Ringe_Licht(wert, Start); }
    void Aktiviere_BMW() { m_options->Aktiviere_BMW(); }
    void Aktiviere_Mini() { m_options->Aktiviere_Mini(); }
    void Modul_Typ_Freigeben() { m_options->Modul_Typ_Freigeben(); }
    // OK: the only way a choice takes effect. Asks the change check first;
    // then stores the choice, makes it one step for undo, lays the main window
    // out for it and hides the dialog.
    void cmdOK_Click();
    // Cancel, Escape and the close button: every control, the option string
    // and the vehicle flags go back to what they were when the dialog opened.
    void reject() override;

    // A vehicle with its options: as the dialog had it when it opened, and as
    // OK would make it.
    struct Choice
    {
        QString code;
        QString parameterString;
        VehicleConfig vehicle;
    };
    // Asked on OK when the choice differs from the one applied; false keeps
    // the dialog open with the choice, so the user can change it or cancel.
    void setChangeCheck(std::function<bool(const Choice& before, const Choice& after)> check)
    {
        m_changeCheck = std::move(check);
    }

    QRadioButton* button(VehicleOptions::Group group, int index) const;
    QCheckBox* box(VehicleOptions::Option option) const;
    QComboBox* list(VehicleOptions::List list) const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The vehicle as it is applied now (before the dialog's changes when it is open).
    Choice appliedChoice() const;
    void buildControls();
    void layOut();
    void connectControls();
    // Shows the model's state on the controls.
    void refresh();

    AppContext& m_ctx;
    WindowOps& m_ops;
    VehicleOptions* m_options = nullptr;
    // Buttons by group and index (index 0 unused except for the model year).
    std::array<std::array<QRadioButton*, 10>, 4> m_buttons{};
    std::array<QButtonGroup*, 4> m_buttonGroups{};
    std::array<QCheckBox*, VehicleOptions::OptionCount> m_boxes{};
    std::array<QComboBox*, 2> m_lists{};
    QAbstractButton* m_ok = nullptr;
    QAbstractButton* m_cancel = nullptr;
    // What the controls held when the dialog opened; none while it is hidden.
    std::optional<VehicleOptions::Snapshot> m_opened;
    std::function<bool(const Choice&, const Choice&)> m_changeCheck;
};
