// Runs the main window's logic for verbs read one per line.
#include "HeadlessRun.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <fstream>
#include <istream>
#include <ostream>
#include <sstream>

#include "headless/Session.h"
#include "lexicon/Lexicon.h"

namespace ragozo::headless {
namespace {

// The derived boxes by name, in box order.
constexpr std::array<const char*, kDerivedBoxCount> kBoxNames{
    "infinitive",        "adverbial-participle", "present-participle", "past-participle",
    "future-participle", "action-noun",          "potential",          "causative"};

// The tense and mood buttons by the names the options give them.
const char* nameOf(Mood mood) {
  switch (mood) {
    case presentIndicative: return "present";
    case pastIndicative: return "past";
    case presentConditional: return "conditional";
    case imperative: return "imperative";
    case noMood: break;
  }
  return "";
}

std::vector<std::string> words(const std::string& line) {
  std::istringstream stream(line);
  std::vector<std::string> result;
  for (std::string word; stream >> word;) result.push_back(word);
  return result;
}

// Blank lines and comments. Blank is what `>>` skips between words, so that a
// line not skipped holds a verb.
bool skipped(const std::string& line) {
  const auto first = line.find_first_not_of(" \t\n\v\f\r");
  return first == std::string::npos || line[first] == '#';
}

// The request of one line: its verb and its options.
struct Request {
  std::string verb;
  RunOptions options;
};

std::optional<Request> parseLine(const std::string& line, const RunOptions& defaults, std::string& error) {
  std::vector<std::string> parts = words(line);
  Request request{parts.front(), defaults};
  parts.erase(parts.begin());
  if (auto problem = parseOptions(parts, request.options)) {
    error = *problem;
    return std::nullopt;
  }
  return request;
}

// Brings the window's toggles to what the request asks for and conjugates, as a user would click.
void conjugate(Session& session, const Request& request) {
  window::MainWindow& w = session.main();
  const bool tall = w.state().derivedShown;
  if (tall != request.options.tall) w.toggleDerivedForms();
  session.dialogs.setDefaultAnswer(request.options.answerYes);
  session.typeNewEntry(request.verb);
  w.chooseMood(request.options.mood);
  const bool shortShowing = w.state().imperativeForms == window::ImperativeForms::shortForms;
  if (w.imperativeFormsToggleVisible() && shortShowing != request.options.shortImperative) {
    w.toggleImperativeForms();
    if (w.imperativeFormsToggleVisible() && request.options.shortImperative &&
        w.state().imperativeForms != window::ImperativeForms::shortForms) {
      w.toggleImperativeForms();  // from the design caption the first press only selects the long forms
    }
  }
  if (request.options.allPersons && w.allPersonsToggle().visible) w.toggleAllPersons();
  if (request.options.objective && w.objectiveToggle().visible) w.toggleObjective();
  if (request.options.imperativeAnyway && w.imperativeToggle().visible) w.toggleImperative();
}

void print(std::ostream& out, Session& session, const Request& request) {
  const window::MainWindow& w = session.main();
  const window::WindowState& s = w.state();
  const std::string key = request.verb + "\t" + nameOf(request.options.mood) + "\t";
  for (const std::string& box : session.dialogs.transcript()) {
    const auto colon = box.find(": ");
    const std::string kind = box.substr(0, box.find_first_of(" :"));
    std::string text = colon == std::string::npos ? "" : box.substr(colon + 2);
    for (auto at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n")) text.replace(at, 2, " / ");
    out << key << kind << "\t" << text << "\n";
  }
  // The subjective column's persons, then the objective column's and its -lak/-lek form.
  for (const int column : {kSubjectiveColumn, kObjectiveColumn}) {
    const int lastRow = column == kSubjectiveColumn ? kThirdPluralRow : kFirstToSecondRow;
    for (int row = kFirstSingularRow; row <= lastRow; ++row) {
      out << key << "r" << row << "c" << column << "\t" << s.entry.shown.table.cell(row, column) << "\n";
    }
  }
  out << key << "notice\t" << s.entry.shown.noticeLine << "\n";
  std::string buttons;
  const auto add = [&buttons](const std::string& caption) { buttons += (buttons.empty() ? "" : " | ") + caption; };
  if (w.allPersonsToggle().visible) add(w.allPersonsToggle().caption);
  if (w.objectiveToggle().visible) add(w.objectiveToggle().caption);
  if (w.imperativeToggle().visible) add(w.imperativeToggle().caption);
  if (w.imperativeFormsToggleVisible()) add(w.imperativeFormsToggleCaption());
  out << key << "buttons\t" << buttons << "\n";
  for (std::size_t i = 0; i < kBoxNames.size(); ++i) {
    out << key << kBoxNames[i] << "\t" << s.entry.shown.derivedBoxes[i] << "\n";
  }
}

// A verb code: nine digits and ASCII letters.
bool isVerbCode(const std::string& code) {
  return code.size() == 9 && std::all_of(code.begin(), code.end(), [](char c) {
           return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
         });
}

}  // namespace

std::optional<std::string> parseOptions(const std::vector<std::string>& arguments, RunOptions& options) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& a = arguments[i];
    if (a == "--all-persons") {
      options.allPersons = true;
    } else if (a == "--objective") {
      options.objective = true;
    } else if (a == "--imperative") {
      options.imperativeAnyway = true;
    } else if (a == "--short") {
      options.shortImperative = true;
    } else if (a == "--tall") {
      options.tall = true;
    } else if (a == "--mood" || a == "--answer") {
      if (i + 1 == arguments.size()) return "missing value after " + a;
      const std::string& value = arguments[++i];
      if (a == "--answer") {
        if (value != "yes" && value != "no") return "--answer takes yes or no, not " + value;
        options.answerYes = value == "yes";
        continue;
      }
      Mood mood = noMood;
      for (Mood named : kMoods) {
        if (value == nameOf(named) || value == std::to_string(named)) mood = named;
      }
      if (mood == noMood) return "unknown mood " + value;
      options.mood = mood;
    } else {
      return "unknown option " + a;
    }
  }
  return std::nullopt;
}

