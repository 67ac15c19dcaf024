// The imperative marker, stems and endings.
#include "inflection/Imperative.h"

#include "analysis/Alapszik.h"
#include "analysis/Cutters.h"
#include "analysis/ImperativeStems.h"
#include "analysis/PlainStems.h"
#include "analysis/SecondStems.h"
#include "inflection/PersonalEndings.h"
#include "inflection/RuleTests.h"

namespace ragozo {
namespace {

using enum ClassProperty;

constexpr PersonalEndings kBack = {"ak", "am", "ál", "ad", "on", "a", "unk", "uk", "atok", "átok", "anak", "ák", "alak"};
constexpr PersonalEndings kFront = {"ek", "em", "él", "ed", "en", "e", "ünk", "ük", "etek", "étek", "enek", "ék", "elek"};

// `text` less `drop` letters, cut through the imperative's own work field:
// the limit is set, the text written and read back.
std::string cutImperative(ConjugationState& s, std::string_view text, int drop) {
  s.imperativeCut.setLimit(static_cast<int>(charCount(s.input())) - drop);
  s.imperativeCut.assign(text);
  return s.imperativeCut.text();
}

// The stem rule by class, first row that holds it; a class in no row keeps the stem.
void imperativeStem(ConjugationState& s, const std::string& verb) {
  const VerbClass cls = s.verbClass;
  const std::string base = s.baseStem.text();
  if (cls.is(likeAkaszt)) {
    s.stem = cutImperative(s, base, 2) + "s";
  } else if (cls.is(imperativeSOnBaseLessOne)) {
    s.stem = cutImperative(s, base, 1) + "s";
  } else if (cls.is(imperativeSOnEntryLessThree)) {
    s.stem = cutImperative(s, verb, 3) + "s";
  } else if (cls.is(likeVesz)) {
    s.stem = cutImperative(s, verb, 3) + "ess";
  } else if (cls.is(dzikStem)) {
    s.stem = cutImperative(s, verb, 3) + "d";
  } else if (cls.is(sibilantIk)) {
    const bool keepsZ =
        endsWithAny(verb, {"bagzik", "gamzik", "fajzik", "rajzik", "fogzik", "rögzik", "csapzik"});
    s.stem = cutImperative(s, verb, 3) + (keepsZ ? "z" : "s");
  } else if (cls.is(likeFest)) {
    s.stem = cutImperative(s, base, 1);
  } else if (cls.is(likeEdz)) {
    s.stem = cutImperative(s, verb, 1) + "d";
  } else if (cls.is(linkingVowelStem)) {
    tovek(s);
  } else if (cls.is(likeVeszt)) {
    sz(s);
    s.stem = s.cutResult.text() + "ít";
  }
}

// The marker by class; a class without an imperative marker keeps the marker it has.
void imperativeMarker(ConjugationState& s) {
  const VerbClass cls = s.verbClass;
  if (cls.is(imperativeMarkerJ)) {
    s.marker = "j";
  } else if (cls.is(imperativeMarkerS)) {
    s.marker = "s";
  } else if (cls.is(imperativeMarkerZ)) {
    s.marker = "z";
  }
}

// The short stems of tesz/visz/eszik and the irregular megy, jön, van.
void shortAndIrregularStem(ConjugationState& s, const std::string& verb) {
  if (s.verbClass.is(shortStem)) {
    dz(s);
    s.stem = s.cutResult.text();
    s.marker = endsWith(verb, "hisz") ? "ggy" : "gy";
  } else if (s.verbClass.is(irregular)) {
    if (endsWith(verb, "megy")) {
      dz(s);
      s.stem = s.cutResult.text() + "n";
    } else if (endsWith(verb, "jön")) {
      dz(s);
      s.stem = s.cutResult.text() + "öj";
    } else if (endsWith(verb, "van")) {
      s.vowelClass = VowelClass::frontUnrounded;
      cutVanEnding(s);
      s.stem = s.cutResult.text() + "le";
      s.marker = "gy";
    }
  }
}

}  // namespace

void felsz(ConjugationState& s) {
  const std::string verb = s.input();
  if (isAlapszik(verb)) {
    s.stem = alapszikStem(verb);
    s.verbClass = kPlainClass;
  }
  if (endsWith(verb, "viszonylik")) {
    bovit(s);
  } else {
    imperativeStem(s, verb);
  }
  imperativeMarker(s);
  if (endsWith(verb, "izzik")) {
    sz(s);
    s.stem = s.cutResult.text();
  }
  shortAndIrregularStem(s, verb);

  if (s.vowelClass == VowelClass::back) {
    writeSlots(s.endings, s.marker, kBack);
  } else {
    writeSlots(s.endings, s.marker, kFront);
    if (s.vowelClass == VowelClass::frontRounded || endsWith(verb, "fekszik")) s.endings.sg3Subj = s.marker + "ön";
    if (endsWith(verb, "őriz")) s.endings.sg3Subj = s.marker + "en";
  }

  if (s.imperativeForms == ImperativeForms::shortForms) rov(s);
}

}  // namespace ragozo
