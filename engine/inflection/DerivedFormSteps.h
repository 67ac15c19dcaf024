// The steps of one derived-forms run, shared by the files that implement them.
//
// `egyebek` runs them in this order, each box starting again from the stem
// saved at the start of the run; a step may leave `stem`, `marker`,
// `pastThird` and `cutResult` changed for the steps after it, as the
// rules that read "the cut of step N1" rely on.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "state/ConjugationState.h"

namespace ragozo::derived {

// What one run of `egyebek` carries from step to step.
struct Run {
  ConjugationState& s;
  std::string verb;       // the typed verb
  std::string savedStem;  // `stem` as the run found it, after the -ik stem fixes

  // `stem` := `cutResult` of the entry less `drop` letters, followed by `tail`.
  void cutEntry(int drop, std::string_view tail = {});
  bool verbEndsIn(std::initializer_list<std::string_view> endings) const;
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
// less its last letter in `cutResult`.
void vStem(Run& run);
// The entry less two letters and then its last letter: the unstable vowel drops ("forg").
void dropUnstableVowel(Run& run);
// Verbs that keep their unstable vowel in the table ("rabolok") but drop it in the
// nouns in use: the action noun ("rablás", "varázslás") and the present participle
// ("rabló", "varázsló", and "térdeplő" beside the action noun "térdepelés").
bool actionNounDropsVowel(const Run& run);
bool presentParticipleDropsVowel(const Run& run);

}  // namespace ragozo::derived
