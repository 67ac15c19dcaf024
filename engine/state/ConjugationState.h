// The one record of engine state, split by who owns each part.
//
// How data flows through the program: the window puts the typed verb into
// `entry` and asks the engine to conjugate (`conjugate`). The look-up (`lookUpVerb`,
// `lista`, `keres2`, `mintak`, `keres`) finds the verb in the lexicon or guesses
// it from its ending and splits its code (`tordel`) into the code labels;
// `csoport`, `ige` and `tipus` set the class, the stems and the vowel class;
// `tovek` and the other stem builders prepare the second stems; `idomod` runs
// the producer of the chosen tense and mood, which fills `marker` and the
// thirteen `endings`; `writeCells` writes every table cell as two blanks, a
// stem and an ending, the blanking procedures empty what the verb's
// restrictions exclude, and `egyebek` fills the eight derived-form boxes. Every
// engine procedure is a function over this record (plus the lexicon and the
// dialogs where it needs them) and talks to the others only through it.
#pragma once

#include <string>

#include "text/Utf8Text.h"

#include "state/LookupFindings.h"
#include "state/Output.h"
#include "state/Stems.h"
#include "state/UserChoices.h"

namespace ragozo {

// The parts are kept apart by owner: the look-up writes `LookupFindings`, the
// stem builders `Stems`, the tense and mood producers `Endings`, the table
// writer, the blanking and the derived forms `Output`, and the window
// `UserChoices`. They are joined here because the procedures still hand
// their results to each other through the one record.
struct ConjugationState : LookupFindings, Stems, Endings, Output, UserChoices {
  // The typed verb as the engine reads it: without leading and trailing blanks.
  std::string input() const { return trimBlanks(entry); }
};

}  // namespace ragozo
