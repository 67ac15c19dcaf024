// The text of every form cell of the conjugation table.
#include "table/TableCells.h"

#include <optional>
#include <string>
#include <utility>

#include "analysis/Cutters.h"
#include "analysis/ImperativeStems.h"
#include "analysis/PlainStems.h"
#include "table/EmptyTable.h"
#include "text/Utf8Text.h"

namespace ragozo {
namespace {

using enum ClassProperty;

std::string plain(std::string_view stemPart, std::string_view ending) {
  std::string cell;
  cell.reserve(2 + stemPart.size() + ending.size());
  return cell.append("  ").append(stemPart).append(ending);
}

std::string bracketed(std::string_view stemPart, std::string_view ending) {
  return "  (" + std::string(stemPart) + std::string(ending) + ")";
}

// One writing of the cells: the source, the stems as the rules leave them, and the tests the rules make.
struct Writing {
  const CellSource& source;
  ConjugationTable& table;
  const Stems& stems = source.inflection.stems;
  // "fürdik" takes its base stem as the stem from the sixth subjective cell on; the short objective
  // imperative takes the stem as the second stem after its cell.
  const std::string* stem = &stems.stem;
  const std::string* secondStem = &stems.secondStem;

  const EndingSlots& e() const { return source.inflection.endings; }
  VowelClass vowel() const { return source.inflection.vowel; }
  bool present() const { return source.mood == presentIndicative; }
  bool past() const { return source.mood == pastIndicative; }
  bool imperativeMood() const { return source.mood == imperative; }
  bool classIs(ClassProperty property) const { return source.inflection.cls.is(property); }
  bool verbEndsIn(std::string_view tail) const { return endsWith(source.verb, tail); }
  bool baseStemEndsIn(std::string_view tail) const { return endsWith(stems.baseStem, tail); }
  bool baseStemEndsInDzOrSz() const { return baseStemEndsIn("dz") || baseStemEndsIn("sz"); }
  // The base stem less its last two letters, which the -sz and -dz rules and the fixed forms of alszik take.
  std::string baseLessTwo() const { return cutEnd(stems.baseStem, 2); }
  void subjective(int row, std::string&& text) { table.write(row, kSubjectiveColumn, std::move(text)); }
  void objective(int row, std::string&& text) { table.write(row, kObjectiveColumn, std::move(text)); }
};

// Row 2 of the subjective column; the short imperative of the short-stem verbs has a stem of its own.
void writeSecondSingularSubjective(Writing& w) {
  const EndingSlots& e = w.e();
  w.subjective(2, plain(*w.stem, e.sg2Subj));
  if (w.present() && w.classIs(likeFurdik)) w.subjective(2, plain(w.stems.baseStem, e.sg2Subj));
  if (w.imperativeMood() && w.classIs(fixedIrregularForms) && !w.verbEndsIn("hisz") && !w.verbEndsIn("megy") &&
      !w.verbEndsIn("jön") && w.source.shortForms) {
    w.subjective(2, plain(shortSubjectiveImperativeStem(w.source.verb, *w.stem), e.sg2Subj));
  }
  if (w.present() && w.classIs(presentSecondSingularOnAltStem)) {
    w.subjective(2, plain(*w.secondStem, e.sg2Subj));
  }
}

// Row 3 of the subjective column: the present shows the entry itself unless its class has a second stem.
void writeThirdSingularSubjective(Writing& w) {
  const EndingSlots& e = w.e();
  if (w.present()) {
    if (w.classIs(presentThirdSingularOnAltStem)) {
      w.subjective(3, plain(*w.secondStem, e.sg3Subj));
    } else {
      w.subjective(3, plain(w.source.verb, ""));
    }
  } else if (w.past() && w.classIs(pastThirdSingularOnAltStem)) {
    w.subjective(3, plain(w.stems.pastThirdStem, e.sg3Subj));
  } else if (w.past() && w.classIs(likeFurdik)) {
    w.subjective(3, plain(w.stems.baseStem, e.sg3Subj));
  } else {
    w.subjective(3, plain(*w.stem, e.sg3Subj));
  }
}

void writeSubjective(Writing& w) {
  const EndingSlots& e = w.e();
  w.subjective(1, plain(*w.secondStem, e.sg1Subj));
  writeSecondSingularSubjective(w);
  writeThirdSingularSubjective(w);
  w.subjective(4, plain(*w.secondStem, e.pl1Subj));

  const std::string pl2Subj = w.present() && w.classIs(likeFurdik) ? "tök" : e.pl2Subj;
  w.subjective(5, plain(*w.stem, pl2Subj));
  if (w.present() && w.classIs(presentSecondPluralOnAltStem)) w.subjective(5, plain(*w.secondStem, pl2Subj));

  if (w.present() && w.classIs(likeFurdik)) w.stem = &w.stems.baseStem;
  w.subjective(6, plain(*w.stem, e.pl3Subj));
  if (w.present() && w.classIs(presentThirdPluralOnAltStem)) w.subjective(6, plain(*w.secondStem, e.pl3Subj));
}

// Rows 3, 5 and 6 of the objective column share their rules but for the ending and the fixed forms.
void writeThirdPersonObjective(Writing& w, int row, const std::string& ending, std::string_view alszikForm,
                               std::string_view standInEnding) {
  w.objective(row, plain(*w.stem, ending));
  if (w.present() && w.vowel() != back) w.objective(row, plain(*w.secondStem, ending));
  if (w.present() && w.vowel() == back && w.baseStemEndsInDzOrSz()) w.objective(row, plain(w.baseLessTwo(), ending));
  if (w.baseStemEndsIn("alsz")) w.objective(row, plain(w.baseLessTwo(), alszikForm));
  if (w.source.standInStem) w.objective(row, plain(*w.source.standInStem, standInEnding));
}

void writeFirstPluralObjective(Writing& w) {
  const EndingSlots& e = w.e();
  w.objective(4, plain(*w.stem, e.pl1Obj));
  if (w.present() && w.classIs(likeFurdik)) {
    w.objective(4, plain(linkingVowelStem(w.stems.baseStem, w.source.verb, w.vowel()), e.pl1Obj));
  }
  if (w.present() && w.baseStemEndsInDzOrSz()) w.objective(4, plain(w.baseLessTwo(), e.pl1Obj));
  if (w.baseStemEndsIn("alsz")) w.objective(4, plain(w.baseLessTwo(), "usszuk"));
  if (w.baseStemEndsIn("eksz")) w.objective(4, plain(w.baseLessTwo(), "üsszük"));
  if (w.source.standInStem) w.objective(4, plain(*w.source.standInStem, "juk"));
}

// Row 7, the -lak/-lek form: in brackets where the code says so.
void writeFirstToSecondObjective(Writing& w) {
  std::string sg1To2 = w.e().sg1To2;
  if (w.present() && w.classIs(presentFirstToSecondLak)) sg1To2 = w.vowel() == back ? "lak" : "lek";
  w.objective(kFirstToSecondRow, plain(*w.stem, sg1To2));
  if (w.source.firstToSecondInBrackets) w.objective(kFirstToSecondRow, bracketed(*w.stem, sg1To2));
  if (w.baseStemEndsIn("alsz")) w.objective(kFirstToSecondRow, "  (" + w.baseLessTwo() + "uszlak)");
  if (w.baseStemEndsIn("eksz")) w.objective(kFirstToSecondRow, "  (" + w.baseLessTwo() + "üszlek)");
  if (w.classIs(firstToSecondOnAltStem)) w.objective(kFirstToSecondRow, plain(*w.secondStem, sg1To2));
  if (w.source.standInStem) w.objective(kFirstToSecondRow, bracketed(*w.source.standInStem, "lak"));
}

void writeObjective(Writing& w) {
  const EndingSlots& e = w.e();
  w.objective(1, plain(*w.secondStem, e.sg1Obj));
  w.objective(2, plain(*w.secondStem, e.sg2Obj));
  if (w.source.shortForms && w.imperativeMood() && w.classIs(shortObjectiveImperative)) {
    const std::string shortStem =
        shortObjectiveImperativeStem(w.source.verb, w.source.inflection.cls).value_or(*w.stem);
    w.objective(2, plain(shortStem, e.sg2Obj));
    w.secondStem = w.stem;
  }
  writeThirdPersonObjective(w, 3, e.sg3Obj, "ussza", "ja");
  writeFirstPluralObjective(w);
  writeThirdPersonObjective(w, 5, e.pl2Obj, "usszátok", "játok");
  writeThirdPersonObjective(w, 6, e.pl3Obj, "usszák", "ják");
  writeFirstToSecondObjective(w);
}

}  // namespace

ConjugationTable writeCells(const CellSource& source) {
  ConjugationTable table = emptyTable();
  Writing w{source, table};
  writeSubjective(w);
  writeObjective(w);
  return table;
}

}  // namespace ragozo
