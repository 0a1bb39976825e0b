#pragma once

#include "vehicle/ParameterDialog.h"
#include "views/grid/ShowGridLamps.h"

#include <vector>

struct AppContext;

// Before another vehicle takes over a show with steps: the lamps the new
// vehicle lacks that steps light are named, with the number of steps that
// light each, and the user decides whether to go on. The steps keep those
// lamps; the new vehicle only does not show them.
namespace VehicleChangeCheck {

inline constexpr int LackingText = 324;
inline constexpr int StepText = 325;
inline constexpr int StepsText = 326;
inline constexpr int QuestionText = 327;

// The lamps a vehicle choice shows, as the show grid lists them; none when
// its code has no layout.
std::vector<GridLamp> lampsOf(const ParameterDialog::Choice& choice);

// True when the change may go on: nothing is lost from sight, or the user said Yes.
bool confirm(AppContext& ctx, const ParameterDialog::Choice& before, const ParameterDialog::Choice& after);

} // namespace VehicleChangeCheck
