#include "register_list.h"

namespace lukana {

bool isBlankName(std::string_view name) {
    static constexpr std::string_view kIdeographicSpace = "\u3000";
    while (!name.empty()) {
        if (name.front() == ' ' || name.front() == '\t')
            name.remove_prefix(1);
        else if (name.starts_with(kIdeographicSpace))
            name.remove_prefix(kIdeographicSpace.size());
        else
            return false;
    }
    return true;
}

std::int64_t nextId(IdRule rule, std::int64_t counter, std::int64_t largestId) {
    if (rule == IdRule::CountUp)
        return counter + 1;
    return std::max(counter, largestId) + 2;
}

ParallelList::ParallelList(int& count, std::vector<std::string>& names, std::vector<int>& ids,
                           int capacity)
    : count_(count), names_(names), ids_(ids), capacity_(capacity) {
    field(names);
    field(ids);
}

void ParallelList::insertNew(int pos, const std::string& name, int id) {
    if (count_ >= capacity_)
        return;
    for (auto& f : fields_)
        f->insert(pos, count_, capacity_);
    names_[static_cast<size_t>(pos)] = name;
    ids_[static_cast<size_t>(pos)] = id;
    ++count_;
}

void ParallelList::remove(int pos) {
    for (auto& f : fields_)
        f->remove(pos, count_);
    --count_;
}

void ParallelList::move(int from, int to) {
    for (auto& f : fields_)
        f->move(from, to);
}

void ParallelList::clear() {
    for (auto& f : fields_)
        f->clear(count_);
    count_ = 0;
}

void ParallelList::keep() {
    for (auto& f : fields_)
        f->keep(count_);
    keptCount_ = count_;
}

void ParallelList::restoreKept() {
    if (keptCount_ < 0)
        return;
    for (auto& f : fields_)
        f->restore(count_);
    count_ = keptCount_;
}

bool ListEditor::hasName(const std::string& name, int except) const {
    for (int i = 0; i < entries_.count(); ++i)
        if (i != except && entries_.name(i) == name)
            return true;
    return false;
}

int ListEditor::largestId() const {
    int largest = 0;
    for (int i = 0; i < entries_.count(); ++i)
        largest = std::max(largest, entries_.id(i));
    return largest;
}

ListEditor::Insertion ListEditor::insert(const std::string& name, int before) {
    if (hasName(name))
        return {Refusal::Duplicate};
    if (entries_.count() >= entries_.capacity())
        return {Refusal::Full};
    const std::int64_t id = nextId(rule_, counter_, largestId());
    if (id > maxId_)
        return {Refusal::IdsUsedUp};
    counter_ = static_cast<int>(id);
    const int pos = before >= 0 && before < entries_.count() ? before : entries_.count();
    entries_.insertNew(pos, name, counter_);
    return {Refusal::None, pos, counter_};
}

Refusal ListEditor::rename(int pos, const std::string& name) {
    if (hasName(name, pos))
        return Refusal::Duplicate;
    entries_.setName(pos, name);
    return Refusal::None;
}

void ListEditor::remove(int pos) {
    if (pos >= 0 && pos < entries_.count())
        entries_.remove(pos);
}

int ListEditor::move(Move m, int s) {
    const int n = entries_.count();
    if (s < 0 || s >= n)
        return -1;
    int to = s;
    switch (m) {
    case Move::Up:
    case Move::Top:
        if (s == 0)
            return -1;
        to = m == Move::Up ? s - 1 : 0;
        break;
    case Move::Down:
    case Move::Bottom:
        if (s == n - 1)
            return -1;
        to = m == Move::Down ? s + 1 : n - 1;
        break;
    }
    entries_.move(s, to);
    return to;
}

} // namespace lukana
