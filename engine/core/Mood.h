// The tense and mood a request asks for.
#pragma once

namespace ragozo {

// The four tense and mood buttons; `noMood` until one is chosen.
enum Mood : short {
  noMood = 0,
  presentIndicative = 1,
  pastIndicative = 2,
  presentConditional = 3,
  imperative = 4,
};

}  // namespace ragozo
