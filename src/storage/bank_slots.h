#pragma once
// How a department's bank slot reads in pick lists and grids.
#include "state.h"

#include <string>

namespace lukana {

// "普通", "当座", "その他"; any other type has no word.
std::string accountTypeWord(int type);

// Slot 1 is the main account, 2 to 5 the further ones: bank, branch, the
// account-type word (withType) and number, single blanks between. A slot without bank, branch
// and number reads empty, as does a slot the department lacks.
std::string bankSlotText(const BusyoRec& busyo, int slot, bool withType);

} // namespace lukana
