// The one record of engine state, and the controls the engine reads and writes.
//
// How data flows through the program: the window puts the typed verb into
// `entry` and runs the conjugate action. The look-up (`data`, `lista`,
// `keres2`, `mintak`, `keres`) finds the verb in the lexicon or guesses it from
// its ending and splits its code (`tordel`) into the code labels; `csoport`,
// `ige` and `tipus` set the class, the stems and the vowel class; `tovek` and
// the other stem builders prepare the second stems; `idomod` runs the producer
// of the chosen tense and mood, which fills `marker` and the thirteen
// `endings`; the window then writes every table cell as two blanks, a stem and
// an ending, blanks what the verb's restrictions exclude, and `egyebek` fills
// the eight derived-form boxes. Every engine procedure is a function over this
// record (plus the lexicon and the dialogs where it needs them) and talks to the
// others only through it.
#pragma once

#include <array>
#include <string>

#include "state/ConjugationTable.h"
#include "state/EndingSlots.h"
#include "state/EntryBox.h"
#include "state/LimitedTextField.h"

namespace ragozo {

// `vowelClass`: chooses the vowel of every suffix variant.
enum VowelClass : short { back = 1, frontUnrounded = 2, frontRounded = 3 };

// `lookupOutcome`: what the look-up driver decided.
enum LookupOutcome : short { found = 0, stopped = 1, guessed = 2 };

// `prefixState`: whether a preverb was stripped for the second search.
enum PrefixState : short { notTried = 0, stripped = 1, noneFound = 2 };

// Caption texts of the two toggles whose state the engine reads.
inline constexpr const char* kDerivedHiddenCaption = "&Képzett alakok is";
inline constexpr const char* kDerivedShownCaption = "&Alapalakok";
inline constexpr const char* kShortImperativeShowingCaption = "2:   &Hosszú alakok";
inline constexpr const char* kLongImperativeShowingCaption = "2:   &Rövid alakok";
inline constexpr const char* kShortImperativeDesignCaption = "2:   Rö&vid alakok";

inline constexpr const char* kEntryPrompt = "Írja be a ragozandó ige szótári alakját a szövegmezőbe! ";
inline constexpr const char* kNoSuchForm = "Nincs ilyen alak.";

struct ConjugationState {
  // --- state fields -------------------------------------------------------
  std::string stem;
  int vowelClass = 0;
  std::string classCode;
  int mood = 0;
  std::string marker;
  std::string pastThird;
  int lookupOutcome = found;
  int resultShown = 0;
  std::string prefix;
  int keepMessage = 0;
  int endsInHat = 0;
  int inputFresh = 0;
  int keepTexts = 0;
  std::string emptyCutFlag;
  std::string remainder;
  int lookupAnnounced = 0;
  std::string longStem;
  std::string stemBeforeCut;
  int sg1To2Digit = 0;
  int rootAtEt = 0;
  int patternMatched = 0;
  int codeSplit = 0;
  int impossibleEnding = 0;
  EndingSlots endings;
  std::string stemAlt;
  std::string pastStemAlt;
  int allPersons = 0;        // 0 or 2
  int objectiveAnyway = 0;   // 0 or 3
  int imperativeAnyway = 0;  // 0 or 3
  int prefixState = notTried;
  std::string verbCode;
  std::string foundWord;
  // Text or number: "0", "1", "2" from the code, or 1 / 0 from `fact`, held as text.
  std::string causativeKind;
  std::string searchWord;
  int noImperative = 0;

  // --- work fields (hidden controls) -------------------------------------
  LimitedTextField baseStem;       // the input less a final "ik"; its limit is `baseStemLimit`
  LimitedTextField cutResult;      // the cutter; its limit is `cutLength`
  LimitedTextField imperativeCut;  // the imperative producer's own cutter
  std::string vowelUsage;          // code characters 2 to 4
  std::string lexiconClassCode;    // code characters 5 and 6, or the chosen meaning's class
  std::string valenceCode;         // code characters 7 and 8

  // --- visible controls the engine reads or writes ------------------------
  EntryBox entry;                                   // the typed verb
  ConjugationTable table;                           // the conjugation table
  std::string noticeLine;                           // the notice above the table
  std::array<std::string, 8> derivedBoxes;          // the eight derived forms
  std::string derivedFormsCaption = kDerivedHiddenCaption;       // the derived-forms toggle
  std::string shortImperative = kShortImperativeDesignCaption;   // the short/long imperative toggle

  // The typed verb as the engine reads it: without leading and trailing blanks.
  std::string input() const { return trimBlanks(entry.text()); }
};

// `causativeKind` compared with a number: the text "1" equals the number 1.
bool causativeKindIs(const ConjugationState& s, int number);

}  // namespace ragozo
