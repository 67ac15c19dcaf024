// The stems of the chosen tense and mood.
#include "analysis/SecondStems.h"

#include <string>

#include "analysis/Cutters.h"
#include "analysis/PlainStems.h"
#include "analysis/VowelForms.h"
#include "text/Utf8Text.h"

namespace ragozo {
namespace {

using enum ClassProperty;

// The ending of the -d- stem of a verb like "haragszik" by the last four letters of its base stem.
const char* szikDEnding(const std::string& lastFour) {
  if (lastFour == "agsz") return "ud";
  if (lastFour == "aksz" || lastFour == "ugsz") return "od";
  if (lastFour == "eksz") return "ed";
  return nullptr;
}

// The v-stem: lő: löv, ró: rov, sí: sív, nyű: nyüv.
std::string vStemEnding(const std::string& last) {
  if (last == "ó") return "ov";
  if (last == "ő") return "öv";
  if (last == "í") return "ív";
  if (last == "ű") return "üv";
  return last;
}

// The base less two letters and the vowel class's "od", "ed" or "öd".
std::string dStem(const std::string& base, VowelClass vowel) {
  return cutEnd(base, 2) + std::string(formFor(vowel, "od", "ed", "öd"));
}

// The -ez- stem of emlékszik and the -ed- stem of melegszik, which the base stem follows.
bool ezOrEdStem(Stems& s, VerbClass cls, VowelClass vowel) {
  if (cls.is(likeEmlekszik)) {
    s.stem = cutEnd(s.baseStem, 2) + "ez";
  } else if (cls.is(likeMelegszik)) {
    s.stem = dStem(s.baseStem, vowel);
  } else {
    return false;
  }
  s.baseStem = s.stem;
  return true;
}

void szikStems(Stems& s, VerbClass cls, VowelClass vowel, Mood mood) {
  const std::string lastFour = rightChars(s.baseStem, 4);
  const std::string cut = cutEnd(s.baseStem, 2);
  if (ezOrEdStem(s, cls, vowel)) return;
  if (cls.is(likeVesz)) {
    s.stem = cutEnd(s.baseStem, 3) + "esz";
    s.baseStem = s.stem;
  } else if (cls.is(likeHaragszik)) {
    if (const char* ending = szikDEnding(lastFour)) s.stem = cut + ending;
    s.baseStem = s.stem;
  } else if (cls.is(likeFekszik)) {
    if (lastFour == "eksz") {
      s.stem = cut + "üd";
    } else if (lastFour == "alsz") {
      s.stem = cut + "ud";
    }
    if (mood != presentIndicative) s.baseStem = s.stem;
  } else if (cls.is(likeAlkuszik)) {
    s.stem = cut + "d";
  }
}

// `szikCut`: the base less two letters as it stood before the -szik stems.
void presentStems(Stems& s, std::string_view verb, VerbClass cls, VowelClass vowel, const std::string& szikCut) {
  const std::string last = rightChars(s.baseStem, 1);
  if (cls.is(unstableVowel)) {
    s.secondStem = cutEnd(s.baseStem, 2) + last;
  } else if (cls.is(linkingVowel)) {
    s.secondStem = s.baseStem;
    s.stem = linkingVowelStem(s.baseStem, verb, vowel);
  } else if (cls.is(likeLo)) {
    s.secondStem = cutEnd(s.baseStem, 1) + vStemEnding(last);
  } else if (cls.is(likeFekszik)) {
    s.secondStem = cutEnd(s.baseStem, 2) + "sz";
    s.stem = s.baseStem;
  } else if (cls.is(likeHaragszik) || cls.is(likeAlkuszik)) {
    s.secondStem = szikCut + "sz";
  } else if (cls.is(likeMelegszik)) {
    s.secondStem = cutEnd(s.baseStem, 2) + "sz";
    s.stem = dStem(s.baseStem, vowel);
    s.baseStem = s.stem;
  } else if (cls.is(likeEmlekszik)) {
    const std::string cut = cutEnd(s.baseStem, 2);
    s.secondStem = cut + "sz";
    s.stem = cut + "ez";
    s.baseStem = s.stem;
  } else {
    s.secondStem = s.stem;
  }
}

void pastStems(Stems& s, VerbClass cls, VowelClass vowel) {
  const std::string last = rightChars(s.baseStem, 1);
  if (cls.is(unstableVowelInPast)) {
    s.stem = s.baseStem;
    s.pastThirdStem = cutEnd(s.baseStem, 2) + last;
  } else if (cls.is(pastThirdOnBaseStem)) {
    s.pastThirdStem = s.baseStem;
  } else if (cls.is(pastLinkingVowelStem)) {
    s.pastThirdStem = s.baseStem;
    s.stem = cutEnd(s.baseStem, 1) + std::string(formFor(vowel, "o", "e", "ö")) + last;
  }
}

void conditionalStems(Stems& s, VerbClass cls, VowelClass vowel) {
  if (!cls.is(likeFuldoklik)) return;
  const std::string last = rightChars(s.baseStem, 1);
  s.stem = cutEnd(s.baseStem, 1) + std::string(formFor(vowel, "o", "e", "ö")) + last;
}

void imperativeStems(Stems& s, std::string_view verb, VerbClass cls, VowelClass vowel) {
  if (cls.is(linkingVowel)) {
    s.stem = linkingVowelStem(s.baseStem, verb, vowel);
  } else {
    ezOrEdStem(s, cls, vowel);
  }
}

}  // namespace

Stems moodStems(Stems stems, std::string_view verb, VerbClass cls, VowelClass vowel, Mood mood) {
  const std::string szikCut = cutEnd(stems.baseStem, 2);
  szikStems(stems, cls, vowel, mood);
  switch (mood) {
    case presentIndicative:
      presentStems(stems, verb, cls, vowel, szikCut);
      break;
    case pastIndicative:
      pastStems(stems, cls, vowel);
      break;
    case presentConditional:
      conditionalStems(stems, cls, vowel);
      break;
    case imperative:
      imperativeStems(stems, verb, cls, vowel);
      break;
    case noMood:
      break;
  }
  return stems;
}

}  // namespace ragozo
