// The stems a verb is conjugated on.
#pragma once

#include <string>

namespace ragozo {

struct Stems {
  std::string stem;           // what most forms start from ("ugor", "meleged")
  std::string secondStem;     // the present's other stem ("ugr", "énekl", "löv", "alsz")
  std::string pastThirdStem;  // the past third person's stem ("ácsorg", "vérz")
  std::string baseStem;       // the entry less a final "ik", or the -szik stem that replaces it
};

}  // namespace ragozo
