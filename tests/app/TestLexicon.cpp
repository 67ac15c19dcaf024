// The window tests' lexicon.
#include "TestLexicon.h"

#include "support/FixtureLexicon.h"

namespace ragozo::testing {
namespace {

// Codes composed from the code rules (vowel class, usage "01", class by the
// ending, objective use, the -lak/-lek digit), but "lehet", whose code the
// lexicon quotes, and "virrad", composed as a verb of the third persons that is
// not used in the imperative (usage "R1").
constexpr FixtureEntry kWindowEntries[] = {
    {"vár", "110101011"},  {"kér", "120101011"},   {"küld", "130110011"}, {"főz", "130118011"},
    {"olvas", "110117011"}, {"tanul", "110101011"}, {"lehet", "120116000"}, {"néz", "120118011"},
    {"virrad", "11R101000"},
};

}  // namespace

void storeWindowTestLexicon(Lexicon& lexicon) {
  storeFixtureLexicon(lexicon);
  for (const FixtureEntry& entry : kWindowEntries) {
    const int group = *letterGroup(entry.word);
    int index = 1;
    while (lexicon.wordAssigned(group, index)) ++index;
    lexicon.storeWord(group, index, entry.word);
    lexicon.storeCode(group, index, entry.code);
  }
}

}  // namespace ragozo::testing
