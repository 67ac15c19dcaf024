// The second present and past stems.
#include "analysis/SecondStems.h"

#include <string>

#include "analysis/Cutters.h"
#include "analysis/PlainStems.h"
#include "analysis/VowelForms.h"
#include "text/Utf8Text.h"

namespace ragozo {
namespace {

using enum ClassProperty;

std::string cut1(ConjugationState& s) {
  sz(s);
  return s.cutResult.text();
}

std::string cut2(ConjugationState& s) {
  dz(s);
  return s.cutResult.text();
}

std::string cut3(ConjugationState& s) {
  dz3(s);
  return s.cutResult.text();
}

std::string lastLetter(const ConjugationState& s) { return rightChars(s.baseStem.text(), 1); }

// `stem` := `base` followed by the vowel class's variant.
void appendByVowel(ConjugationState& s, const std::string& base, std::string_view backForm,
                   std::string_view frontForm, std::string_view roundedForm) {
  s.stem = base + std::string(formFor(s.vowelClass, backForm, frontForm, roundedForm));
}

// `stem` := `base`, the linking vowel ("o", "e", "ö") and `last` (vérzik: vérez).
void linkVowel(ConjugationState& s, const std::string& base, const std::string& last) {
  s.stem = base + std::string(formFor(s.vowelClass, "o", "e", "ö")) + last;
}

// The ending of the -d- stem of a verb like "haragszik" by the last four letters of its base stem.
const char* szikDEnding(const std::string& lastFour) {
  if (lastFour == "agsz") return "ud";
  if (lastFour == "aksz" || lastFour == "ugsz") return "od";
  if (lastFour == "eksz") return "ed";
  return nullptr;
}

void szikStems(ConjugationState& s) {
  const VerbClass cls = s.verbClass;
  const std::string lastFour = rightChars(s.baseStem.text(), 4);
  if (cls.is(likeEmlekszik)) {
    s.stem = cut2(s) + "ez";
    s.baseStem.assign(s.stem);
  } else if (cls.is(likeVesz)) {
    s.stem = cut3(s) + "esz";
    s.baseStem.assign(s.stem);
  } else if (cls.is(likeMelegszik)) {
    appendByVowel(s, cut2(s), "od", "ed", "öd");
    s.baseStem.assign(s.stem);
  } else if (cls.is(likeHaragszik)) {
    const std::string cut = cut2(s);
    if (const char* ending = szikDEnding(lastFour)) s.stem = cut + ending;
    s.baseStem.assign(s.stem);
  } else if (cls.is(likeFekszik)) {
    const std::string cut = cut2(s);
    if (lastFour == "eksz") {
      s.stem = cut + "üd";
    } else if (lastFour == "alsz") {
      s.stem = cut + "ud";
    }
    if (s.mood != presentIndicative) s.baseStem.assign(s.stem);
  } else if (cls.is(likeAlkuszik)) {
    s.stem = cut2(s) + "d";
  }
}

// The v-stem: lő: löv, ró: rov, sí: sív, nyű: nyüv.
std::string vStemEnding(const std::string& last) {
  if (last == "ó") return "ov";
  if (last == "ő") return "öv";
  if (last == "í") return "ív";
  if (last == "ű") return "üv";
  return last;
}

void presentStems(ConjugationState& s) {
  const VerbClass cls = s.verbClass;
  const std::string last = lastLetter(s);
  if (cls.is(unstableVowel)) {
    s.stemAlt = cut2(s) + last;
  } else if (cls.is(linkingVowelStem)) {
    s.stemAlt = s.baseStem.text();
    bovit(s);
  } else if (cls.is(likeLo)) {
    s.stemAlt = cut1(s) + vStemEnding(last);
  } else if (cls.is(likeFekszik)) {
    s.stemAlt = cut2(s) + "sz";
    s.stem = s.baseStem.text();
  } else if (cls.is(likeHaragszik) || cls.is(likeAlkuszik)) {
    s.stemAlt = s.cutResult.text() + "sz";
  } else if (cls.is(likeMelegszik)) {
    const std::string cut = cut2(s);
    s.stemAlt = cut + "sz";
    appendByVowel(s, cut, "od", "ed", "öd");
    s.baseStem.assign(s.stem);
  } else if (cls.is(likeEmlekszik)) {
    const std::string cut = cut2(s);
    s.stemAlt = cut + "sz";
    s.stem = cut + "ez";
    s.baseStem.assign(s.stem);
  } else {
    s.stemAlt = s.stem;
  }
}

void pastStems(ConjugationState& s) {
  const VerbClass cls = s.verbClass;
  const std::string last = lastLetter(s);
  if (cls.is(unstableVowelInPast)) {
    s.stem = s.baseStem.text();
    s.pastStemAlt = cut2(s) + last;
  } else if (cls.is(pastThirdOnBaseStem)) {
    s.pastStemAlt = s.baseStem.text();
  } else if (cls.is(pastLinkingVowelStem)) {
    s.pastStemAlt = s.baseStem.text();
    linkVowel(s, cut1(s), last);
  }
}

void conditionalStems(ConjugationState& s) {
  if (!s.verbClass.is(likeFuldoklik)) return;
  const std::string last = lastLetter(s);
  linkVowel(s, cut1(s), last);
}

void imperativeStems(ConjugationState& s) {
  const VerbClass cls = s.verbClass;
  if (cls.is(linkingVowelStem)) {
    bovit(s);
  } else if (cls.is(likeEmlekszik)) {
    s.stem = cut2(s) + "ez";
    s.baseStem.assign(s.stem);
  } else if (cls.is(likeMelegszik)) {
    appendByVowel(s, cut2(s), "od", "ed", "öd");
    s.baseStem.assign(s.stem);
  }
}

}  // namespace

void tovek(ConjugationState& s) {
  szikStems(s);
  switch (s.mood) {
    case presentIndicative:
      presentStems(s);
      break;
    case pastIndicative:
      pastStems(s);
      break;
    case presentConditional:
      conditionalStems(s);
      break;
    case imperative:
      imperativeStems(s);
      break;
    default:
      break;
  }
}

}  // namespace ragozo
