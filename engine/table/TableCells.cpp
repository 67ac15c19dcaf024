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

// A form cell: two blanks, the stem part and the ending.
std::string formCell(std::string_view stemPart, std::string_view ending) {
  std::string cell;
  cell.reserve(2 + stemPart.size() + ending.size());
  return cell.append("  ").append(stemPart).append(ending);
}

// A form cell in brackets, as the -lak/-lek form of some verbs shows.
std::string bracketedFormCell(std::string_view stemPart, std::string_view ending) {
  return "  (" + std::string(stemPart) + std::string(ending) + ")";
}

// One writing of the cells: the source, the table written, and the tests the rules make.
struct Writing {
  const CellSource& source;
  ConjugationTable& table;
  const Stems& stems = source.inflection.stems;

  const EndingSlots& endings() const { return source.inflection.endings; }
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
  // The present of "fürdik": its subjective second persons and third person plural and its
  // objective column take the base stem or an ending of their own.
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
  const EndingSlots& endings = w.endings();
  w.subjective(kSecondSingularRow, formCell(stems.stem, endings.sg2Subj));
  if (w.furdikPresent()) w.subjective(kSecondSingularRow, formCell(w.stems.baseStem, endings.sg2Subj));
  if (w.imperativeMood() && w.classIs(fixedIrregularForms) && !w.verbEndsIn("hisz") && !w.verbEndsIn("megy") &&
      !w.verbEndsIn("jön") && w.source.shortForms) {
    const std::string shortStem = shortSubjectiveImperativeStem(w.source.verb, stems.stem);
    w.subjective(kSecondSingularRow, formCell(shortStem, endings.sg2Subj));
  }
  if (w.present() && w.classIs(presentSecondSingularOnAltStem)) {
    w.subjective(kSecondSingularRow, formCell(stems.secondStem, endings.sg2Subj));
  }
}

// The subjective third person singular: the present shows the entry itself unless its class has a second stem.
void writeThirdSingularSubjective(const Writing& w, CellStems stems) {
  const EndingSlots& endings = w.endings();
  if (w.present()) {
    if (w.classIs(presentThirdSingularOnAltStem)) {
      w.subjective(kThirdSingularRow, formCell(stems.secondStem, endings.sg3Subj));
    } else {
      w.subjective(kThirdSingularRow, formCell(w.source.verb, ""));
    }
  } else if (w.past() && w.classIs(pastThirdSingularOnAltStem)) {
    w.subjective(kThirdSingularRow, formCell(w.stems.pastThirdStem, endings.sg3Subj));
  } else if (w.past() && w.classIs(likeFurdik)) {
    w.subjective(kThirdSingularRow, formCell(w.stems.baseStem, endings.sg3Subj));
  } else {
    w.subjective(kThirdSingularRow, formCell(stems.stem, endings.sg3Subj));
  }
}

void writeSubjective(const Writing& w, CellStems stems) {
  const EndingSlots& endings = w.endings();
  w.subjective(kFirstSingularRow, formCell(stems.secondStem, endings.sg1Subj));
  writeSecondSingularSubjective(w, stems);
  writeThirdSingularSubjective(w, stems);
  w.subjective(kFirstPluralRow, formCell(stems.secondStem, endings.pl1Subj));

  const std::string pl2Subj = w.furdikPresent() ? "tök" : endings.pl2Subj;
  w.subjective(kSecondPluralRow, formCell(stems.stem, pl2Subj));
  if (w.present() && w.classIs(presentSecondPluralOnAltStem)) {
    w.subjective(kSecondPluralRow, formCell(stems.secondStem, pl2Subj));
  }

  w.subjective(kThirdPluralRow, formCell(w.furdikPresent() ? w.stems.baseStem : stems.stem, endings.pl3Subj));
  if (w.present() && w.classIs(presentThirdPluralOnAltStem)) {
    w.subjective(kThirdPluralRow, formCell(stems.secondStem, endings.pl3Subj));
  }
}

