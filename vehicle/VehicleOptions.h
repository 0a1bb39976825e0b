#pragma once

#include "core/Prompter.h"

#include <QObject>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>

struct AppContext;

// The state of every control of the options dialog and the rules that tie
// them together: the vehicle choice (model type, body style, model year),
// the equipment, the light functions and the two duration lists.
//
// A check box or option button changed by the program behaves like a click on
// it: its handler runs and rewrites its place in the option string. The option
// string (ctx.document.parameterString()) and the headlamp and ring flags of
// ctx.vehicle follow every change at once; the vehicle code and the stored
// settings follow only cmdOK_Click. Messages are not shown here but handed to
// whoever listens to messageRequested.
class VehicleOptions : public QObject
{
    Q_OBJECT
public:
    // The check boxes, named as the dialog's controls.
    enum class Option
    {
        chkRinge,
        chk_Abbiegelicht,
        chkEine_Nebelleuchte,
        chkTagfahrlicht,
        chkStandlicht_US,
        chkTagfahrlicht_Standlicht,
        chkCommingHome_Auf,
        chkCommingHome_Zu,
        chkSpiegel_Kurz,
        chkSpiegel_Lang,
        chkVebel_vorne_vertauschen,
        chkSoft_Ein,
        E6x_LCI_Modul,
    };
    static constexpr int OptionCount = 13;
    static constexpr std::array<Option, OptionCount> AllOptions{
        Option::chkRinge,           Option::chk_Abbiegelicht,           Option::chkEine_Nebelleuchte,
        Option::chkTagfahrlicht,    Option::chkStandlicht_US,           Option::chkTagfahrlicht_Standlicht,
        Option::chkCommingHome_Auf, Option::chkCommingHome_Zu,          Option::chkSpiegel_Kurz,
        Option::chkSpiegel_Lang,    Option::chkVebel_vorne_vertauschen, Option::chkSoft_Ein,
        Option::E6x_LCI_Modul};

    // The groups of option buttons; exactly one button of a group is selected,
    // except that a stored model year outside 0 to 3 leaves none.
    enum class Group
    {
        optType,      // model type 1 to 9
        optBauform,   // body style 1 to 5
        optBaujahr,   // model year 0 to 3
        chkFernlicht, // headlamp type 1 to 4
    };
    static constexpr std::array<Group, 4> AllGroups{Group::optType, Group::optBauform, Group::optBaujahr,
                                                    Group::chkFernlicht};

    // The greeting and farewell durations.
    enum class List
    {
        combBegruessung,    // combBegrüßung, saved as "Time_Kommen"
        combVerabschiedung, // saved as "Time_Gehen"
    };
    static constexpr int ListItemCount = 14;

    struct Message
    {
        QString text;
        QString title; // empty: the application's title
        Prompter::Icon icon = Prompter::Icon::None;
    };

    explicit VehicleOptions(AppContext& ctx, QObject* parent = nullptr);

    static int firstIndex(Group group);
    static int lastIndex(Group group);
    // The place of an option in the option string (1 to 14).
    static int position(Option option);
    // The object name of a control ("optType(3)", "combBegrüßung").
    static QString controlName(Option option);
    static QString controlName(Group group, int index);
    static QString controlName(List list);

    // --- State
    bool isChecked(Option option) const;
    bool isEnabled(Option option) const;
    // The selected index of a group; -1 when none is selected.
    int selected(Group group) const;
    bool isSelected(Group group, int index) const { return selected(group) == index; }
    bool isEnabled(Group group, int index) const;
    int listIndex(List list) const;
    bool isEnabled(List list) const;
    // False while stored options are being applied (ApplyDocumentVehicle).
    bool optionsLoaded() const { return m_optionsLoaded; }
    // The vehicle code of the selected buttons: type, body style, year; a
    // group without a selection adds nothing.
    QString selectedVehicleCode() const;
    // "Fahrzeugauswahl:  " + model + " / " + body, then " / " + year when the
    // selected year button is enabled. captionOf gives a button's caption.
    QString selectionCaption(const std::function<QString(Group, int)>& captionOf) const;

