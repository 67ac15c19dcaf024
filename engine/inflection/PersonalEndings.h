// The thirteen ending slots from a marker and a table of personal endings.
#pragma once

#include <array>
#include <string_view>

#include "inflection/EndingSlots.h"

namespace ragozo {

// Personal endings in slot order: sg1Subj, sg1Obj, sg2Subj, sg2Obj, sg3Subj,
// sg3Obj, pl1Subj, pl1Obj, pl2Subj, pl2Obj, pl3Subj, pl3Obj, sg1To2.
using PersonalEndings = std::array<std::string_view, 13>;

// Every slot is `marker` followed by its personal ending.
EndingSlots slotsOf(std::string_view marker, const PersonalEndings& endings);

}  // namespace ragozo
