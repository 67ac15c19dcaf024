// The imperative marker, stems and endings.
#include "inflection/Imperative.h"

#include <string>

#include "analysis/Cutters.h"
#include "analysis/PlainStems.h"
#include "inflection/PersonalEndings.h"
#include "text/Utf8Text.h"

namespace ragozo {
namespace {

using enum ClassProperty;

constexpr PersonalEndings kBack = {"ak", "am", "ál", "ad", "on", "a", "unk", "uk", "atok", "átok", "anak", "ák", "alak"};
constexpr PersonalEndings kFront = {"ek", "em", "él", "ed", "en", "e", "ünk", "ük", "etek", "étek", "enek", "ék", "elek"};

// `text` cut to the length of the verb less `drop` letters (the whole of it for a cut longer than the verb).
std::string cutToVerbLess(std::string_view text, std::string_view verb, int drop) {
  return cutToLength(text, static_cast<int>(charCount(verb)) - drop);
}

// The stem rule by class, the first that holds; a class without one keeps the stem (the
// linking-vowel classes have theirs from the imperative's stems already).
std::string imperativeStem(std::string_view verb, const Stems& stems, VerbClass cls) {
  const std::string& base = stems.baseStem;
  if (cls.is(likeAkaszt)) return cutToVerbLess(base, verb, 2) + "s";
  if (cls.is(imperativeSOnBaseLessOne)) return cutToVerbLess(base, verb, 1) + "s";
  if (cls.is(imperativeSOnEntryLessThree)) return cutToVerbLess(verb, verb, 3) + "s";
  if (cls.is(likeVesz)) return cutToVerbLess(verb, verb, 3) + "ess";
  if (cls.is(dzikStem)) return cutToVerbLess(verb, verb, 3) + "d";
  if (cls.is(sibilantIk)) {
    const bool keepsZ = endsWithAny(verb, {"bagzik", "gamzik", "fajzik", "rajzik", "fogzik", "rögzik", "csapzik"});
    return cutToVerbLess(verb, verb, 3) + (keepsZ ? "z" : "s");
  }
  if (cls.is(likeFest)) return cutToVerbLess(base, verb, 1);
  if (cls.is(likeEdz)) return cutToVerbLess(verb, verb, 1) + "d";
  if (cls.is(likeVeszt)) return cutEnd(base, 1) + "ít";
  return stems.stem;
}

// The marker by class; a class without an imperative marker has none.
std::string imperativeMarker(VerbClass cls) {
  if (cls.is(imperativeMarkerJ)) return "j";
  if (cls.is(imperativeMarkerS)) return "s";
  if (cls.is(imperativeMarkerZ)) return "z";
  return {};
}

// The short second person singular's objective ending.
std::string shortObjectiveEnding(VerbClass cls) {
  if (cls.is(shortObjectiveDd)) return "dd";
  if (cls.is(shortObjectiveSd)) return "sd";
  if (cls.is(shortObjectiveZd)) return "zd";
  return "d";
}

// The short stems of tesz, visz, eszik ("te", "vi", "e") before "gy" ("ggy" for hisz), and the
// irregular "men", "jöj" and "le", whose "gy" takes front vowels.
void shortAndIrregularStem(std::string_view verb, Inflection& inflection, std::string& marker) {
  Stems& stems = inflection.stems;
  if (inflection.cls.is(shortStem)) {
    stems.stem = cutEnd(stems.baseStem, 2);
    marker = endsWith(verb, "hisz") ? "ggy" : "gy";
  } else if (inflection.cls.is(irregular)) {
    if (endsWith(verb, "megy")) {
      stems.stem = cutEnd(stems.baseStem, 2) + "n";
    } else if (endsWith(verb, "jön")) {
      stems.stem = cutEnd(stems.baseStem, 2) + "öj";
    } else if (endsWith(verb, "van")) {
      inflection.vowel = frontUnrounded;
      stems.stem = withoutVanEnding(verb) + "le";
      marker = "gy";
    }
  }
}

}  // namespace

Inflection imperativeEndings(std::string_view verb, Inflection inflection, bool shortForms) {
  Stems& stems = inflection.stems;
  const VerbClass cls = inflection.cls;
  stems.stem = endsWith(verb, "viszonylik") ? linkingVowelStem(stems.baseStem, verb, inflection.vowel)
                                            : imperativeStem(verb, stems, cls);
  std::string marker = imperativeMarker(cls);
  if (endsWith(verb, "izzik")) stems.stem = cutEnd(stems.baseStem, 1);
  shortAndIrregularStem(verb, inflection, marker);

  EndingSlots& e = inflection.endings;
  if (inflection.vowel == back) {
    e = slotsOf(marker, kBack);
  } else {
    e = slotsOf(marker, kFront);
    if (inflection.vowel == frontRounded || endsWith(verb, "fekszik")) e.sg3Subj = marker + "ön";
    if (endsWith(verb, "őriz")) e.sg3Subj = marker + "en";
  }
  if (shortForms) {
    // "eszik" and "iszik" have no short subjective form in use ("égy", "így"): "egyél", "igyál" stay.
    const bool shortSubjective = !(cls.is(shortStem) && (endsWith(verb, "eszik") || endsWith(verb, "iszik")));
    if (shortSubjective) e.sg2Subj = marker;
    e.sg2Obj = shortObjectiveEnding(cls);
  }
  return inflection;
}

}  // namespace ragozo
