// The stems the stem builders prepare, and the endings the tense and mood producers add.
#pragma once

#include <string>

#include "state/EndingSlots.h"
#include "state/LimitedTextField.h"

namespace ragozo {

struct Stems {
  std::string stem;
  std::string stemAlt;
  std::string pastStemAlt;
  std::string longStem;
  std::string stemBeforeCut;
  bool emptyCutFlag = false;       // the next cut of a whole "iszik", "eszik" or "van" yields nothing
  LimitedTextField baseStem;       // the input less a final "ik"
  LimitedTextField cutResult;      // the cutters' result; its limit is the last cut's length
  LimitedTextField imperativeCut;  // the imperative producer's own cutter
};

struct Endings {
  std::string marker;
  std::string pastThird;
  EndingSlots endings;
};

}  // namespace ragozo