// The objective third persons and second person plural share their rules but for the ending and the fixed forms.
void writeThirdPersonObjective(const Writing& w, CellStems stems, int row, const std::string& ending,
                               std::string_view alszikForm, std::string_view standInEnding) {
  w.objective(row, formCell(stems.stem, ending));
  if (w.present() && w.vowel() != back) w.objective(row, formCell(stems.secondStem, ending));
  if (w.present() && w.vowel() == back && w.baseStemEndsInDzOrSz()) w.objective(row, formCell(w.baseLessTwo(), ending));
  if (w.baseStemEndsIn("alsz")) w.objective(row, formCell(w.baseLessTwo(), alszikForm));
  if (w.source.standInStem) w.objective(row, formCell(*w.source.standInStem, standInEnding));
}

void writeFirstPluralObjective(const Writing& w, CellStems stems) {
  const EndingSlots& endings = w.endings();
  w.objective(kFirstPluralRow, formCell(stems.stem, endings.pl1Obj));
  if (w.furdikPresent()) {
    const std::string linkedStem = linkingVowelStem(w.stems.baseStem, w.source.verb, w.vowel());
    w.objective(kFirstPluralRow, formCell(linkedStem, endings.pl1Obj));
  }
  if (w.present() && w.baseStemEndsInDzOrSz()) w.objective(kFirstPluralRow, formCell(w.baseLessTwo(), endings.pl1Obj));
  if (w.baseStemEndsIn("alsz")) w.objective(kFirstPluralRow, formCell(w.baseLessTwo(), "usszuk"));
  if (w.baseStemEndsIn("eksz")) w.objective(kFirstPluralRow, formCell(w.baseLessTwo(), "üsszük"));
  if (w.source.standInStem) w.objective(kFirstPluralRow, formCell(*w.source.standInStem, "juk"));
}

// The -lak/-lek form: in brackets where the code says so.
void writeFirstToSecondObjective(const Writing& w, CellStems stems) {
  std::string sg1To2 = w.endings().sg1To2;
  if (w.present() && w.classIs(presentFirstToSecondLak)) sg1To2 = w.vowel() == back ? "lak" : "lek";
  w.objective(kFirstToSecondRow, formCell(stems.stem, sg1To2));
  if (w.source.firstToSecondInBrackets) w.objective(kFirstToSecondRow, bracketedFormCell(stems.stem, sg1To2));
  if (w.baseStemEndsIn("alsz")) w.objective(kFirstToSecondRow, "  (" + w.baseLessTwo() + "uszlak)");
  if (w.baseStemEndsIn("eksz")) w.objective(kFirstToSecondRow, "  (" + w.baseLessTwo() + "üszlek)");
  if (w.classIs(firstToSecondOnAltStem)) w.objective(kFirstToSecondRow, formCell(stems.secondStem, sg1To2));
  if (w.source.standInStem) w.objective(kFirstToSecondRow, bracketedFormCell(*w.source.standInStem, "lak"));
}

void writeObjective(const Writing& w, CellStems stems) {
  const EndingSlots& endings = w.endings();
  w.objective(kFirstSingularRow, formCell(stems.secondStem, endings.sg1Obj));
  w.objective(kSecondSingularRow, formCell(stems.secondStem, endings.sg2Obj));
  // The short objective imperative has a stem of its own, and the cells after it take the stem as their second stem.
  CellStems later = stems;
  if (w.source.shortForms && w.imperativeMood() && w.classIs(shortObjectiveImperative)) {
    const std::string shortStem =
        shortObjectiveImperativeStem(w.source.verb, w.source.inflection.cls).value_or(std::string(stems.stem));
    w.objective(kSecondSingularRow, formCell(shortStem, endings.sg2Obj));
    later.secondStem = stems.stem;
  }
  writeThirdPersonObjective(w, later, kThirdSingularRow, endings.sg3Obj, "ussza", "ja");
  writeFirstPluralObjective(w, later);
  writeThirdPersonObjective(w, later, kSecondPluralRow, endings.pl2Obj, "usszátok", "játok");
  writeThirdPersonObjective(w, later, kThirdPluralRow, endings.pl3Obj, "usszák", "ják");
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
