// Which of the eight derived-form boxes holds which form.
#pragma once

namespace ragozo {

// Indices into `Output::derivedBoxes`, in the order the window shows the boxes.
enum DerivedBox : int {
  infinitiveBox = 0,
  adverbialParticipleBox = 1,
  presentParticipleBox = 2,
  pastParticipleBox = 3,
  futureParticipleBox = 4,
  actionNounBox = 5,
  potentialBox = 6,
  causativeBox = 7,
};

}  // namespace ragozo
