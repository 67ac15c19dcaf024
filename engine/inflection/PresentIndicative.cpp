// The present indicative endings.
#include "inflection/PresentIndicative.h"

#include <string>

#include "analysis/VowelForms.h"
#include "text/Utf8Text.h"

namespace ragozo {
namespace {

using enum ClassProperty;

// Which form the objective j-endings take after the end of the base stem.
enum class Sibilant { none, s, dz, sz, z };

Sibilant finalSibilant(std::string_view base) {
  if (endsWith(base, "s")) return Sibilant::s;
  if (endsWith(base, "dz")) return Sibilant::dz;
  if (endsWith(base, "sz")) return Sibilant::sz;
  if (endsWith(base, "z")) return Sibilant::z;
  return Sibilant::none;
}

// One row of the assimilation table: default, after s, dz, sz, other z.
std::string_view assimilated(Sibilant sibilant, std::string_view plain, std::string_view afterS,
                             std::string_view afterDz, std::string_view afterSz, std::string_view afterZ) {
  switch (sibilant) {
    case Sibilant::s: return afterS;
    case Sibilant::dz: return afterDz;
    case Sibilant::sz: return afterSz;
    case Sibilant::z: return afterZ;
    case Sibilant::none: break;
  }
  return plain;
}

void writeBackEndings(EndingSlots& e, VerbClass cls, std::string_view base, std::string_view verb) {
  const Sibilant sib = finalSibilant(base);
  const bool sibilantSecond = sib != Sibilant::none || cls.is(likeHaragszik) || cls.is(likeMelegszik);
  e.sg1Subj = cls.is(presentFirstPersonM) ? "om" : "ok";
  e.sg1Obj = "om";
  e.sg2Subj = sibilantSecond ? "ol" : "sz";
  e.sg2Obj = "od";
  e.sg3Obj = assimilated(sib, "ja", "sa", "ddza", "ssza", "za");
  e.pl1Subj = "unk";
  e.pl1Obj = assimilated(sib, "juk", "suk", "ddzuk", "sszuk", "zuk");
  e.pl2Subj = "tok";
  e.pl2Obj = assimilated(sib, "játok", "sátok", "ddzátok", "sszátok", "zátok");
  e.pl3Subj = "nak";
  e.pl3Obj = assimilated(sib, "ják", "sák", "ddzák", "sszák", "zák");
  e.sg1To2 = endsWith(verb, "ll") ? "ak" : "lak";
  if (endsWith(base, "izz")) {  // izzik: the stem's own zz takes the bare vowel
    e.sg3Obj = "a";
    e.pl1Obj = "uk";
    e.pl2Obj = "átok";
    e.pl3Obj = "ák";
  }
}

void writeFrontEndings(EndingSlots& e, VerbClass cls, std::string_view base, std::string_view verb) {
  const Sibilant sib = finalSibilant(base);
  const bool sibilantSecond = sib != Sibilant::none || cls.is(likeHaragszik) || cls.is(likeMelegszik);
  e.sg1Subj = cls.is(presentFirstPersonM) ? "em" : "ek";
  e.sg1Obj = "em";
  e.sg2Subj = sibilantSecond ? "el" : "sz";
  e.sg2Obj = "ed";
  e.sg3Obj = "i";
  e.pl1Subj = "ünk";
  e.pl1Obj = assimilated(sib, "jük", "sük", "ddzük", "sszük", "zük");
  e.pl2Subj = "tek";
  e.pl2Obj = "itek";
  e.pl3Subj = "nek";
  e.pl3Obj = "ik";
  e.sg1To2 = endsWith(verb, "ll") ? "ek" : "lek";
}

// Front rounded verbs replace a few front endings with their ö variants.
void roundFrontEndings(EndingSlots& e, VerbClass cls, std::string_view base, std::string_view verb) {
  e.sg1Subj = cls.is(presentFirstPersonM) ? "öm" : "ök";
  e.sg1Obj = "öm";
  if (endsWithAny(base, {"s", "z"}) || cls.is(likeMelegszik)) e.sg2Subj = "öl";
  e.sg2Obj = "öd";
  e.pl2Subj = endsWith(verb, "őriz") ? "tek" : "tök";
}

// The endings that take the linking vowel: the second person singular, the second and third
// persons plural and the -lak/-lek form.
void setLinkingVowelEndings(EndingSlots& e, std::string_view sg2, std::string_view pl2, std::string_view pl3,
                            std::string_view toSecond) {
  e.sg2Subj = sg2;
  e.pl2Subj = pl2;
  e.pl3Subj = pl3;
  e.sg1To2 = toSecond;
}

// The second and third persons plural alone with the linking vowel.
void setPluralLinkingVowelEndings(EndingSlots& e, std::string_view pl2, std::string_view pl3) {
  e.pl2Subj = pl2;
  e.pl3Subj = pl3;
}

void addLinkingVowel(EndingSlots& e, VerbClass cls, VowelClass vowel, std::string_view verb) {
  switch (vowel) {
    case VowelClass::back: setLinkingVowelEndings(e, "asz", "otok", "anak", "alak"); break;
    case VowelClass::frontUnrounded: setLinkingVowelEndings(e, "esz", "etek", "enek", "elek"); break;
    case VowelClass::frontRounded: setLinkingVowelEndings(e, "esz", "ötök", "enek", "elek"); break;
  }
  const bool back = vowel == VowelClass::back;
  if (cls.is(likeKuld)) e.pl2Subj = formFor(vowel, "tok", "tek", "tök");
  if (cls.is(firstToSecondAk)) e.sg1To2 = back ? "ak" : "ek";
  if (cls.is(likeIzzik) && back) e.sg2Subj = "ol";
  if (endsWith(verb, "ll")) e.sg1To2 = back ? "ak" : "ek";
  if (cls.is(likeAjanl)) e.sg1To2 = back ? "lak" : "lek";
  if (cls.is(likeUgrik) && back) e.sg1To2 = "lak";
}

}  // namespace

EndingSlots presentEndings(std::string_view verb, VerbClass cls, VowelClass vowel, std::string_view base) {
  EndingSlots e;
  if (vowel == VowelClass::back) {
    writeBackEndings(e, cls, base, verb);
  } else {
    writeFrontEndings(e, cls, base, verb);
    if (vowel == VowelClass::frontRounded) roundFrontEndings(e, cls, base, verb);
  }

  if (endsWith(verb, "ik")) e.sg3Subj = "ik";

  if (cls.is(presentLinkingVowel)) addLinkingVowel(e, cls, vowel, verb);

  if (cls.is(presentPluralLinkingVowel)) {
    setPluralLinkingVowelEndings(e, formFor(vowel, "otok", "etek", "ötök"), backOrFront(vowel, "anak", "enek"));
  }

  if (cls.is(likeBolyong)) {
    e.pl3Subj = backOrFront(vowel, "anak", "enek");
    e.sg1To2 = backOrFront(vowel, "alak", "elek");
  }

  if (cls.is(presentSecondPluralTok)) {
    e.pl2Subj = "tök";
    e.sg1To2 = "lek";
  }

  if (endsWithAny(base, {"s", "z"})) e.sg2Subj = formFor(vowel, "ol", "el", "öl");
  return e;
}

}  // namespace ragozo
