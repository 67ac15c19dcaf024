// The thirty fill procedures that build the lexicon at start-up.
//
// loadWordsN stores the words and loadCodesN the codes of the same elements,
// in ascending index order. The start-up runs loadWords1 to loadWords15 and
// then loadCodes1 to loadCodes15 (`fillLexicon`).
#pragma once

#include "lexicon/Lexicon.h"

namespace ragozo {

void loadWords1(Lexicon& lexicon);
void loadWords2(Lexicon& lexicon);
void loadWords3(Lexicon& lexicon);
void loadWords4(Lexicon& lexicon);
void loadWords5(Lexicon& lexicon);
void loadWords6(Lexicon& lexicon);
void loadWords7(Lexicon& lexicon);
void loadWords8(Lexicon& lexicon);
void loadWords9(Lexicon& lexicon);
void loadWords10(Lexicon& lexicon);
void loadWords11(Lexicon& lexicon);
void loadWords12(Lexicon& lexicon);
void loadWords13(Lexicon& lexicon);
void loadWords14(Lexicon& lexicon);
void loadWords15(Lexicon& lexicon);

void loadCodes1(Lexicon& lexicon);
void loadCodes2(Lexicon& lexicon);
void loadCodes3(Lexicon& lexicon);
void loadCodes4(Lexicon& lexicon);
void loadCodes5(Lexicon& lexicon);
void loadCodes6(Lexicon& lexicon);
void loadCodes7(Lexicon& lexicon);
void loadCodes8(Lexicon& lexicon);
void loadCodes9(Lexicon& lexicon);
void loadCodes10(Lexicon& lexicon);
void loadCodes11(Lexicon& lexicon);
void loadCodes12(Lexicon& lexicon);
void loadCodes13(Lexicon& lexicon);
void loadCodes14(Lexicon& lexicon);
void loadCodes15(Lexicon& lexicon);

// The run of thirty: every word procedure in order, then every code procedure.
void fillLexicon(Lexicon& lexicon);

}  // namespace ragozo