    // Everything the controls hold, with the option string and the vehicle
    // flags that follow them at once: what the dialog had when it opened,
    // put back when it is cancelled.
    struct Snapshot
    {
        std::array<bool, OptionCount> checked{};
        std::array<bool, OptionCount> enabled{};
        std::array<int, 4> selected{};
        std::array<std::array<bool, 10>, 4> buttonsEnabled{};
        std::array<int, 2> listIndex{};
        std::array<bool, 2> listEnabled{};
        QString parameterString;
        std::array<std::uint8_t, 4> flags{};
        bool oneRearFogLamp = false;
    };
    Snapshot snapshot() const;
    // Puts every control, the option string and the flags back as they were;
    // a duration chosen meanwhile (saved at once) is saved back too.
    void restore(const Snapshot& snapshot);

    // --- Changes, by the user or the program
    // Ticks or clears a box; when that changes it, the box's click handler runs.
    void setChecked(Option option, bool checked);
    // Selects a button; when it was not selected, the button's click runs.
    void select(Group group, int index);
    // The user picked a duration: kept and saved at once.
    void chooseListIndex(List list, int index);
    // A stored duration is shown (not saved again).
    void setListIndex(List list, int index);

    // --- Public operations of the options dialog. Start true: a stored
    // value is applied; false: the user chose it.
    void F_Type(int wert, bool Start);
    void F_Bauform(int wert, bool Start);
    void Parameter_Licht(int wert, bool Start);
    void Ringe_Licht(int wert, bool Start);
    void Aktiviere_BMW();
    void Aktiviere_Mini();
    // Greeting and farewell light by vehicle, year and module edition; ends
    // with LciRearLightRule.
    void GreetingLightRule();
    // The LCI rear-light module exists only on a 5er without facelift or from 10.2006.
    void LciRearLightRule();
    // Enables or disables the light functions by the module's edition (ctx.module.moduleType).
    void Modul_Typ_Freigeben();
    // OK: applies the headlamp choice, makes the vehicle code of the selection
    // the document's and saves both the code and the option string.
    void cmdOK_Click();
    // Pushes the document's vehicle code and option string into the controls.
    void ApplyDocumentVehicle();

    // The message shown when the module's firmware is too old for the LCI
    // rear-light module (also used by the module identification).
    QString lciFirmwareText() const;
    // Whether the module's firmware (ctx.module.moduleVersion) is known to be
    // too old for the LCI rear-light module.
    bool firmwareTooOldForLci() const;

signals:
    // Some state changed; sent once after each outermost operation.
    void changed();
    // A message the user must see now, before the operation goes on.
    void messageRequested(const VehicleOptions::Message& message);

private:
    struct Box
    {
        bool checked = false;
        bool enabled = true;
    };
    struct Buttons
    {
        std::array<bool, 10> enabled{};
        int selected = -1;
    };
    struct DurationList
    {
        int index = 2;
        bool enabled = false;
    };
    // Collects the changes of one outermost operation into one changed().
    class Batch
    {
    public:
        explicit Batch(VehicleOptions& owner) : m_owner(owner) { ++m_owner.m_depth; }
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        VehicleOptions& m_owner;
    };

    Box& box(Option option) { return m_boxes.at(std::size_t(option)); }
    const Box& box(Option option) const { return m_boxes.at(std::size_t(option)); }
    Buttons& buttons(Group group) { return m_groups.at(std::size_t(group)); }
    const Buttons& buttons(Group group) const { return m_groups.at(std::size_t(group)); }
    static bool inRange(Group group, int index);

    void setEnabled(Option option, bool enabled);
    void setEnabled(Group group, int index, bool enabled);
    void setEnabled(List list, bool enabled);
    // Sets a button's value to false (no click runs).
    void deselect(Group group, int index);
    void click(Option option);
    void click(Group group, int index);
    void writePosition(int position, int value);
    void markChanged() { m_dirty = true; }
    void request(const QString& text, const QString& title, Prompter::Icon icon);
    bool editionEnablesComfort() const;

    AppContext& m_ctx;
    std::array<Box, OptionCount> m_boxes{};
    std::array<Buttons, 4> m_groups{};
    std::array<DurationList, 2> m_lists{};
    bool m_optionsLoaded = true;
    int m_depth = 0;
    bool m_dirty = false;
};
