#pragma once

#include <QString>
#include <optional>

// The vehicles the program supports: model types (optType 1 to 9), body
// styles (optBauform 1 to 5) and model years (optBaujahr 0 to 3), the
// combinations that exist, and the names the module gives its vehicle numbers.
// The captions here are the German design-time wording of the options dialog.
namespace VehicleCatalogue {

constexpr int FirstModelType = 1;
constexpr int LastModelType = 9;
constexpr int FirstBodyStyle = 1;
constexpr int LastBodyStyle = 5;
constexpr int FirstModelYear = 0;
constexpr int LastModelYear = 3;
constexpr int FirstHeadlamp = 1;
constexpr int LastHeadlamp = 4;

constexpr int Mini = 7;
constexpr int SevenSeries = 5;
constexpr int Clubman = 5;

// Captions; empty outside the ranges above.
QString modelCaption(int modelType);
QString modelTooltip(int modelType); // the chassis codes, e.g. "E60, E61"
QString bodyCaption(int bodyStyle);
QString yearCaption(int modelYear);
QString headlampCaption(int headlamp);

// Whether choosing modelType enables body style bodyStyle.
bool bodyStyleEnabled(int modelType, int bodyStyle);

// Which option group a vehicle's equipment belongs to.
enum class OptionGroup
{
    Bmw,
    Mini
};

// The year buttons of one model type and body style.
struct YearButtons
{
    bool year1Enabled = true;
    bool year2Enabled = false;
    bool year0Selected = false; // only the 3er Touring starts on "Modell ab 4.2007"
    bool year0Enabled = false;
    bool year3Enabled = false;
    OptionGroup group = OptionGroup::Bmw;
};
// nullopt for a combination the catalogue does not know (e.g. the 7er).
// Body style 5 is always the Mini Clubman.
std::optional<YearButtons> yearButtons(int modelType, int bodyStyle);

// The number the module knows a vehicle code by; nullopt for an unknown code.
std::optional<int> codedVehicleNumber(const QString& vehicleCode);

// The display name of a module vehicle number 0 to 50; empty for free slots
// and numbers outside the table.
constexpr int LastVehicleName = 50;
QString vehicleName(int number);

// "Achtung: für den 7er E65 ..." with the maker's mail address.
QString sevenSeriesRefusal();

} // namespace VehicleCatalogue
