// Whether a window, after any history, shows what a fresh program shows for the same entry.
//
// The check types the window's entry again from scratch (the whole entry
// deleted, then typed key by key; an empty entry typed as a blank and
// deleted) and presses "&Ragozás". The fresh program it
// compares with is started and conjugates one ordinary verb ("vár", in the
// indicative present; left out when the window has conjugated nothing since it
// was loaded, whose start-up state, with the design's first captions of the
// all-persons and short/long toggles, is then the one to compare with; its
// first conjugation must still show what the program that conjugated "vár"
// shows, those captions aside). It then gets, by the buttons a user would press, the
// choices that outlive an entry by design: the short second-person imperative
// (pressed in the imperative of "vár", the one way to choose it), the tall
// view and the meaning question's answer. Then the entry is typed from scratch
// and the window's tense and mood chosen.
// The toggles that belong to an entry (all persons, objective, imperative) are
// not carried over: a new entry starts with them unpressed, and handing their
// states to the fresh program would hide one that the history left pressed.
// Both windows instead get the same presses afterwards: every toggle that
// shows, in the order of `kEveryToggle`, compared after each press.
#pragma once

#include <compare>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "ShownWindow.h"
#include "headless/Session.h"

namespace ragozo::history {

inline constexpr const char* kOrdinaryVerb = "vár";

// The window after one action of the check.
struct Step {
  std::string action;
  ShownWindow view;
};
using Steps = std::vector<Step>;

// What the fresh program is given.
struct FreshRun {
  std::string entry;
  Mood mood = presentIndicative;
  bool tall = false;
  bool shortImperative = false;
  bool answerYes = true;
  bool afterOrdinaryVerb = true;

  auto operator<=>(const FreshRun&) const = default;
};

// Fresh programs over one lexicon; a run's steps are kept, since a fresh program always answers alike.
class FreshPrograms {
 public:
  explicit FreshPrograms(window::LexiconFill fill) : fill_(std::move(fill)) {}

  const Steps& steps(const FreshRun& run);

 private:
  window::LexiconFill fill_;
  std::map<FreshRun, Steps> known_;
};

// Runs the check on `session`; the meaning question gets `answerYes` in both
// windows, and `conjugatedSinceLoad` says whether the session's window has run
// a conjugation since it was loaded. Returns what differs at the first step
// that differs, or the empty text.
std::string compareWithFreshProgram(headless::Session& session, FreshPrograms& fresh, bool answerYes,
                                    bool conjugatedSinceLoad);

}  // namespace ragozo::history
