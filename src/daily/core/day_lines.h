#pragma once
// The four lists of a day's record as the list grids edit them: the party and tax-exempt mark
// of each line, stored at once by the pickers; the amounts, taken from the grid when the
// screen is copied back; and a list's lines moving up when one is deleted.
#include "storage/state.h"

#include <string>
#include <vector>

namespace lukana {

enum class DayList { Payments, Deposits, Withdrawals, CreditSales };
inline constexpr DayList kDayLists[] = {DayList::Payments, DayList::Deposits, DayList::Withdrawals,
                                        DayList::CreditSales};

// The amount box that holds a list's total: 買出し等小計, 銀行入金合計, 銀行引出し合計,
// 売掛金合計.
int listTotalBox(DayList list);

int lineCount(const NippouDay& day, DayList list);
double lineAmount(const NippouDay& day, DayList list, int line);
// Supplier id, bank slot or customer id of a line.
int lineParty(const NippouDay& day, DayList list, int line);
void setLineParty(NippouDay& day, DayList list, int line, int party);

// The amounts of a list, one line per grid row, as typed; at most a list's capacity.
void storeLineAmounts(NippouDay& day, DayList list, const std::vector<double>& amounts);

// Deleting a line: the party (and for payments the exempt mark) of every later line up to
// lastLine moves up one line.
void moveLinesUp(NippouDay& day, DayList list, int line, int lastLine);

// Party and exempt mark of the lines from firstLine on are cleared: a fresh entry row carries
// only what is picked on screen.
void clearLinesFrom(NippouDay& day, DayList list, int firstLine);

// A bank slot of a department as the bank lists show it: bank, branch, account type word and
// number, each after one blank; slot 1 the main account, 2 to 4 the further ones.
std::string bankAccountText(const BusyoRec& department, int slot);

} // namespace lukana