std::optional<window::LexiconFill> readLexiconFile(const std::string& path, std::string& error) {
  std::ifstream file(path);
  if (!file) {
    error = "cannot read " + path;
    return std::nullopt;
  }
  struct Entry {
    int group, index;
    std::string word, code;
  };
  std::vector<Entry> entries;
  std::array<int, kLetterGroupCount> next{};
  next.fill(1);  // element 0 holds the empty text
  int lineNumber = 0;
  for (std::string line; std::getline(file, line);) {
    ++lineNumber;
    if (skipped(line)) continue;
    if (line.ends_with('\r')) line.pop_back();
    const std::string where = path + ":" + std::to_string(lineNumber) + ": ";
    const auto tab = line.find('\t');
    const std::optional<int> group = tab == std::string::npos ? std::nullopt : letterGroup(line.substr(0, tab));
    if (!group || !isVerbCode(line.substr(tab + 1))) {
      error = where + "not a word<TAB>code line (a lower-case verb, a tab and a nine-character code): " + line;
      return std::nullopt;
    }
    if (next[*group] > Lexicon::bound(*group)) {
      error = where + "letter group " + kLetterGroupNames[*group] + " is full: it takes at most " +
              std::to_string(Lexicon::bound(*group)) + " verbs";
      return std::nullopt;
    }
    entries.push_back({*group, next[*group]++, line.substr(0, tab), line.substr(tab + 1)});
  }
  return window::LexiconFill([entries](Lexicon& lexicon) {
    for (const Entry& e : entries) {
      lexicon.storeWord(e.group, e.index, e.word);
      lexicon.storeCode(e.group, e.index, e.code);
    }
  });
}

bool runVerbs(std::istream& in, std::ostream& out, std::ostream& err, const RunOptions& defaults,
              const window::LexiconFill& fill) {
  Session session(fill);
  session.start();
  for (std::string line; std::getline(in, line);) {
    if (skipped(line)) continue;
    std::string error;
    const std::optional<Request> request = parseLine(line, defaults, error);
    if (!request) {
      err << error << "\n";
      return false;
    }
    session.dialogs.clear();
    conjugate(session, *request);
    print(out, session, *request);
  }
  return true;
}

void timeVerbs(std::istream& in, std::ostream& out, const RunOptions& defaults, const window::LexiconFill& fill) {
  using Clock = std::chrono::steady_clock;
  const auto loadStart = Clock::now();
  Session session(fill);
  session.start();
  const auto loaded = Clock::now();
  constexpr int kRepeats = 200;
  int verbs = 0;
  Clock::duration conjugating{};
  for (std::string line; std::getline(in, line);) {
    if (skipped(line)) continue;
    std::string error;
    const std::optional<Request> request = parseLine(line, defaults, error);
    if (!request) continue;
    conjugate(session, *request);
    const auto start = Clock::now();
    for (int i = 0; i < kRepeats; ++i) session.main().conjugate();
    conjugating += Clock::now() - start;
    ++verbs;
  }
  const auto micro = [](Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); };
  out << "load (splash, hand-over, main window load with the lexicon fill): " << micro(loaded - loadStart) / 1000.0
      << " ms\n";
  if (verbs > 0) {
    out << "conjugate action: " << micro(conjugating) / (verbs * kRepeats) << " us on average over " << verbs
        << " verbs\n";
  }
}

}  // namespace ragozo::headless
