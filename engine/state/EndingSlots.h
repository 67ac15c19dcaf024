// The thirteen ending slots and the tense and mood.
#pragma once

#include <string>

namespace ragozo {

// What follows the stem in each finite-form cell: marker plus personal ending.
struct EndingSlots {
  std::string sg1Subj, sg1Obj;
  std::string sg2Subj, sg2Obj;
  std::string sg3Subj, sg3Obj;
  std::string pl1Subj, pl1Obj;
  std::string pl2Subj, pl2Obj;
  std::string pl3Subj, pl3Obj;
  // First person singular subject acting on a second person object (-lak/-lek).
  std::string sg1To2;

  void clear() { *this = EndingSlots{}; }
  bool operator==(const EndingSlots&) const = default;
};

// The tense and mood; `noMood` until a button is chosen.
enum Mood : short {
  noMood = 0,
  presentIndicative = 1,
  pastIndicative = 2,
  presentConditional = 3,
  imperative = 4,
};

}  // namespace ragozo
