// A small lexicon of real verbs for tests and benchmarks.
#include "support/FixtureLexicon.h"

#include <array>

namespace ragozo::testing {
namespace {

// Codes as the lexicon stores them. Most are quoted where the verb serves as an
// example; the few marked "composed" were built from the code rules (vowel
// class of the core, class by ending, usage "01") because no source quotes them.
constexpr FixtureEntry kEntries[] = {
    // a/á
    {"abajgat", "110116011"},
    {"ad", "110107111"},  // composed
    {"akad", "110101000"},  // composed
    {"akaródzik", "11O140000"},
    {"akaszt", "110114011"},  // composed
    {"aktualizál", "110101001"},
    {"alábocsájt", "21P113011"},
    {"alapszik", "11M158000"},
    {"alél", "110101000"},
    {"alkonyodik", "11O131000"},
    {"alkuszik", "11013b000"},
    {"alszik", "11013c010"},
    {"aránylik", "11N164200"},
    {"ácsorog", "110108000"},  // composed
    {"áthat", "21M123010"},
    // b
    {"bimbódzik", "11M140000"},  // composed
    {"bomlik", "110164200"},
    // c/d
    {"cselekszik", "120133010"},
    {"csempész", "120121011"},
    {"dicsekszik", "120133000"},
    // e/é
    {"edz", "120120111"},
    {"elmegy", "220199200"},  // composed
    {"elragad", "210107211"},
    {"elvész", "22012a200"},
    {"elvisz", "220125011"},  // composed
    {"emlékszik", "120152000"},
    {"esküszik", "13013b000"},
    {"eszik", "120137011"},
    {"énekel", "120105011"},  // composed
    {"érez", "120119011"},  // composed
    {"érzik", "12M190200"},
    // f
    {"fekszik", "12013c000"},
    {"felír", "210101011"},  // composed
    {"fest", "120115011"},
    {"fuldoklik", "11018d000"},
    {"fürdik", "130189100"},
    // g/h/i/í/j
    {"gyanakszik", "110133000"},
    {"haragszik", "110133000"},
    {"hat", "110123010"},  // composed
    {"hisz", "120125011"},  // composed
    {"iszik", "110137012"},
    {"izzik", "11016a200"},
    {"ír", "110101011"},  // composed
    {"jegyez", "120119011"},  // composed
    {"játszik", "110135111"},  // composed
    {"jön", "130299200"},
    // k
    {"körülül", "230101211"},
    // l
    {"lesz", "120225200"},
    {"lő", "130124011"},
    // m
    {"mászik", "110180100"},
    {"megeszik", "220137012"},
    {"megetet", "220116211"},
    {"megragad", "210111221"},
    {"megvan", "210199200"},
    {"megy", "120199200"},
    {"melegszik", "12013a000"},  // composed
    {"metsz", "120122012"},
    // n/o/ó/ö/ő
    {"nyálzik", "110144000"},
    {"nyugszik", "110133000"},
    {"nyű", "130124012"},
    {"omlik", "110164200"},
    {"őriz", "130119011"},
    // r
    {"ragad", "110111220"},
    {"ró", "110124012"},
    // s
    {"sí", "110124000"},
    {"sodor", "110106012"},
    {"sosincs", "120199200"},
    // t
    {"tesz", "120125011"},
    {"téved", "120101200"},
    {"tündöklik", "13018d000"},
    // u/ú/ü/ű/v/z
    {"ugrik", "110142100"},
    {"ül", "130101010"},
    {"van", "110299200"},
    {"vesz", "120125011"},
    {"veszt", "120126011"},
    {"vész", "12012a200"},
    {"vérzik", "12014a000"},
    {"visz", "120125011"},
    {"viszonylik", "11N164200"},
    {"zúg", "110107000"},  // composed
};

}  // namespace

std::span<const FixtureEntry> fixtureEntries() { return kEntries; }

void storeFixtureLexicon(Lexicon& lexicon) {
  std::array<int, kLetterGroupCount> nextIndex{};
  nextIndex.fill(1);
  for (const FixtureEntry& entry : kEntries) {
    const int group = *letterGroup(entry.word);
    const int index = nextIndex[group]++;
    lexicon.storeWord(group, index, entry.word);
    lexicon.storeCode(group, index, entry.code);
  }
}

const Lexicon& fixtureLexicon() {
  static const Lexicon lexicon = [] {
    Lexicon filled;
    storeFixtureLexicon(filled);
    return filled;
  }();
  return lexicon;
}

}  // namespace ragozo::testing
