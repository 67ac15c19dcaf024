// The stems of the chosen tense and mood.
#include "analysis/MoodStems.h"

#include <string>

#include "analysis/Cutters.h"
#include "analysis/PlainStems.h"
#include "analysis/VowelForms.h"
#include "text/Utf8Text.h"

namespace ragozo {
namespace {

using enum ClassProperty;

// The ending of the -d- stem of a verb like "haragszik" by the last four letters of its base stem.
const char* dStemEndingByLastFour(const std::string& lastFour) {
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

// The -szik verbs' stem, and with it their base stem, in every tense and mood (alszik: alud).
void applySzikStemAndBase(Stems& stems, VerbClass cls, VowelClass vowel, Mood mood) {
  const std::string lastFour = rightChars(stems.baseStem, 4);
  const std::string baseWithoutSz = cutEnd(stems.baseStem, 2);
  if (cls.is(likeEmlekszik)) {
    stems.stem = baseWithoutSz + "ez";
    stems.baseStem = stems.stem;
  } else if (cls.is(likeMelegszik)) {
    stems.stem = baseWithoutSz + std::string(formFor(vowel, "od", "ed", "öd"));
    stems.baseStem = stems.stem;
  } else if (cls.is(likeVesz)) {
    stems.stem = cutEnd(stems.baseStem, 3) + "esz";
    stems.baseStem = stems.stem;
  } else if (cls.is(likeHaragszik)) {
    if (const char* ending = dStemEndingByLastFour(lastFour)) stems.stem = baseWithoutSz + ending;
    stems.baseStem = stems.stem;
  } else if (cls.is(likeFekszik)) {
    if (lastFour == "eksz") {
      stems.stem = baseWithoutSz + "üd";
    } else if (lastFour == "alsz") {
      stems.stem = baseWithoutSz + "ud";
    }
    if (mood != presentIndicative) stems.baseStem = stems.stem;
  } else if (cls.is(likeAlkuszik)) {
    stems.stem = baseWithoutSz + "d";
  }
}

// The present's second stem (énekel: énekl), and the stem of the classes that change it there.
// `baseWithoutSz`: the base less its final "sz" as it stood before the -szik stems (haragsz: harag).
void applyPresentSecondStem(Stems& stems, std::string_view verb, VerbClass cls, VowelClass vowel,
                            const std::string& baseWithoutSz) {
  const std::string last = rightChars(stems.baseStem, 1);
  if (cls.is(unstableVowel)) {
    stems.secondStem = cutEnd(stems.baseStem, 2) + last;
  } else if (cls.is(linkingVowel)) {
    stems.secondStem = stems.baseStem;
    stems.stem = linkingVowelStem(stems.baseStem, verb, vowel);
  } else if (cls.is(likeLo)) {
    stems.secondStem = cutEnd(stems.baseStem, 1) + vStemEnding(last);
  } else if (cls.is(likeFekszik)) {
    stems.secondStem = cutEnd(stems.baseStem, 2) + "sz";
    stems.stem = stems.baseStem;
  } else if (cls.is(likeHaragszik) || cls.is(likeAlkuszik) || cls.is(likeMelegszik) || cls.is(likeEmlekszik)) {
    stems.secondStem = baseWithoutSz + "sz";
  } else {
    stems.secondStem = stems.stem;
  }
}

// The past third person's stem (ácsorog: ácsorg), and the stem of the classes that change it there.
void applyPastThirdPersonStem(Stems& stems, VerbClass cls, VowelClass vowel) {
  const std::string last = rightChars(stems.baseStem, 1);
  if (cls.is(unstableVowelInPast)) {
    stems.stem = stems.baseStem;
    stems.pastThirdStem = cutEnd(stems.baseStem, 2) + last;
  } else if (cls.is(pastThirdOnBaseStem)) {
    stems.pastThirdStem = stems.baseStem;
  } else if (cls.is(pastLinkingVowelStem)) {
    stems.pastThirdStem = stems.baseStem;
    stems.stem = cutEnd(stems.baseStem, 1) + std::string(formFor(vowel, "o", "e", "ö")) + last;
  }
}

// The linking-vowel stem that the conditional alone takes (fuldoklik: fuldokol).
void applyConditionalLinkingVowelStem(Stems& stems, VerbClass cls, VowelClass vowel) {
  if (!cls.is(likeFuldoklik)) return;
  const std::string last = rightChars(stems.baseStem, 1);
  stems.stem = cutEnd(stems.baseStem, 1) + std::string(formFor(vowel, "o", "e", "ö")) + last;
}

// The imperative's linking-vowel stem (ugrik: ugor).
void applyImperativeLinkingVowelStem(Stems& stems, std::string_view verb, VerbClass cls, VowelClass vowel) {
  if (cls.is(linkingVowel)) stems.stem = linkingVowelStem(stems.baseStem, verb, vowel);
}

}  // namespace

Stems moodStems(Stems stems, std::string_view verb, VerbClass cls, VowelClass vowel, Mood mood) {
  const std::string baseWithoutSz = cutEnd(stems.baseStem, 2);
  applySzikStemAndBase(stems, cls, vowel, mood);
  switch (mood) {
    case presentIndicative:
      applyPresentSecondStem(stems, verb, cls, vowel, baseWithoutSz);
      break;
    case pastIndicative:
      applyPastThirdPersonStem(stems, cls, vowel);
      break;
    case presentConditional:
      applyConditionalLinkingVowelStem(stems, cls, vowel);
      break;
    case imperative:
      applyImperativeLinkingVowelStem(stems, verb, cls, vowel);
      break;
    case noMood:
      break;
  }
  return stems;
}

}  // namespace ragozo
