// Names in words for what the window shows.
#include "support/ShownNames.h"

namespace ragozo::testing {

std::string moodName(Mood mood) {
  switch (mood) {
    case presentIndicative: return "indicative present";
    case pastIndicative: return "indicative past";
    case presentConditional: return "conditional present";
    case imperative: return "imperative";
    case noMood: break;
  }
  return "no tense and mood";
}

std::string cellName(int row, int column) {
  static constexpr const char* kPersons[] = {"",
                                             "1st person singular (én)",
                                             "2nd person singular (te)",
                                             "3rd person singular (ő)",
                                             "1st person plural (mi)",
                                             "2nd person plural (ti)",
                                             "3rd person plural (ők)",
                                             "I to you (-lak/-lek)"};
  return std::string(kPersons[row]) + (column == 1 ? ", subjective" : ", objective");
}

std::string tablePlaceName(int row, int column) {
  if (row == 0 || column == 0) return "heading at row " + std::to_string(row) + ", column " + std::to_string(column);
  return cellName(row, column);
}

std::string boxName(DerivedBox box) {
  static constexpr const char* kNames[] = {"infinitive",         "adverbial participle", "present participle",
                                           "past participle",    "future participle",    "action noun",
                                           "potential verb",     "causative verb"};
  return kNames[box];
}

}  // namespace ragozo::testing
