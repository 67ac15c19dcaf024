// The derived forms of the irregular verbs.
#include "derived/IrregularDerivedForms.h"

#include <array>
#include <string>

#include "analysis/Cutters.h"
#include "text/Utf8Text.h"

namespace ragozo {
namespace {

// The boxes a row's patterns are for, in the row's order.
constexpr std::array kRowBoxes = {adverbialParticipleBox, presentParticipleBox, pastParticipleBox, futureParticipleBox,
                                  actionNounBox,          potentialBox,         causativeBox};

// One verb's row: how many letters the cut drops, then a pattern for each of `kRowBoxes`. In a
// pattern "%" stands for the cut part p; an empty pattern fixes nothing; `kNoSuchForm`, which
// has no "%", stands as is.
struct IrregularRow {
  int drop;
  std::array<std::string_view, kRowBoxes.size()> boxes;
};

constexpr std::string_view kNone = kNoSuchForm;

constexpr IrregularRow kVeszTesz = {3, {"", "", "", "%eendő", "%étel / %evés", "%ehet", "%etet"}};
constexpr IrregularRow kVisz = {2, {"", "", "", "%endő", "%tel / %vés", "%het", "%tet"}};
// "hívés", not the old spelling "hivés": the present participle is "hívő" too.
constexpr IrregularRow kHisz = {3, {"", "", "", "%iendő", "%ívés", "%ihet", "%itet"}};
constexpr IrregularRow kLesz = {3, {"(%évén)", "", "", "%eendő", "%ét / %evés", "%ehet", kNone}};
constexpr IrregularRow kVan = {
    3, {"(%lévén)", "%való / %levő", "%volt / %lett", "%leendő", "%lét / %levés", "%lehet", kNone}};
constexpr IrregularRow kEszik = {4, {"", "", "", "%endő", "%vés", "%het", "%tet"}};
constexpr IrregularRow kIszik = {4, {"", "", "", "(%vandó)", "%vás", "%hat", "%tat"}};
constexpr IrregularRow kMegy = {2, {"", "%nő", "", kNone, "%netel / %nés", "%het", kNone}};
constexpr IrregularRow kJon = {1, {"", "%vő", "", "%vendő", "%vetel / %vés", "%het", kNone}};
// "sosincs", like "nincs", has only its two present forms.
constexpr IrregularRow kNincs = {0, {kNone, kNone, kNone, kNone, kNone, kNone, kNone}};

// The form a pattern gives: every "%" replaced by the cut part.
std::string formFromPattern(std::string_view pattern, std::string_view part) {
  std::string text;
  for (char c : pattern) {
    if (c == '%') {
      text.append(part);
    } else {
      text.push_back(c);
    }
  }
  return text;
}

const IrregularRow* rowFor(std::string_view verb) {
  if (endsWithAny(verb, {"vesz", "tesz"})) return &kVeszTesz;
  if (endsWith(verb, "visz")) return &kVisz;
  if (endsWith(verb, "hisz")) return &kHisz;
  if (endsWith(verb, "lesz")) return &kLesz;
  if (endsWith(verb, "van")) return &kVan;
  if (endsWith(verb, "eszik")) return &kEszik;
  if (endsWith(verb, "iszik")) return &kIszik;
  if (endsWith(verb, "megy")) return &kMegy;
  if (endsWith(verb, "jön")) return &kJon;
  if (endsWith(verb, "incs")) return &kNincs;
  return nullptr;
}

}  // namespace

FixedDerivedForms irregularDerivedForms(std::string_view verb) {
  FixedDerivedForms forms;
  const IrregularRow* row = rowFor(verb);
  if (row == nullptr) return forms;
  if (row == &kNincs) forms[infinitiveBox] = kNoSuchForm;
  // The bare "van" is cut to nothing ("lévén").
  const std::string part = row == &kVan ? cutEndBareToNothing(verb, row->drop) : cutEnd(verb, row->drop);
  for (std::size_t i = 0; i < kRowBoxes.size(); ++i) {
    if (!row->boxes[i].empty()) forms[kRowBoxes[i]] = formFromPattern(row->boxes[i], part);
  }
  // Only the two forms people use keep jön's future participle.
  if (row == &kJon && verb != "jön" && verb != "eljön") forms[futureParticipleBox] = kNoSuchForm;
  return forms;
}

}  // namespace ragozo
