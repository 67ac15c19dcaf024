// The second present and past stems.
#include "analysis/SecondStems.h"

#include <string>

#include "analysis/ClassSets.h"
#include "analysis/Cutters.h"
#include "analysis/PlainStems.h"
#include "analysis/VowelForms.h"
#include "text/Utf8Text.h"

namespace ragozo {
namespace {

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

// `stem` := `base` followed by the vowel class's variant; unchanged for an invalid class.
void appendByVowel(ConjugationState& s, const std::string& base, std::string_view backForm,
                   std::string_view frontForm, std::string_view roundedForm) {
  if (const auto form = formFor(s.vowelClass, backForm, frontForm, roundedForm)) s.stem = base + std::string(*form);
}

// `stem` := `base`, the linking vowel ("o", "e", "ö") and `last` (vérzik: vérez).
void linkVowel(ConjugationState& s, const std::string& base, const std::string& last) {
  if (const auto vowel = formFor(s.vowelClass, "o", "e", "ö")) s.stem = base + std::string(*vowel) + last;
}

// The ending of a "33" verb's -d- stem by the last four letters of its base stem.
const char* szikDEnding(const std::string& lastFour) {
  if (lastFour == "agsz") return "ud";
  if (lastFour == "aksz" || lastFour == "ugsz") return "od";
  if (lastFour == "eksz") return "ed";
  return nullptr;
}

void szikStems(ConjugationState& s) {
  const std::string& code = s.classCode;
  const std::string lastFour = rightChars(s.baseStem.text(), 4);
  if (code == "52") {
    s.stem = cut2(s) + "ez";
    s.baseStem.assign(s.stem);
  } else if (code == "2a") {
    s.stem = cut3(s) + "esz";
    s.baseStem.assign(s.stem);
  } else if (code == "3a") {
    appendByVowel(s, cut2(s), "od", "ed", "öd");
    s.baseStem.assign(s.stem);
  } else if (code == "33") {
    const std::string cut = cut2(s);
    if (const char* ending = szikDEnding(lastFour)) s.stem = cut + ending;
    s.baseStem.assign(s.stem);
  } else if (code == "3c") {
    const std::string cut = cut2(s);
    if (lastFour == "eksz") {
      s.stem = cut + "üd";
    } else if (lastFour == "alsz") {
      s.stem = cut + "ud";
    }
    if (s.mood != presentIndicative) s.baseStem.assign(s.stem);
  } else if (code == "3b") {
    s.stem = cut2(s) + "d";
  }
}

// The v-stem of class "24": lő: löv, ró: rov, sí: sív, nyű: nyüv.
std::string vStemEnding(const std::string& last) {
  if (last == "ó") return "ov";
  if (last == "ő") return "öv";
  if (last == "í") return "ív";
  if (last == "ű") return "üv";
  return last;
}

void presentStems(ConjugationState& s) {
  const std::string& code = s.classCode;
  const std::string last = lastLetter(s);
  if (inClassSet(code, unstableVowelClasses)) {
    s.stemAlt = cut2(s) + last;
  } else if (inClassSet(code, insertVowelClasses)) {
    s.stemAlt = s.baseStem.text();
    bovit(s);
  } else if (code == "24") {
    s.stemAlt = cut1(s) + vStemEnding(last);
  } else if (code == "3c") {
    s.stemAlt = cut2(s) + "sz";
    s.stem = s.baseStem.text();
  } else if (code == "30" || code == "32") {
    s.stemAlt = s.stem;
  } else if (code == "33" || code == "3b") {
    s.stemAlt = s.cutResult.text() + "sz";
  } else if (code == "3a") {
    const std::string cut = cut2(s);
    s.stemAlt = cut + "sz";
    appendByVowel(s, cut, "od", "ed", "öd");
    s.baseStem.assign(s.stem);
  } else if (code == "52") {
    const std::string cut = cut2(s);
    s.stemAlt = cut + "sz";
    s.stem = cut + "ez";
    s.baseStem.assign(s.stem);
  } else {
    s.stemAlt = s.stem;
  }
}

void pastStems(ConjugationState& s) {
  const std::string& code = s.classCode;
  const std::string last = lastLetter(s);
  if (code == "08" || code == "19") {
    s.stem = s.baseStem.text();
    s.pastStemAlt = cut2(s) + last;
  } else if (inClassSet(code, {"6a", "41", "64", "87", "42", "65", "88"})) {
    s.pastStemAlt = s.baseStem.text();
  } else if (inClassSet(code, {"66", "4a", "8d", "89"})) {
    s.pastStemAlt = s.baseStem.text();
    linkVowel(s, cut1(s), last);
  }
}

void conditionalStems(ConjugationState& s) {
  if (s.classCode != "8d") return;
  const std::string last = lastLetter(s);
  linkVowel(s, cut1(s), last);
}

void imperativeStems(ConjugationState& s) {
  const std::string& code = s.classCode;
  if (inClassSet(code, insertVowelClasses)) {
    bovit(s);
  } else if (code == "52") {
    s.stem = cut2(s) + "ez";
    s.baseStem.assign(s.stem);
  } else if (code == "3a") {
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
