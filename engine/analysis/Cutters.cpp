// The cutters: shorten a word from its right end through the limited work fields.
#include "analysis/Cutters.h"

#include <string>

#include "text/Utf8Text.h"

namespace ragozo {
namespace {

// Cuts `source` to its length less `count` through `field`.
void cutInto(LimitedTextField& field, const std::string& source, int count) {
  field.setLimit(static_cast<int>(charCount(source)) - count);
  field.assign(source);
}

}  // namespace

void vag(ConjugationState& s, int n) {
  const std::string entry = s.input();
  s.cutResult.setLimit(static_cast<int>(charCount(entry)) - n);
  if ((entry == "iszik" || entry == "eszik" || entry == "van") && s.emptyCutFlag) {
    s.cutResult.clear();
    s.emptyCutFlag = false;
    return;
  }
  s.cutResult.assign(entry);
}

void dz(ConjugationState& s) {
  s.baseStem.setLimit(s.baseStem.limit() + 3);
  cutInto(s.cutResult, s.baseStem.text(), 2);
}

void dz3(ConjugationState& s) { cutInto(s.cutResult, s.baseStem.text(), 3); }

void sz(ConjugationState& s) { cutInto(s.cutResult, s.baseStem.text(), 1); }

void cutVanEnding(ConjugationState& s) {
  const std::string entry = s.input();
  s.cutResult.setLimit(static_cast<int>(charCount(entry)) - 3);
  if (entry == "van") {
    s.cutResult.clear();
    return;
  }
  s.cutResult.assign(entry);
}

void vag3(ConjugationState& s) { s.baseStem.assign(dropLastChars(s.input(), 2)); }

}  // namespace ragozo
