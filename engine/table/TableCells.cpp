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

// One writing of the cells: the source, the table written, and the tests the rules make.
struct Writing {
  const CellSource& source;
  ConjugationTable& table;
  const Stems& stems = source.inflection.stems;

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
  // The present of "fürdik" takes its base stem as the stem from the subjective third person plural on.
  bool furdikPresent() const { return present() && classIs(likeFurdik); }
  void subjective(int row, std::string&& text) const { table.write(row, kSubjectiveColumn, std::move(text)); }
  void objective(int row, std::string&& text) const { table.write(row, kObjectiveColumn, std::move(text)); }
};

// The stem and the second stem that a run of cells is written on.
struct CellStems {
  std::string_view stem;
  std::string_view secondStem;
};

// The subjective second person singular; the short imperative of the short-stem verbs has a stem of its own.
void writeSecondSingularSubjective(const Writing& w, CellStems stems) {
  const EndingSlots& e = w.e();
  w.subjective(kSecondSingularRow, plain(stems.stem, e.sg2Subj));
  if (w.furdikPresent()) w.subjective(kSecondSingularRow, plain(w.stems.baseStem, e.sg2Subj));
  if (w.imperativeMood() && w.classIs(fixedIrregularForms) && !w.verbEndsIn("hisz") && !w.verbEndsIn("megy") &&
      !w.verbEndsIn("jön") && w.source.shortForms) {
    w.subjective(kSecondSingularRow, plain(shortSubjectiveImperativeStem(w.source.verb, stems.stem), e.sg2Subj));
  }
  if (w.present() && w.classIs(presentSecondSingularOnAltStem)) {
    w.subjective(kSecondSingularRow, plain(stems.secondStem, e.sg2Subj));
  }
}

// The subjective third person singular: the present shows the entry itself unless its class has a second stem.
void writeThirdSingularSubjective(const Writing& w, CellStems stems) {
  const EndingSlots& e = w.e();
  if (w.present()) {
    if (w.classIs(presentThirdSingularOnAltStem)) {
      w.subjective(kThirdSingularRow, plain(stems.secondStem, e.sg3Subj));
    } else {
      w.subjective(kThirdSingularRow, plain(w.source.verb, ""));
    }
  } else if (w.past() && w.classIs(pastThirdSingularOnAltStem)) {
    w.subjective(kThirdSingularRow, plain(w.stems.pastThirdStem, e.sg3Subj));
  } else if (w.past() && w.classIs(likeFurdik)) {
    w.subjective(kThirdSingularRow, plain(w.stems.baseStem, e.sg3Subj));
  } else {
    w.subjective(kThirdSingularRow, plain(stems.stem, e.sg3Subj));
  }
}

void writeSubjective(const Writing& w, CellStems stems) {
  const EndingSlots& e = w.e();
  w.subjective(kFirstSingularRow, plain(stems.secondStem, e.sg1Subj));
  writeSecondSingularSubjective(w, stems);
  writeThirdSingularSubjective(w, stems);
  w.subjective(kFirstPluralRow, plain(stems.secondStem, e.pl1Subj));

  const std::string pl2Subj = w.furdikPresent() ? "tök" : e.pl2Subj;
  w.subjective(kSecondPluralRow, plain(stems.stem, pl2Subj));
  if (w.present() && w.classIs(presentSecondPluralOnAltStem)) {
    w.subjective(kSecondPluralRow, plain(stems.secondStem, pl2Subj));
  }

  w.subjective(kThirdPluralRow, plain(w.furdikPresent() ? w.stems.baseStem : stems.stem, e.pl3Subj));
  if (w.present() && w.classIs(presentThirdPluralOnAltStem)) {
    w.subjective(kThirdPluralRow, plain(stems.secondStem, e.pl3Subj));
  }
}

// The objective third persons and second person plural share their rules but for the ending and the fixed forms.
void writeThirdPersonObjective(const Writing& w, CellStems stems, int row, const std::string& ending,
                               std::string_view alszikForm, std::string_view standInEnding) {
  w.objective(row, plain(stems.stem, ending));
  if (w.present() && w.vowel() != back) w.objective(row, plain(stems.secondStem, ending));
  if (w.present() && w.vowel() == back && w.baseStemEndsInDzOrSz()) w.objective(row, plain(w.baseLessTwo(), ending));
  if (w.baseStemEndsIn("alsz")) w.objective(row, plain(w.baseLessTwo(), alszikForm));
  if (w.source.standInStem) w.objective(row, plain(*w.source.standInStem, standInEnding));
}

