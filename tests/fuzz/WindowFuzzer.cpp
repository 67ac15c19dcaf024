// libFuzzer entry point: the main window's logic driven by any sequence of user actions.
//
// Each input starts the program over the tests' lexicon (a few verbs of every
// class and restriction, quick to load for every input), or, built with
// IGERAGOZO_FUZZ_BUILT_IN_LEXICON, over the built-in lexicon, whose fifteen
// thousand verbs reach what the few do not; then it performs its actions
// (UserActions.h). After every action the window's invariants must
// hold (WindowInvariants.h), and after every conjugation the table and boxes
// must equal those of a freshly started program given the same request
// (FreshProgram.h). At the end of the input the entry is typed again from
// scratch and conjugated, and everything the window shows must equal what a
// fresh program shows for it (history/HistoryCheck.h): one that conjugated
// the ordinary verb "vár" first, unless the window has conjugated nothing
// since it was loaded; given by their buttons the choices that outlive an
// entry (the tense and mood, the short imperative, the tall view, the
// meaning question's answer) but none of the toggles that belong to an entry,
// which a new entry starts unpressed; then both windows get the same presses
// of every toggle that shows. An exception that escapes a handler ends the
// run as a crash.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "FreshProgram.h"
#include "HistoryCheck.h"
#include "UserActions.h"
#include "WindowInvariants.h"
#include "headless/Session.h"
#ifdef IGERAGOZO_FUZZ_BUILT_IN_LEXICON
#include "lexicon/LexiconTestSupport.h"
#else
#include "support/FixtureLexicon.h"
#endif

namespace ragozo::fuzz {
namespace {

// The lexicon is filled once; every window load copies it, which is quicker.
#ifdef IGERAGOZO_FUZZ_BUILT_IN_LEXICON
void fillForFuzzing(Lexicon& lexicon) { lexicon = lexicontest::filledLexicon(); }
#else
void fillForFuzzing(Lexicon& lexicon) { lexicon = testing::fixtureLexicon(); }
#endif

bool askedTheMeaning(const headless::ScriptedDialogs& dialogs) {
  for (const std::string& box : dialogs.transcript()) {
    if (box.starts_with("question")) return true;
  }
  return false;
}

void run(std::span<const std::uint8_t> input) {
  const window::LexiconFill fill = fillForFuzzing;
  static history::FreshPrograms freshPrograms(fill);
  headless::Session session(fill);
  session.start();
  InputFacts facts;
  bool answerYes = true;       // the answer the next meaning question gets
  bool entryAnswerYes = true;  // the answer the current entry got
  bool conjugatedSinceLoad = false;
  while (!input.empty()) {
    const Action action = nextAction(input);
    if (!action.text.empty()) facts.validUtf8 = facts.validUtf8 && isValidUtf8(action.text);
    if (action.kind == ActionKind::answer) answerYes = action.choice % 2 == 0;
    session.dialogs.clear();
    const bool conjugated = perform(session, action);
    if (askedTheMeaning(session.dialogs)) entryAnswerYes = answerYes;
    // The about window's OK loads the main window anew.
    conjugatedSinceLoad = action.kind != ActionKind::about && (conjugatedSinceLoad || conjugated);

    const window::MainWindow& w = session.main();
    const std::string& entry = w.state().entry.text;
    facts.longestEntry = std::max(facts.longestEntry, entry.size());
    facts.typedNoFormText = facts.typedNoFormText || entry.find(kNoSuchForm) != std::string::npos;
    checkWindow(w, facts);
    if (conjugated) {
      const Request request = requestShown(w, entryAnswerYes);
      const Forms seen = formsShown(w);
      const Forms& fresh = freshForms(request, fill);
      if (seen != fresh) breach("a conjugation differs from a fresh program's", describe(request, seen, fresh));
    }
  }
  const std::string differing =
      history::compareWithFreshProgram(session, freshPrograms, answerYes, conjugatedSinceLoad);
  if (!differing.empty()) breach("the entry typed again shows what a fresh program does not", differing);
}

}  // namespace
}  // namespace ragozo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ragozo::fuzz::run(std::span<const std::uint8_t>(data, size));
  return 0;
}
