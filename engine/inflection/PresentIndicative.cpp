// The present indicative endings.
#include "inflection/PresentIndicative.h"

#include <string>

#include "inflection/RuleTests.h"

namespace ragozo {
namespace {

// The -ik classes whose first person singular subjective ends in -m.
bool takesMFirstPerson(std::string_view code) {
  return inClassSet(code, {"30", "31", "32", "3a", "3b", "3c", "33", "34", "35", "36", "37", "38",
                        "39", "40", "41", "42", "43", "4a", "44", "45", "46", "47", "48", "49",
                        "50", "51", "52", "76", "77", "78", "79", "80", "81", "82", "83", "84",
                        "86", "87", "88", "90", "91", "92", "93", "94", "95", "96", "97", "98"});
}

// The classes whose present takes a linking vowel in the second singular and the plural.
bool takesPresentLinkingVowel(std::string_view code) {
  return inClassSet(code, {"03", "04", "6a", "10", "12", "13", "14", "15", "20", "22", "26", "27",
                        "28", "29", "3c", "35", "58", "81", "36", "59", "82", "41", "64", "87",
                        "42", "65", "88", "43", "66", "89", "45", "68", "91", "49", "72", "95"});
}

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

void writeBackEndings(EndingSlots& e, std::string_view code, std::string_view base, std::string_view verb) {
  const Sibilant sib = finalSibilant(base);
  const bool sibilantSecond = sib != Sibilant::none || code == "33" || code == "3a";
  e.sg1Subj = takesMFirstPerson(code) ? "om" : "ok";
  e.sg1Obj = "om";
  e.sg2Subj = sibilantSecond ? "ol" : "sz";
  e.sg2Obj = "od";
  e.sg3Subj.clear();
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

void writeFrontEndings(EndingSlots& e, std::string_view code, std::string_view base, std::string_view verb) {
  const Sibilant sib = finalSibilant(base);
  const bool sibilantSecond = sib != Sibilant::none || code == "33" || code == "3a";
  e.sg1Subj = takesMFirstPerson(code) ? "em" : "ek";
  e.sg1Obj = "em";
  e.sg2Subj = sibilantSecond ? "el" : "sz";
  e.sg2Obj = "ed";
  e.sg3Subj.clear();
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
void roundFrontEndings(EndingSlots& e, std::string_view code, std::string_view base, std::string_view verb) {
  e.sg1Subj = takesMFirstPerson(code) ? "öm" : "ök";
  e.sg1Obj = "öm";
  if (endsWithAny(base, {"s", "z"}) || code == "3a") e.sg2Subj = "öl";
  e.sg2Obj = "öd";
  e.pl2Subj = endsWith(verb, "őriz") ? "tek" : "tök";
}

void setLinked(EndingSlots& e, std::string_view sg2, std::string_view pl2, std::string_view pl3,
               std::string_view toSecond) {
  e.sg2Subj = sg2;
  e.pl2Subj = pl2;
  e.pl3Subj = pl3;
  e.sg1To2 = toSecond;
}

void setPlural(EndingSlots& e, std::string_view pl2, std::string_view pl3) {
  e.pl2Subj = pl2;
  e.pl3Subj = pl3;
}

void addLinkingVowel(EndingSlots& e, const ConjugationState& s, std::string_view verb) {
  const std::string& code = s.classCode;
  switch (s.vowelClass) {
    case VowelClass::back: setLinked(e, "asz", "otok", "anak", "alak"); break;
    case VowelClass::frontUnrounded: setLinked(e, "esz", "etek", "enek", "elek"); break;
    case VowelClass::frontRounded: setLinked(e, "esz", "ötök", "enek", "elek"); break;
    default: return;
  }
  const bool back = s.vowelClass == VowelClass::back;
  if (code == "10") e.pl2Subj = back ? "tok" : (s.vowelClass == VowelClass::frontRounded ? "tök" : "tek");
  if (inClassSet(code, {"49", "72", "95"})) e.sg1To2 = back ? "ak" : "ek";
  if (code == "6a" && back) e.sg2Subj = "ol";
  if (endsWith(verb, "ll")) e.sg1To2 = back ? "ak" : "ek";
  if (code == "04") e.sg1To2 = back ? "lak" : "lek";
  if (code == "42" && back) e.sg1To2 = "lak";
}

}  // namespace

void jelen(ConjugationState& s) {
  EndingSlots& e = s.endings;
  const std::string verb = s.input();
  const std::string& base = s.baseStem.text();
  const std::string& code = s.classCode;

  if (s.vowelClass == VowelClass::back) {
    writeBackEndings(e, code, base, verb);
  } else {
    writeFrontEndings(e, code, base, verb);
    if (s.vowelClass == VowelClass::frontRounded) roundFrontEndings(e, code, base, verb);
  }

  if (endsWith(verb, "ik")) e.sg3Subj = "ik";

  if (takesPresentLinkingVowel(code)) addLinkingVowel(e, s, verb);

  if (inClassSet(code, {"44", "67", "90"})) {
    switch (s.vowelClass) {
      case VowelClass::back: setPlural(e, "otok", "anak"); break;
      case VowelClass::frontUnrounded: setPlural(e, "etek", "enek"); break;
      case VowelClass::frontRounded: setPlural(e, "ötök", "enek"); break;
      default: break;
    }
  }

  if (code == "09") {
    if (s.vowelClass == VowelClass::back) {
      e.pl3Subj = "anak";
      e.sg1To2 = "alak";
    } else if (knownVowelClass(s)) {
      e.pl3Subj = "enek";
      e.sg1To2 = "elek";
    }
  }

  if (code == "66") {
    e.pl2Subj = "tök";
    e.sg1To2 = "lek";
  }

  if (endsWithAny(base, {"s", "z"})) {
    switch (s.vowelClass) {
      case VowelClass::back: e.sg2Subj = "ol"; break;
      case VowelClass::frontUnrounded: e.sg2Subj = "el"; break;
      case VowelClass::frontRounded: e.sg2Subj = "öl"; break;
      default: break;
    }
  }
}

}  // namespace ragozo
