// igeragozo-headless: the main window's logic without a display, for developers and golden tests.
//
//   igeragozo-headless [options] [--lexicon FILE] [--time] < verbs.txt
//
// Prints, for each verb read, every table cell, the notice line, the visible
// toggles and the eight derived boxes as tab-separated UTF-8 lines (see
// HeadlessRun.h). --lexicon FILE takes the lexicon from word<TAB>code lines
// instead of the built-in data; --time prints how long the load and one
// conjugate action take instead.
#include <iostream>
#include <string>
#include <vector>

#include "HeadlessRun.h"
#include "lexicon/FillProcedures.h"

int main(int argc, char* argv[]) {
  using namespace ragozo::headless;
  std::vector<std::string> arguments;
  std::string lexiconPath;
  bool timing = false;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--lexicon" && i + 1 < argc) {
      lexiconPath = argv[++i];
    } else if (argument == "--time") {
      timing = true;
    } else {
      arguments.push_back(argument);
    }
  }
  RunOptions options;
  if (const auto error = parseOptions(arguments, options)) {
    std::cerr << "igeragozo-headless: " << *error << "\n";
    return 2;
  }
  ragozo::window::LexiconFill fill = ragozo::fillLexicon;
  if (!lexiconPath.empty()) {
    std::string error;
    auto fromFile = readLexiconFile(lexiconPath, error);
    if (!fromFile) {
      std::cerr << "igeragozo-headless: " << error << "\n";
      return 2;
    }
    fill = *fromFile;
  }
  if (timing) {
    timeVerbs(std::cin, std::cout, options, fill);
    return 0;
  }
  return runVerbs(std::cin, std::cout, std::cerr, options, fill) ? 0 : 2;
}
