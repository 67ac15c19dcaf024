// Derived forms: the infinitive, the adverbial participle, the present and the past participle.
#include "analysis/PastStems.h"
#include "analysis/PlainStems.h"
#include "inflection/DerivedBoxes.h"
#include "inflection/DerivedFormSteps.h"
#include "inflection/PastIndicative.h"
#include "inflection/RuleTests.h"

namespace ragozo::derived {
namespace {

// Writes a box with the back form for vowel class 1 and the front form for 2
// and 3; any other vowel class leaves the box as it was.
void writeStrictly(ConjugationState& s, int box, std::string_view back, std::string_view front) {
  if (s.vowelClass == VowelClass::back) {
    s.derivedBoxes[box] = s.stem + std::string(back);
  } else if (knownVowelClass(s)) {
    s.derivedBoxes[box] = s.stem + std::string(front);
  }
}

// The adverbial participle's stems of the short and irregular verbs ("men",
// "jő", "lé", "fek", "té", "ví", "ev", "iv"); the bare "van", "eszik", "iszik" cut to nothing.
// The forms in use are "evve", "ivva", "megevve", not "éve", "íva".
void irregularAdverbialStem(Run& run) {
  ConjugationState& s = run.s;
  if (run.verbEndsIn({"megy"})) {
    run.cutEntry(2, "n");
  } else if (run.verbEndsIn({"jön"})) {
    run.cutEntry(2, "ő");
  } else if (run.verbEndsIn({"van"})) {
    s.emptyCutFlag = true;
    run.cutEntry(3, "lé");
  } else if (run.verbEndsIn({"fekszik", "alszik"})) {
    run.cutEntry(4);
  } else if (run.verbEndsIn({"tesz", "vesz"})) {
    run.cutEntry(3, "é");
  } else if (run.verbEndsIn({"visz", "hisz"})) {
    run.cutEntry(3, "í");
  } else if (run.verbEndsIn({"eszik"})) {
    s.emptyCutFlag = true;
    run.cutEntry(5, "ev");
  } else if (run.verbEndsIn({"iszik"})) {
    s.emptyCutFlag = true;
    run.cutEntry(5, "iv");
  }
}

}  // namespace

void dropUnstableVowel(Run& run) { run.cutEntry(2, rightChars(run.verb, 1)); }

bool actionNounDropsVowel(const Run& run) {
  return run.verbEndsIn({"varázsol"}) || (run.verbEndsIn({"rabol"}) && !run.verbEndsIn({"darabol", "sarabol"}));
}

bool presentParticipleDropsVowel(const Run& run) {
  return actionNounDropsVowel(run) || run.verbEndsIn({"térdepel"});
}

void classTwentyFourStem(Run& run) {
  ConjugationState& s = run.s;
  run.cutEntry(1, backOrFront(s, "ov", "öv"));
  if (run.verbEndsIn({"í"})) s.stem = s.cutResult.text() + "ív";
  if (run.verbEndsIn({"nyű"})) s.stem = s.cutResult.text() + "üv";
}

void infinitive(Run& run) {
  ConjugationState& s = run.s;
  const std::string& code = s.classCode;
  // "6d" has no marker of its own and takes that of its neighbour "64".
  if (inClassSet(code, {"6a", "14", "15", "16", "20", "21", "22", "23", "26", "29", "44", "67", "90", "41", "64",
                        "87", "6d"})) {
    if (!inClassSet(code, {"16", "21", "23"})) s.marker = backOrFront(s, "an", "en");
    s.stem = s.baseStem.text();
  }
  s.derivedBoxes[infinitiveBox] = s.stem + s.marker + "i";
  if (inClassSet(code, {"4a", "8d"})) {
    bovit(s);
    s.derivedBoxes[infinitiveBox] = s.stem + "ni";
  }
  if (code == "3c") {
    bovit2(s);
    s.derivedBoxes[infinitiveBox] = s.stem + "ni";
  }
}

void adverbialParticiple(Run& run) {
  ConjugationState& s = run.s;
  s.stem = run.savedStem;
  if (inClassSet(s.classCode, consonantStemClasses)) s.stem = s.baseStem.text();
  if (run.verbEndsIn({"ív"})) s.stem = dropLastChars(run.verb, 2) + "í";  // hív: "híva"
  if (inClassSet(s.classCode, {"25", "3c", "37", "83", "99"})) irregularAdverbialStem(run);
  if (inClassSet(s.classCode, insertVowelClasses)) bovit(s);
  writeStrictly(s, adverbialParticipleBox, "va", "ve");
  if (withoutImperative(s) && !run.verbEndsIn({"bocsájt"})) s.derivedBoxes[adverbialParticipleBox] = kNoSuchForm;
}

void presentParticiple(Run& run) {
  ConjugationState& s = run.s;
  const std::string& code = s.classCode;
  s.stem = run.savedStem;
  if (inClassSet(code, participleStemClasses)) {
    s.stem = s.baseStem.text();
  } else if (inClassSet(code, unstableVowelClasses) || presentParticipleDropsVowel(run)) {
    dropUnstableVowel(run);
  } else if (inClassSet(code, {"3b", "33", "52"})) {
    if (!run.verbEndsIn({"emlékszik", "haragszik", "növekszik"})) run.cutEntry(4, "v");
  } else if (code == "24") {
    classTwentyFourStem(run);
  } else if (code == "25") {
    run.cutEntry(2, "v");
    // hisz: "hívő"; with a preverb the preverb stays ("elhívő").
    if (run.verbEndsIn({"hisz"})) s.stem = dropLastChars(run.verb, 4) + "hív";
  } else if (inClassSet(code, {"37", "83"})) {
    run.cutEntry(4, "v");
  }
  if (run.verbEndsIn({"fekszik", "alszik"})) run.cutEntry(4, "v");
  s.derivedBoxes[presentParticipleBox] = s.stem + std::string(backOrFront(s, "ó", "ő"));
  if (code == "51") s.derivedBoxes[presentParticipleBox] = kNoSuchForm;
}

void pastParticiple(Run& run) {
  ConjugationState& s = run.s;
  s.stem = run.savedStem;
  multjel(s);
  multto(s);
  const std::string& code = s.classCode;
  if (inClassSet(code, participleStemClasses)) {
    s.stem = s.baseStem.text();
  } else if (inClassSet(code, {"08", "19"})) {
    dropUnstableVowel(run);
  } else if (code == "3c") {
    bovit2(s);
  } else if (inClassSet(code, {"37", "83"})) {
    run.cutEntry(4, "v");
    s.pastThird = backOrFront(s, "ott", "ett");
  }
  // hí, szí: the entry less its last letter, as the present participle's v-stem left it.
  if (run.verbEndsIn({"szí", "hí"})) s.stem = s.cutResult.text() + "ívo";
  s.derivedBoxes[pastParticipleBox] = s.stem + s.pastThird;
  s.stem = run.savedStem;
}

}  // namespace ragozo::derived
