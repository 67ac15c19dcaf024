// The conjugation table with its headings and no forms.
#pragma once

#include "table/ConjugationTable.h"

namespace ragozo {

// The headings ("Személy", the persons, "Alanyi ragozás", "Tárgyas ragozás"),
// the column widths of the designed table and every column centred.
ConjugationTable emptyTable();

}  // namespace ragozo
