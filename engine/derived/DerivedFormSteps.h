// The steps of one derived-forms run, shared by the files that implement them.
//
// `deriveForms` runs them in this order, each box starting again from the stem
// saved at the start of the run; a step may leave the stem, the marker and the
// last cut changed for the steps after it, as the rules that read "the cut of
// the step before" rely on.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "derived/DerivedForms.h"

namespace ragozo::derived {

// What one run carries from step to step.
struct Run {
  const DerivedSource& source;
  std::string stem;
  std::string savedStem;  // the stem as the run found it, after the -ik stem fixes
  std::string marker;
  std::string pastThird;
  VerbClass cls;
  VowelClass vowel;
  CausativeKind causativeKind;
  std::string lastCut;  // the entry as the last `cutEntry` left it
  DerivedBoxes boxes;

  std::string_view verb() const { return source.verb; }
  const std::string& baseStem() const { return source.inflection.stems.baseStem; }
  // `stem` := the entry less `drop` letters (the bare "van", "eszik", "iszik" to nothing when
  // `bareToNothing`), followed by `tail`.
  void cutEntry(int drop, std::string_view tail = {}, bool bareToNothing = false);
  bool verbEndsIn(std::initializer_list<std::string_view> endings) const;
  // The box holds the stem and the back or the front ending.
  void writeByVowels(DerivedBox box, std::string_view backEnding, std::string_view frontEnding);
};

// Infinitive, adverbial participle, present and past participle.
void infinitive(Run& run);
void adverbialParticiple(Run& run);
void presentParticiple(Run& run);
void pastParticiple(Run& run);

// Action noun with the future participle, potential verb, causative verb.
void actionNounAndFutureParticiple(Run& run);
void potentialVerb(Run& run);
void causativeVerb(Run& run);

// The v-stem of lő, ró, sí, nyű ("rov", "föv", "hív", "nyüv"); leaves the entry
// less its last letter as the last cut.
void vStem(Run& run);
// The entry less two letters and then its last letter: the unstable vowel drops ("forg").
void dropUnstableVowel(Run& run);
// Verbs that keep their unstable vowel in the table ("rabolok") but drop it in the
// nouns in use: the action noun ("rablás", "varázslás") and the present participle
// ("rabló", "varázsló", and "térdeplő" beside the action noun "térdepelés").
bool actionNounDropsVowel(const Run& run);
bool presentParticipleDropsVowel(const Run& run);

}  // namespace ragozo::derived
