// The thirteen ending slots: what follows the stem in each form cell.
#pragma once

#include <string>

namespace ragozo {

// The marker and personal ending of each finite form.
struct EndingSlots {
  std::string sg1Subj, sg1Obj;
  std::string sg2Subj, sg2Obj;
  std::string sg3Subj, sg3Obj;
  std::string pl1Subj, pl1Obj;
  std::string pl2Subj, pl2Obj;
  std::string pl3Subj, pl3Obj;
  // First person singular subject acting on a second person object (-lak/-lek).
  std::string sg1To2;

  bool operator==(const EndingSlots&) const = default;
};

}  // namespace ragozo
