#pragma once

#include "tools/zfxtool/ModuleShow.h"
#include "vehicle/ModelLayout.h"
#include "views/LampRules.h"

#include <array>

// What the editor's car views show for a loaded show: the lamp rules of its
// vehicle, the first picture of each view and the licence plates.
struct ShowLook
{
    LampOptions options;
    std::array<int, 4> bases{};
    ModelLayout::Plates plates;

    static ShowLook of(const ModuleShow& show);
};
