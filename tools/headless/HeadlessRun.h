// Runs the main window's logic for verbs read one per line and prints what the window shows.
//
// Each input line is a verb, optionally followed by options that hold for that
// line only; the command line's options hold for every line. Options:
//   --mood present|past|conditional|imperative (or 1 to 4)   the tense and mood button
//   --all-persons   press "Minden személy" when it shows
//   --objective     press "Tárgyas ragozás is" when it shows
//   --imperative    press "Felszólító mód is" when it shows
//   --short         the short second-person imperative forms
//   --tall          the tall view with the derived forms
//   --answer yes|no the answer to the meaning question of "téved" and "...ragad"
// Lines of white space alone and lines starting with "#" are skipped. Each
// verb is typed as a new entry, whatever the line before left. For every verb the
// output has one tab-separated line per item: the verb, the tense and mood, the
// item and its text. Items: each message box shown ("message", "question",
// "beep"), the thirteen cells ("r1c1" ... "r6c1", "r1c2" ... "r7c2", row then
// column), "notice", "buttons" (the captions of the visible toggles), and the
// eight derived boxes by name.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "window/MainWindow.h"

namespace ragozo::headless {

struct RunOptions {
  Mood mood = presentIndicative;
  bool allPersons = false;
  bool objective = false;
  bool imperativeAnyway = false;
  bool shortImperative = false;
  bool tall = false;
  bool answerYes = true;
};

// Applies `arguments` to `options`; returns an error text for an unknown option or value.
std::optional<std::string> parseOptions(const std::vector<std::string>& arguments, RunOptions& options);

// Reads `word<TAB>code` lines into a fill procedure that stores them as the lexicon's fill steps would.
std::optional<window::LexiconFill> readLexiconFile(const std::string& path, std::string& error);

// Conjugates every verb of `in` in one window session and writes the lines to `out`.
// Returns false (with a message on `err`) when a line holds an unknown option.
bool runVerbs(std::istream& in, std::ostream& out, std::ostream& err, const RunOptions& defaults,
              const window::LexiconFill& fill);

// Times the main window's load (the lexicon fill included) and the conjugate action over the verbs of `in`.
void timeVerbs(std::istream& in, std::ostream& out, const RunOptions& defaults, const window::LexiconFill& fill);

}  // namespace ragozo::headless
