// Every text the main window shows, in one place.
//
// The "&" marks the access key. Some buttons carry different captions for
// the same state (the design caption and the one set at run time); each
// text is shown exactly as written here.
#pragma once

#include <array>
#include <cstddef>

#include "core/Mood.h"
#include "derived/DerivedBoxes.h"
#include "window/ImperativeForms.h"

namespace ragozo::window::texts {

inline constexpr const char* kApplicationTitle = "Igeragozó";
inline constexpr const char* kWindowCaption = "Igeragozó – magyar igék ragozása";

inline constexpr const char* kConjugate = "&Ragozás";

// The tense and mood buttons with their captions, in the order of `kMoods`.
struct MoodOption {
  Mood mood;
  const char* caption;
};
inline constexpr std::array<MoodOption, kMoods.size()> kMoodOptions{{{presentIndicative, "Kij&elentő mód jelen idő"},
                                                                     {pastIndicative, "Kijelentő mód &múlt idő"},
                                                                     {presentConditional, "Fe&ltételes mód (jelen)"},
                                                                     {imperative, "Felszólító mó&d"}}};
static_assert([] {
  for (std::size_t i = 0; i < kMoods.size(); ++i) {
    if (kMoodOptions[i].mood != kMoods[i]) return false;
  }
  return true;
}());

inline constexpr const char* kAllPersonsDesign = "Mi&nden személy";
inline constexpr const char* kAllPersonsReset = "M&inden személy";
inline constexpr const char* kAllPersonsOff = "Minden személy";
inline constexpr const char* kAllPersonsOn = "Csak 3. személyek";

inline constexpr const char* kObjectiveOff = "&Tárgyas ragozás is";
inline constexpr const char* kObjectiveOn = "&Csak alanyi ragozás";

inline constexpr const char* kImperativeOff = "Fels&zólító mód is";
inline constexpr const char* kImperativeOn = "Fels&zólító mód nem";

// The derived-forms toggle and the short/long imperative toggle say what the choices are.
inline constexpr const char* kDerivedHiddenCaption = "&Képzett alakok is";
inline constexpr const char* kDerivedShownCaption = "&Alapalakok";
inline constexpr const char* kShortImperativeShowingCaption = "2:   &Hosszú alakok";
inline constexpr const char* kLongImperativeShowingCaption = "2:   &Rövid alakok";
inline constexpr const char* kShortImperativeDesignCaption = "2:   Rö&vid alakok";

constexpr const char* derivedFormsCaption(bool derivedShown) {
  return derivedShown ? kDerivedShownCaption : kDerivedHiddenCaption;
}

constexpr const char* imperativeFormsCaption(ImperativeForms forms) {
  switch (forms) {
    case ImperativeForms::shortForms: return kShortImperativeShowingCaption;
    case ImperativeForms::longForms: return kLongImperativeShowingCaption;
    case ImperativeForms::untouched: break;
  }
  return kShortImperativeDesignCaption;
}

inline constexpr const char* kChooseMood = "Válasszon időt és módot!";

// Captions beside the eight derived-form boxes, in box order, and the heading over the participles.
inline constexpr std::array<const char*, kDerivedBoxCount> kDerivedLabels{
    "Főnévi igenév:", "Határozói igenév:", "Folyamatos:",           "Befejezett:",
    "Beálló:",        "Főnév (-ás/-és):",  "Ható ige (-hat/-het):", "-at/-et/-tat/-tet:"};
inline constexpr const char* kParticiplesHeading = "Melléknévi igenevek:";

inline constexpr const char* kFileMenu = "&File";
inline constexpr const char* kOnTopItem = "&OnTop";
inline constexpr const char* kCloseItem = "&Close";
inline constexpr const char* kHelpMenu = "&Súgó";
inline constexpr const char* kAboutItem = "&Névjegy";

}  // namespace ragozo::window::texts
