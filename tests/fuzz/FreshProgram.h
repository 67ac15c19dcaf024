// The table and derived boxes that a freshly started program shows for a request.
//
// A verb must give the same forms whatever was done before it: the fuzz target
// compares every conjugation with the same request in a new program, one that
// is started, set to the same toggles and answer, given the entry and
// conjugated in the same tense and mood. Results are kept per request, since a
// fresh program always answers a request alike.
#pragma once

#include <array>
#include <compare>
#include <string>

#include "window/MainWindow.h"

namespace ragozo::fuzz {

struct Request {
  std::string entry;
  Mood mood = noMood;
  bool allPersons = false;
  bool objectiveAnyway = false;
  bool imperativeAnyway = false;
  window::ImperativeForms imperativeForms = window::ImperativeForms::untouched;
  bool tall = false;
  bool answerYes = true;  // the meaning question's answer for this entry

  auto operator<=>(const Request&) const = default;
};

// Rows 1 to 7 of both form columns, then the eight derived boxes.
using Forms = std::array<std::string, 22>;

// The request of the conjugation `w` has just shown, with the answer that its entry was given.
Request requestShown(const window::MainWindow& w, bool answerYes);
Forms formsShown(const window::MainWindow& w);

const Forms& freshForms(const Request& request, const window::LexiconFill& fill);

std::string describe(const Request& request, const Forms& seen, const Forms& fresh);

}  // namespace ragozo::fuzz
