// A verb's conjugation class and the properties the rules ask of it.
//
// The class is characters 5 and 6 of the verb's code ("01", "3a", "99"). No
// rule asks for a class by its code: each asks whether the class has a property
// ("the stem loses two letters", "the past takes the marker -tt"), and the
// table in VerbClass.cpp lists, once, the classes that have each property. A
// class is named by its code only where a verb is given one: in the lexicon,
// in the ending guess's table (the class a lexicon verb of that ending has) and
// in the few classes the engine gives itself (below). A code that names no
// class the rules know (an entry without a code, a code of another alphabet)
// has none of the properties.
#pragma once

#include <cstdint>
#include <string_view>

namespace ragozo {

enum class ClassProperty : std::uint8_t {
  // The stems.
  shortStem,             // the stem loses two letters (tesz: te, eszik: e)
  linkingVowel,          // a linking vowel goes in before the last consonant (omlik: omol)
  unstableVowel,         // the last vowel drops before a vowel (sodor: sodr)
  sibilantIk,            // -ik verbs on -sz or -z (úszik, játszik)
  szikDStem,             // the -szik verbs with a -d- or -ez- stem outside the -sz- forms
  likeVesz,              // vész: vesz
  likeMelegszik,         // melegszik: meleged
  likeHaragszik,         // haragszik: haragud, cselekszik: cseleked
  likeAlkuszik,          // alkuszik: alkud, the base stem kept
  likeFekszik,           // fekszik: feküd, alszik: alud
  likeEmlekszik,         // emlékszik: emlékez
  likeLo,                // lő, ró, sí, nyű: the v-stem löv, rov, sív, nyüv
  likeIzzik,             // izzik: izz
  likeFuldoklik,         // fuldoklik: fuldokol
  likeFurdik,            // fürdik: füröd
  irregular,             // megy, jön, van and "sosincs"
  unstableVowelInPast,   // the past third person drops the unstable vowel (ácsorog: ácsorgott)
  pastThirdOnBaseStem,   // the past third person on the base stem (ugrik: ugrott)
  pastLinkingVowelStem,  // the past on the linking-vowel stem, the third person on the base
  conditionalMarkerN,    // the conditional marker "n" straight after the stem
  conditionalMarkerLinked,  // the conditional marker after a linking vowel ("an", "en")
  shortObjectiveDd,      // the short objective imperative ends in "dd" (tedd, lődd)
  shortObjectiveSd,      // ... in "sd" (tanítsd)
  shortObjectiveZd,      // ... in "zd" (csempészd, mászd)
  shortObjectiveStemLessOne,  // its stem is the entry less one letter (akaszt: akasz)
  likeEdz,               // edz
  dzikStem,              // -dzik verbs (bimbódzik)
  // The endings.
  presentFirstPersonM,   // the present first person singular in -m (alszom)
  presentLinkingVowel,   // a linking vowel in the present second singular and the plural (mondasz)
  likeKuld,              // küld, mond: -tök, -tek, -tok by vowel class
  firstToSecondAk,       // the -lak/-lek form in -ak/-ek (hullak)
  likeAjanl,             // ajánl: the -lak/-lek form keeps its l
  likeUgrik,             // ugrik
  presentPluralLinkingVowel,  // hangzik: -otok, -anak
  likeBolyong,           // bolyong: -anak, -alak
  presentSecondPluralTok,  // -tök and -lek whatever the vowels
  pastMarkerT,           // the past marker "t" in every person (kért)
  pastMarkerTLinkedThird,  // "t", the third person with a linking vowel (adott)
  pastMarkerLinked,      // a linking vowel in every person (ajánlottam)
  pastMarkerTt,          // "tt" (lőtt, tett)
  likeAranylik,          // aránylik: the markers of its neighbours
  likeVerzik,            // vérzik: the inserted vowel in the conditional
  likeAkaszt,            // akaszt: akass-
  imperativeSOnBaseLessOne,   // the imperative stem is the base stem less one and "s"
  imperativeSOnEntryLessThree,  // ... the entry less three and "s" (adatik: adass-)
  likeFest,              // fest: fes-
  likeVeszt,             // veszt: veszít
  imperativeMarkerJ,     // the imperative marker "j"
  imperativeMarkerS,     // ... "s"
  imperativeMarkerZ,     // ... "z"
  // The table.
  fixedIrregularForms,   // tesz, eszik, megy and kin: forms fixed by verb
  presentSecondSingularOnAltStem,  // the present cells on the second stem, by person
  presentThirdSingularOnAltStem,
  presentSecondPluralOnAltStem,
  presentThirdPluralOnAltStem,
  pastThirdSingularOnAltStem,
  likeEszik,             // eszik, iszik
  presentFirstToSecondLak,  // the present -lak/-lek form plain "lak"/"lek"
  firstToSecondOnAltStem,  // the -lak/-lek form on the second stem, never in brackets
  shortObjectiveImperative,  // a short objective imperative stem of its own (akaszd)
  // The derived forms.
  derivedFromBaseStem,   // the derived forms start from the base stem
  participlesOnBaseStem,  // the participles and the action noun on the base stem
  noCausativeSzik,       // -szik verbs without a causative (melegszik, haragszik)
  causativeOnLinkingVowelStem,
  infinitiveOnBaseStem,
  infinitiveWithoutLinkingMarker,
  infinitiveOnLinkingVowelStem,
  irregularAdverbialParticiple,  // téve, fekve, menve
  presentParticipleVStem,  // cselekvő
  actionNounVStem,       // cselekvés, evés
  likeTesz,              // tesz, vesz, visz, hisz, lesz
  likeAdatik,            // adatik: no present participle, "adathatik"
  count
};

class VerbClass {
 public:
  // No class: what an entry without a code has.
  constexpr VerbClass() = default;

  // The class that code characters 5 and 6 name; a code no rule knows is no class.
  static constexpr VerbClass fromCode(std::string_view code) { return VerbClass(indexOf(code)); }

  bool is(ClassProperty property) const;

  friend constexpr bool operator==(VerbClass, VerbClass) = default;

  // The classes are the codes of two characters, a digit and a digit or "a" to "d";
  // index 0 is no class.
  static constexpr int kCount = 10 * 14 + 1;
  static constexpr int indexOf(std::string_view code) {
    if (code.size() != 2 || code[0] < '0' || code[0] > '9') return 0;
    const char second = code[1];
    const int low = second >= '0' && second <= '9' ? second - '0' : second >= 'a' && second <= 'd' ? 10 + second - 'a' : -1;
    return low < 0 ? 0 : 1 + (code[0] - '0') * 14 + low;
  }

 private:
  constexpr explicit VerbClass(int index) : index_(static_cast<std::uint8_t>(index)) {}

  std::uint8_t index_ = 0;
};

// The classes the engine gives itself: the plain class, which "alapszik" takes outside its own
// forms, the class of "sodor" and "énekel", which the few patterns of an unstable vowel take, and
// the class of "ad", which one meaning of each homonym takes ("tévedett", "ragadott").
inline constexpr VerbClass kPlainClass = VerbClass::fromCode("01");
inline constexpr VerbClass kUnstableVowelClass = VerbClass::fromCode("05");
inline constexpr VerbClass kLikeAdClass = VerbClass::fromCode("07");

}  // namespace ragozo
