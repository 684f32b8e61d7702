#pragma once
// The sub-accounts of one account title as rows of a view over the one list of all titles
// (ty.dat). Every edit acts on the whole list; the view is rebuilt after each.
//
// Credit customers are the sub-accounts of title 4. The postings of a credit sale may book
// the customer under title 2 instead, so each one has a twin under title 2 with the same id:
// inserting under 4 adds both, deleting either removes both.
#include "register_list.h"

#include <optional>
#include <string>
#include <vector>

namespace lukana {

inline constexpr int kCreditSalesTitleId = 4; // 売掛金: credit customers
inline constexpr int kSalesTitleId = 2;       // 売上: their twins

// The position in the account-title list that the register shows first: the first title,
// or for the credit-customer opening the first title with id 4; none when there is none.
std::optional<int> openingTitle(bool creditCustomers);

class SubAccountView final : public RegisterEntries {
  public:
    // Over tyCount, tyNames, tyIds and tyTekiyouIds, issuing ids from `counter`.
    explicit SubAccountView(int& counter);

    // Shows the sub-accounts of the title with this id; none shows nothing.
    void choose(std::optional<int> titleId);
    std::optional<int> title() const { return title_; }
    // Position in the whole list of the entry shown in `row`.
    int position(int row) const { return viewPositions[static_cast<size_t>(row)]; }

    // Appends a new sub-account under the chosen title (and its twin under title 2 when that
    // is title 4). Refused for a name already in the view, too few free places, or no id left.
    // The position of the result is its row; -1 when no title is chosen and nothing happened.
    ListEditor::Insertion insert(const std::string& name);
    // Moves within the view: up and down exchange the entry with the row's neighbour, top
    // and bottom take it to the start or end of the whole list. The new row, or -1 when the
    // row is at that end of the view already.
    int moveWithin(Move m, int row);

    // RegisterEntries, by rows of the view.
    int count() const override { return viewCount; }
    int capacity() const override;
    const std::string& name(int row) const override;
    int id(int row) const override;
    void setName(int row, const std::string& name) override;
    // Appends under the chosen title, whatever the row (and the twin, as insert does).
    void insertNew(int row, const std::string& name, int id) override;
    // Removes the row's entry, then the first entry with its id (its twin) if there is one.
    void remove(int row) override;
    // The row's entry goes to the place of the entry in row `to`; the whole list shifts.
    void move(int from, int to) override;
    void clear() override;
    void keep() override;
    void restoreKept() override;

    std::vector<int> viewPositions; // row -> position in the whole list
    int viewCount = 0;

  private:
    void rebuild();
    void exchange(int a, int b); // two positions of the whole list
    ParallelList whole_;
    int& counter_;
    std::optional<int> title_;
};

} // namespace lukana
