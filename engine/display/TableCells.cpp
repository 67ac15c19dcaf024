// The text of every form cell of the conjugation table.
#include "display/TableCells.h"

#include <string>
#include <string_view>

#include "analysis/Alapszik.h"
#include "analysis/Cutters.h"
#include "analysis/ImperativeStems.h"
#include "analysis/PlainStems.h"
#include "inflection/IrregularVerbs.h"
#include "text/Utf8Text.h"

namespace ragozo {
namespace {

using enum ClassProperty;

constexpr int kSubjective = 1;
constexpr int kObjective = 2;

std::string plain(std::string_view stemPart, std::string_view ending) {
  return "  " + std::string(stemPart) + std::string(ending);
}

std::string bracketed(std::string_view stemPart, std::string_view ending) {
  return "  (" + std::string(stemPart) + std::string(ending) + ")";
}

// The tests of the rules, named as the rules read.
struct Facts {
  const ConjugationState& s;
  bool present() const { return s.mood == presentIndicative; }
  bool past() const { return s.mood == pastIndicative; }
  bool imperativeMood() const { return s.mood == imperative; }
  bool classIs(ClassProperty property) const { return s.verbClass.is(property); }
  bool entryEndsIn(std::string_view tail) const { return endsWith(s.input(), tail); }
  bool alapszik() const { return isAlapszik(s.input()); }
  bool baseStemEndsIn(std::string_view tail) const { return endsWith(s.baseStem.text(), tail); }
  bool baseStemEndsInDzOrSz() const { return baseStemEndsIn("dz") || baseStemEndsIn("sz"); }
  bool frontVowels() const { return s.vowelClass == frontUnrounded || s.vowelClass == frontRounded; }
  bool shortImperativeRequested() const { return s.imperativeForms == ImperativeForms::shortForms; }
};

// Row 2 of the subjective column; the short imperative of the short-stem verbs puts `stem` back after its cell.
void writeSecondSingularSubjective(ConjugationState& s) {
  const Facts is{s};
  const EndingSlots& e = s.endings;
  ConjugationTable& t = s.table;
  t.write(2, kSubjective, plain(s.stem, e.sg2Subj));
  if (is.present() && is.classIs(likeFurdik)) t.write(2, kSubjective, plain(s.baseStem.text(), e.sg2Subj));
  if (is.imperativeMood() && is.classIs(fixedIrregularForms) && !is.entryEndsIn("hisz") &&
      !is.entryEndsIn("megy") && !is.entryEndsIn("jön") && is.shortImperativeRequested()) {
    rovto(s);
    t.write(2, kSubjective, plain(s.stem, e.sg2Subj));
    s.stem = s.longStem;
  }
  if (is.present() && is.classIs(presentSecondSingularOnAltStem)) {
    t.write(2, kSubjective, plain(s.stemAlt, e.sg2Subj));
  }
}

// Row 3 of the subjective column: the present shows the entry itself unless its class has a second stem.
void writeThirdSingularSubjective(ConjugationState& s) {
  const Facts is{s};
  const EndingSlots& e = s.endings;
  ConjugationTable& t = s.table;
  if (is.classIs(likeEszik) && (is.entryEndsIn("eszik") || is.entryEndsIn("iszik"))) irregularPastThird(s);
  if (is.present()) {
    if (is.classIs(presentThirdSingularOnAltStem)) {
      t.write(3, kSubjective, plain(s.stemAlt, e.sg3Subj));
    } else {
      t.write(3, kSubjective, plain(s.input(), ""));
    }
  } else if (is.past() && is.classIs(pastThirdSingularOnAltStem)) {
    t.write(3, kSubjective, plain(s.pastStemAlt, e.sg3Subj));
  } else if (is.past() && is.classIs(likeFurdik)) {
    t.write(3, kSubjective, plain(s.baseStem.text(), e.sg3Subj));
  } else {
    t.write(3, kSubjective, plain(s.stem, e.sg3Subj));
  }
}

void writeSubjective(ConjugationState& s) {
  const Facts is{s};
  const EndingSlots& e = s.endings;
  ConjugationTable& t = s.table;

  t.write(1, kSubjective, plain(s.stemAlt, e.sg1Subj));
  writeSecondSingularSubjective(s);
  writeThirdSingularSubjective(s);
  t.write(4, kSubjective, plain(s.stemAlt, e.pl1Subj));

  const std::string pl2Subj = is.present() && is.classIs(likeFurdik) ? "tök" : e.pl2Subj;
  t.write(5, kSubjective, plain(s.stem, pl2Subj));
  if (is.present() && is.classIs(presentSecondPluralOnAltStem)) {
    t.write(5, kSubjective, plain(s.stemAlt, pl2Subj));
  }

  if (is.present() && is.classIs(likeFurdik)) s.stem = s.baseStem.text();
  t.write(6, kSubjective, plain(s.stem, e.pl3Subj));
  if (is.present() && is.classIs(presentThirdPluralOnAltStem)) {
    t.write(6, kSubjective, plain(s.stemAlt, e.pl3Subj));
  }
}

// Rows 3, 5 and 6 of the objective column share their rules but for the ending and the fixed forms.
void writeThirdPersonObjective(ConjugationState& s, int row, const std::string& ending, std::string_view alszikForm,
                               std::string_view alapszikForm) {
  const Facts is{s};
  ConjugationTable& t = s.table;
  t.write(row, kObjective, plain(s.stem, ending));
  if (is.present() && is.frontVowels()) t.write(row, kObjective, plain(s.stemAlt, ending));
  if (is.present() && s.vowelClass == back && is.baseStemEndsInDzOrSz()) {
    dz(s);
    t.write(row, kObjective, plain(s.cutResult.text(), ending));
  }
  if (is.baseStemEndsIn("alsz")) t.write(row, kObjective, plain(s.cutResult.text(), alszikForm));
  if (is.alapszik()) t.write(row, kObjective, plain(s.prefix, alapszikForm));
}

void writeFirstPluralObjective(ConjugationState& s) {
  const Facts is{s};
  const EndingSlots& e = s.endings;
  ConjugationTable& t = s.table;
  t.write(4, kObjective, plain(s.stem, e.pl1Obj));
  if (is.present() && is.classIs(likeFurdik)) {
    const std::string kept = s.stem;
    bovit(s);
    t.write(4, kObjective, plain(s.stem, e.pl1Obj));
    s.stem = kept;
  }
  if (is.present() && is.baseStemEndsInDzOrSz()) {
    dz(s);
    t.write(4, kObjective, plain(s.cutResult.text(), e.pl1Obj));
  }
  if (is.baseStemEndsIn("alsz")) t.write(4, kObjective, plain(s.cutResult.text(), "usszuk"));
  if (is.baseStemEndsIn("eksz")) t.write(4, kObjective, plain(s.cutResult.text(), "üsszük"));
  if (is.alapszik()) t.write(4, kObjective, plain(s.prefix, "alapuljuk"));
}

// Row 7, the -lak/-lek form: in brackets where the code says so.
void writeFirstToSecondObjective(ConjugationState& s) {
  const Facts is{s};
  ConjugationTable& t = s.table;
  std::string sg1To2 = s.endings.sg1To2;
  if (is.present() && is.classIs(presentFirstToSecondLak)) sg1To2 = s.vowelClass == back ? "lak" : "lek";
  t.write(7, kObjective, plain(s.stem, sg1To2));
  if (s.code.firstToSecondInBrackets) t.write(7, kObjective, bracketed(s.stem, sg1To2));
  if (is.baseStemEndsIn("alsz")) t.write(7, kObjective, "  (" + s.cutResult.text() + "uszlak)");
  if (is.baseStemEndsIn("eksz")) t.write(7, kObjective, "  (" + s.cutResult.text() + "üszlek)");
  if (is.classIs(firstToSecondOnAltStem)) t.write(7, kObjective, plain(s.stemAlt, sg1To2));
  if (is.alapszik()) t.write(7, kObjective, "  (" + s.prefix + "alapullak)");
}

void writeObjective(ConjugationState& s) {
  const Facts is{s};
  const EndingSlots& e = s.endings;
  ConjugationTable& t = s.table;

  t.write(1, kObjective, plain(s.stemAlt, e.sg1Obj));

  t.write(2, kObjective, plain(s.stemAlt, e.sg2Obj));
  if (is.shortImperativeRequested() && is.imperativeMood() &&
      is.classIs(shortObjectiveImperative)) {
    ujto(s);
    t.write(2, kObjective, plain(s.stem, e.sg2Obj));
    s.stem = s.stemBeforeCut;
    s.stemAlt = s.stemBeforeCut;
  }

  writeThirdPersonObjective(s, 3, e.sg3Obj, "ussza", "alapulja");
  writeFirstPluralObjective(s);
  writeThirdPersonObjective(s, 5, e.pl2Obj, "usszátok", "alapuljátok");
  writeThirdPersonObjective(s, 6, e.pl3Obj, "usszák", "alapulják");
  writeFirstToSecondObjective(s);
}

}  // namespace

void writeCells(ConjugationState& s) {
  writeSubjective(s);
  writeObjective(s);
}

}  // namespace ragozo
