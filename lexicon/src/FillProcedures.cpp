// The thirty fill procedures over the embedded tables.
#include "lexicon/FillProcedures.h"

#include "lexicon/FillTables.h"

namespace ragozo {
namespace {

void storeWords(Lexicon& lexicon, int procedure) {
  for (const FillEntry& e : kFillTables[procedure - 1]) lexicon.storeWord(e.group, e.index, e.word);
}

void storeCodes(Lexicon& lexicon, int procedure) {
  for (const FillEntry& e : kFillTables[procedure - 1]) lexicon.storeCode(e.group, e.index, e.code);
}

}  // namespace

void loadWords1(Lexicon& lexicon) { storeWords(lexicon, 1); }
void loadWords2(Lexicon& lexicon) { storeWords(lexicon, 2); }
void loadWords3(Lexicon& lexicon) { storeWords(lexicon, 3); }
void loadWords4(Lexicon& lexicon) { storeWords(lexicon, 4); }
void loadWords5(Lexicon& lexicon) { storeWords(lexicon, 5); }
void loadWords6(Lexicon& lexicon) { storeWords(lexicon, 6); }
void loadWords7(Lexicon& lexicon) { storeWords(lexicon, 7); }
void loadWords8(Lexicon& lexicon) { storeWords(lexicon, 8); }
void loadWords9(Lexicon& lexicon) { storeWords(lexicon, 9); }
void loadWords10(Lexicon& lexicon) { storeWords(lexicon, 10); }
void loadWords11(Lexicon& lexicon) { storeWords(lexicon, 11); }
void loadWords12(Lexicon& lexicon) { storeWords(lexicon, 12); }
void loadWords13(Lexicon& lexicon) { storeWords(lexicon, 13); }
void loadWords14(Lexicon& lexicon) { storeWords(lexicon, 14); }
void loadWords15(Lexicon& lexicon) { storeWords(lexicon, 15); }

void loadCodes1(Lexicon& lexicon) { storeCodes(lexicon, 1); }
void loadCodes2(Lexicon& lexicon) { storeCodes(lexicon, 2); }
void loadCodes3(Lexicon& lexicon) { storeCodes(lexicon, 3); }
void loadCodes4(Lexicon& lexicon) { storeCodes(lexicon, 4); }
void loadCodes5(Lexicon& lexicon) { storeCodes(lexicon, 5); }
void loadCodes6(Lexicon& lexicon) { storeCodes(lexicon, 6); }
void loadCodes7(Lexicon& lexicon) { storeCodes(lexicon, 7); }
void loadCodes8(Lexicon& lexicon) { storeCodes(lexicon, 8); }
void loadCodes9(Lexicon& lexicon) { storeCodes(lexicon, 9); }
void loadCodes10(Lexicon& lexicon) { storeCodes(lexicon, 10); }
void loadCodes11(Lexicon& lexicon) { storeCodes(lexicon, 11); }
void loadCodes12(Lexicon& lexicon) { storeCodes(lexicon, 12); }
void loadCodes13(Lexicon& lexicon) { storeCodes(lexicon, 13); }
void loadCodes14(Lexicon& lexicon) { storeCodes(lexicon, 14); }
void loadCodes15(Lexicon& lexicon) { storeCodes(lexicon, 15); }

void fillLexicon(Lexicon& lexicon) {
  loadWords1(lexicon);
  loadWords2(lexicon);
  loadWords3(lexicon);
  loadWords4(lexicon);
  loadWords5(lexicon);
  loadWords6(lexicon);
  loadWords7(lexicon);
  loadWords8(lexicon);
  loadWords9(lexicon);
  loadWords10(lexicon);
  loadWords11(lexicon);
  loadWords12(lexicon);
  loadWords13(lexicon);
  loadWords14(lexicon);
  loadWords15(lexicon);
  loadCodes1(lexicon);
  loadCodes2(lexicon);
  loadCodes3(lexicon);
  loadCodes4(lexicon);
  loadCodes5(lexicon);
  loadCodes6(lexicon);
  loadCodes7(lexicon);
  loadCodes8(lexicon);
  loadCodes9(lexicon);
  loadCodes10(lexicon);
  loadCodes11(lexicon);
  loadCodes12(lexicon);
  loadCodes13(lexicon);
  loadCodes14(lexicon);
  loadCodes15(lexicon);
}

}  // namespace ragozo
