// The thirteen ending slots from a marker and a table of personal endings.
#include "inflection/PersonalEndings.h"

#include <string>

namespace ragozo {

EndingSlots slotsOf(std::string_view marker, const PersonalEndings& endings) {
  EndingSlots slots;
  std::string* const inOrder[13] = {&slots.sg1Subj, &slots.sg1Obj, &slots.sg2Subj, &slots.sg2Obj, &slots.sg3Subj,
                                    &slots.sg3Obj,  &slots.pl1Subj, &slots.pl1Obj,  &slots.pl2Subj, &slots.pl2Obj,
                                    &slots.pl3Subj, &slots.pl3Obj,  &slots.sg1To2};
  for (std::size_t i = 0; i < endings.size(); ++i) {
    std::string& slot = *inOrder[i];
    slot.reserve(marker.size() + endings[i].size());
    slot.append(marker).append(endings[i]);
  }
  return slots;
}

}  // namespace ragozo
