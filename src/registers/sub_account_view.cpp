#include "sub_account_view.h"

#include "storage/state.h"

#include <climits>

namespace lukana {

std::optional<int> openingTitle(bool creditCustomers) {
    const int n = std::min(tekiyouCount, static_cast<int>(tekiyouIds.size()));
    if (!creditCustomers)
        return n > 0 ? std::optional<int>(0) : std::nullopt;
    for (int i = 0; i < n; ++i)
        if (tekiyouIds[static_cast<size_t>(i)] == kCreditSalesTitleId)
            return i;
    return std::nullopt;
}

SubAccountView::SubAccountView(int& counter)
    : whole_(tyCount, tyNames, tyIds, kTyCapacity), counter_(counter) {
    whole_.field(tyTekiyouIds);
}

void SubAccountView::choose(std::optional<int> titleId) {
    title_ = titleId;
    rebuild();
}

void SubAccountView::rebuild() {
    viewPositions.clear();
    if (title_)
        for (int i = 0; i < tyCount; ++i)
            if (tyTekiyouIds[static_cast<size_t>(i)] == *title_)
                viewPositions.push_back(i);
    viewCount = static_cast<int>(viewPositions.size());
}

int SubAccountView::capacity() const {
    return kTyCapacity;
}

const std::string& SubAccountView::name(int row) const {
    return tyNames[static_cast<size_t>(position(row))];
}

int SubAccountView::id(int row) const {
    return tyIds[static_cast<size_t>(position(row))];
}

void SubAccountView::setName(int row, const std::string& name) {
    // The twin keeps its name: it is found by id, not by name.
    tyNames[static_cast<size_t>(position(row))] = name;
}

ListEditor::Insertion SubAccountView::insert(const std::string& name) {
    if (!title_)
        return {Refusal::None, -1, 0};
    for (int row = 0; row < viewCount; ++row)
        if (this->name(row) == name)
            return {Refusal::Duplicate};
    const int places = *title_ == kCreditSalesTitleId ? 2 : 1;
    if (tyCount + places > kTyCapacity)
        return {Refusal::Full};
    int largest = 0;
    for (int i = 0; i < tyCount; ++i)
        largest = std::max(largest, tyIds[static_cast<size_t>(i)]);
    const std::int64_t id = nextId(IdRule::AboveLargest, counter_, largest);
    if (id > INT_MAX)
        return {Refusal::IdsUsedUp};
    counter_ = static_cast<int>(id);
    insertNew(viewCount, name, counter_);
    return {Refusal::None, viewCount - 1, counter_};
}

void SubAccountView::insertNew(int, const std::string& name, int id) {
    if (!title_)
        return;
    const int places = *title_ == kCreditSalesTitleId ? 2 : 1;
    if (tyCount + places > kTyCapacity)
        return;
    whole_.insertNew(tyCount, name, id);
    tyTekiyouIds[static_cast<size_t>(tyCount - 1)] = *title_;
    if (places == 2) {
        whole_.insertNew(tyCount, name, id);
        tyTekiyouIds[static_cast<size_t>(tyCount - 1)] = kSalesTitleId;
    }
    rebuild();
}

void SubAccountView::remove(int row) {
    if (row < 0 || row >= viewCount)
        return;
    const int removedId = id(row);
    whole_.remove(position(row));
    for (int i = 0; i < tyCount; ++i)
        if (tyIds[static_cast<size_t>(i)] == removedId) {
            whole_.remove(i);
            break;
        }
    rebuild();
}

void SubAccountView::exchange(int a, int b) {
    if (a > b)
        std::swap(a, b);
    whole_.move(b, a);     // b to a; a now stands at a + 1
    whole_.move(a + 1, b); // and goes to b; the entries between are back in place
}

int SubAccountView::moveWithin(Move m, int row) {
    if (row < 0 || row >= viewCount)
        return -1;
    const int last = viewCount - 1;
    int to = row;
    switch (m) {
    case Move::Up:
        if (row == 0)
            return -1;
        to = row - 1;
        exchange(position(row), position(to));
        break;
    case Move::Down:
        if (row == last)
            return -1;
        to = row + 1;
        exchange(position(row), position(to));
        break;
    case Move::Top:
        if (row == 0)
            return -1;
        to = 0;
        whole_.move(position(row), 0);
        break;
    case Move::Bottom:
        if (row == last)
            return -1;
        to = last;
        whole_.move(position(row), tyCount - 1);
        break;
    }
    rebuild();
    return to;
}

void SubAccountView::move(int from, int to) {
    if (from < 0 || from >= viewCount || to < 0 || to >= viewCount)
        return;
    whole_.move(position(from), position(to));
    rebuild();
}

void SubAccountView::clear() {
    whole_.clear();
    rebuild();
}

void SubAccountView::keep() {
    whole_.keep();
}

void SubAccountView::restoreKept() {
    whole_.restoreKept();
    rebuild();
}

} // namespace lukana
