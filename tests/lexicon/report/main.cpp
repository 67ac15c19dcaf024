// lexicon_report: prints the embedded lexicon's figures beside the stated ones, section by
// section, for scripts/figures.sh to put into docs/figures.md.
#include <iostream>

#include "lexicon/report/Reports.h"

int main() {
  std::cout << "Verb totals\n\n";
  ragozo::report::printVerbTotals(std::cout);
  std::cout << "\nCode fields per letter group (doc: stated, us: the data)\n\n";
  ragozo::report::printCodeFields(std::cout);
  std::cout << "\nWord lists per stated stretch\n\n";
  ragozo::report::printWordDistributions(std::cout);
  return 0;
}
