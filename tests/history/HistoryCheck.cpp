// Whether a window, after any history, shows what a fresh program shows for the same entry.
#include "HistoryCheck.h"

#include <functional>

#include "Toggles.h"
#include "support/ShownNames.h"

namespace ragozo::history {
namespace {

constexpr std::size_t kKeptRuns = 4000;

// The conjugation `conjugate` runs, then every toggle that shows pressed in turn.
Steps conjugateThenPressToggles(headless::Session& session,
                                const std::function<void(window::MainWindow&)>& conjugate) {
  window::MainWindow& w = session.main();
  session.dialogs.clear();
  conjugate(w);
  Steps steps{{"the conjugation", shownWindow(w, session.dialogs)}};
  for (Toggle toggle : kEveryToggle) {
    session.dialogs.clear();
    if (!pressIfVisible(w, toggle)) continue;
    steps.push_back({"pressing the " + nameOf(toggle) + " toggle", shownWindow(w, session.dialogs)});
  }
  return steps;
}

// The entry typed from scratch, as a user starts a new one. Deleting an empty
// entry changes nothing, so an empty one is typed as a blank and deleted.
void typeFromScratch(headless::Session& session, const std::string& entry) {
  session.typeNewEntry(entry.empty() ? " " : entry);
  if (entry.empty()) session.main().entryEdited("");
}

Steps freshSteps(const FreshRun& run, const window::LexiconFill& fill) {
  headless::Session session(fill);
  session.start();
  window::MainWindow& w = session.main();
  if (run.afterOrdinaryVerb) session.conjugate(kOrdinaryVerb);
  if (run.shortImperative) {
    w.chooseMood(imperative);
    w.toggleImperativeForms();
  }
  if (run.tall) w.toggleDerivedForms();
  session.dialogs.setDefaultAnswer(run.answerYes);
  typeFromScratch(session, run.entry);
  return conjugateThenPressToggles(session, [&run](window::MainWindow& fresh) { fresh.chooseMood(run.mood); });
}

// The window less the captions the design gives the all-persons and short/long toggles until the
// first new entry; whether they show still counts.
ShownWindow withoutDesignCaptions(ShownWindow view) {
  view.allPersons.caption.clear();
  view.imperativeForms.caption.clear();
  return view;
}

std::string describe(const FreshRun& run) {
  return "entry \"" + run.entry + "\", " + testing::moodName(run.mood) + (run.tall ? ", tall" : "") +
         (run.shortImperative ? ", short imperative" : "") + (run.answerYes ? "" : ", answer no") +
         (run.afterOrdinaryVerb ? "" : ", right after start-up");
}

}  // namespace

const Steps& FreshPrograms::steps(const FreshRun& run) {
  if (const auto it = known_.find(run); it != known_.end()) return it->second;
  if (known_.size() >= kKeptRuns) known_.clear();
  return known_.emplace(run, freshSteps(run, fill_)).first->second;
}

std::string compareWithFreshProgram(headless::Session& session, FreshPrograms& fresh, bool answerYes,
                                    bool conjugatedSinceLoad) {
  window::MainWindow& w = session.main();
  const FreshRun run{w.state().entry.text,
                     w.selectedMood(),
                     w.state().derivedShown,
                     w.state().imperativeForms == window::ImperativeForms::shortForms,
                     answerYes,
                     conjugatedSinceLoad};
  session.dialogs.setDefaultAnswer(answerYes);
  typeFromScratch(session, run.entry);
  const Steps seen = conjugateThenPressToggles(session, [](window::MainWindow& window) { window.conjugate(); });
  const Steps& expected = fresh.steps(run);
  for (std::size_t i = 0; i < seen.size() && i < expected.size(); ++i) {
    const std::string differing = differences(seen[i].view, expected[i].view);
    if (!differing.empty()) return describe(run) + ", after " + seen[i].action + ":\n" + differing;
  }
  if (!conjugatedSinceLoad) {
    // The first verb shows what the same verb shows after another, but for the design's captions.
    FreshRun later = run;
    later.afterOrdinaryVerb = true;
    const std::string differing = differences(withoutDesignCaptions(seen.front().view),
                                              withoutDesignCaptions(fresh.steps(later).front().view));
    if (!differing.empty()) {
      return describe(run) + ", beside a program that conjugated \"" + kOrdinaryVerb + "\" first:\n" + differing;
    }
  }
  return {};
}

}  // namespace ragozo::history
