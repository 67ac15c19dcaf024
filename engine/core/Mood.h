// The tense and mood a request asks for.
#pragma once

#include <array>

namespace ragozo {

// The four tense and mood buttons; `noMood` until one is chosen.
enum Mood : short {
  noMood = 0,
  presentIndicative = 1,
  pastIndicative = 2,
  presentConditional = 3,
  imperative = 4,
};

// The four, in the buttons' order, top to bottom.
inline constexpr std::array<Mood, 4> kMoods{presentIndicative, pastIndicative, presentConditional, imperative};

}  // namespace ragozo