void writeFirstPluralObjective(const Writing& w, CellStems stems) {
  const EndingSlots& e = w.e();
  w.objective(kFirstPluralRow, plain(stems.stem, e.pl1Obj));
  if (w.furdikPresent()) {
    w.objective(kFirstPluralRow, plain(linkingVowelStem(w.stems.baseStem, w.source.verb, w.vowel()), e.pl1Obj));
  }
  if (w.present() && w.baseStemEndsInDzOrSz()) w.objective(kFirstPluralRow, plain(w.baseLessTwo(), e.pl1Obj));
  if (w.baseStemEndsIn("alsz")) w.objective(kFirstPluralRow, plain(w.baseLessTwo(), "usszuk"));
  if (w.baseStemEndsIn("eksz")) w.objective(kFirstPluralRow, plain(w.baseLessTwo(), "üsszük"));
  if (w.source.standInStem) w.objective(kFirstPluralRow, plain(*w.source.standInStem, "juk"));
}

// The -lak/-lek form: in brackets where the code says so.
void writeFirstToSecondObjective(const Writing& w, CellStems stems) {
  std::string sg1To2 = w.e().sg1To2;
  if (w.present() && w.classIs(presentFirstToSecondLak)) sg1To2 = w.vowel() == back ? "lak" : "lek";
  w.objective(kFirstToSecondRow, plain(stems.stem, sg1To2));
  if (w.source.firstToSecondInBrackets) w.objective(kFirstToSecondRow, bracketed(stems.stem, sg1To2));
  if (w.baseStemEndsIn("alsz")) w.objective(kFirstToSecondRow, "  (" + w.baseLessTwo() + "uszlak)");
  if (w.baseStemEndsIn("eksz")) w.objective(kFirstToSecondRow, "  (" + w.baseLessTwo() + "üszlek)");
  if (w.classIs(firstToSecondOnAltStem)) w.objective(kFirstToSecondRow, plain(stems.secondStem, sg1To2));
  if (w.source.standInStem) w.objective(kFirstToSecondRow, bracketed(*w.source.standInStem, "lak"));
}

void writeObjective(const Writing& w, CellStems stems) {
  const EndingSlots& e = w.e();
  w.objective(kFirstSingularRow, plain(stems.secondStem, e.sg1Obj));
  w.objective(kSecondSingularRow, plain(stems.secondStem, e.sg2Obj));
  // The short objective imperative has a stem of its own, and the cells after it take the stem as their second stem.
  CellStems later = stems;
  if (w.source.shortForms && w.imperativeMood() && w.classIs(shortObjectiveImperative)) {
    const std::string shortStem =
        shortObjectiveImperativeStem(w.source.verb, w.source.inflection.cls).value_or(std::string(stems.stem));
    w.objective(kSecondSingularRow, plain(shortStem, e.sg2Obj));
    later.secondStem = stems.stem;
  }
  writeThirdPersonObjective(w, later, kThirdSingularRow, e.sg3Obj, "ussza", "ja");
  writeFirstPluralObjective(w, later);
  writeThirdPersonObjective(w, later, kSecondPluralRow, e.pl2Obj, "usszátok", "játok");
  writeThirdPersonObjective(w, later, kThirdPluralRow, e.pl3Obj, "usszák", "ják");
  writeFirstToSecondObjective(w, later);
}

}  // namespace

ConjugationTable writeCells(const CellSource& source) {
  ConjugationTable table = emptyTable();
  const Writing w{source, table};
  const Stems& stems = source.inflection.stems;
  writeSubjective(w, {stems.stem, stems.secondStem});
  // The present of "fürdik" writes its whole objective column on the base stem.
  writeObjective(w, {w.furdikPresent() ? stems.baseStem : stems.stem, stems.secondStem});
  return table;
}

}  // namespace ragozo
