// The past indicative marker and endings.
#include "inflection/PastIndicative.h"

#include "analysis/PastStems.h"
#include "analysis/VowelForms.h"
#include "inflection/PersonalEndings.h"
#include "text/Utf8Text.h"

namespace ragozo {
namespace {

using enum ClassProperty;

constexpr PersonalEndings kBack = {"am", "am", "ál", "ad", "", "a", "unk", "uk", "atok", "átok", "ak", "ák", "alak"};
constexpr PersonalEndings kFront = {"em", "em", "él", "ed", "", "e", "ünk", "ük", "etek", "étek", "ek", "ék", "elek"};

}  // namespace

PastMarker pastMarker(VerbClass cls, VowelClass vowel) {
  PastMarker past;
  const std::string linkedThird(formFor(vowel, "ott", "ett", "ött"));
  if (cls.is(pastMarkerT)) {
    past.marker = "t";
    past.pastThird = "t";
  } else if (cls.is(pastMarkerTLinkedThird)) {
    past.marker = "t";
    past.pastThird = linkedThird;
  } else if (cls.is(pastMarkerLinked)) {
    past.marker = linkedThird;
    past.pastThird = linkedThird;
  } else if (cls.is(pastMarkerTt)) {
    past.marker = "tt";
    past.pastThird = "tt";
  }
  return past;
}

Inflection pastEndings(std::string_view verb, Inflection inflection) {
  const PastMarker past = pastMarker(inflection.cls, inflection.vowel);
  inflection.endings = slotsOf(past.marker, inflection.vowel == back ? kBack : kFront);
  inflection.endings.sg3Subj = past.pastThird;
  if (inflection.cls.is(likeEszik)) {
    if (endsWith(verb, "eszik")) inflection.endings.sg3Subj = "vett";
    if (endsWith(verb, "iszik")) inflection.endings.sg3Subj = "vott";
  }
  Stems& stems = inflection.stems;
  stems.stem = pastStem(stems.stem, stems.baseStem, verb, inflection.cls);
  return inflection;
}

}  // namespace ragozo
