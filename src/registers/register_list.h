#pragma once
// The list logic every register shares, without widgets: issuing ids, the duplicate test, the
// capacity, insert, delete, rename and the four moves. A register's list in memory is reached
// through RegisterEntries, whatever its shape: an array of records (RecordList) or parallel
// lists of fields (ParallelList).
#include <algorithm>
#include <climits>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace lukana {

enum class IdRule {
    AboveLargest, // counter := max(counter, largest id in the list) + 2
    CountUp,      // counter := counter + 1; the list is not consulted
};

// The id of the next entry, which is also the counter's new value. Computed wide, so that a
// counter at the top of its type cannot overflow here.
std::int64_t nextId(IdRule rule, std::int64_t counter, std::int64_t largestId);

// A name of blanks only (spaces, ideographic spaces, tabs) counts as no name: it would show
// as an empty row.
bool isBlankName(std::string_view name);

enum class Move { Up, Down, Top, Bottom };

// A register's list in memory. Positions run from 0 to count() - 1; the list is never sorted.
class RegisterEntries {
  public:
    virtual ~RegisterEntries() = default;
    virtual int count() const = 0;
    virtual int capacity() const = 0;
    virtual const std::string& name(int pos) const = 0;
    virtual int id(int pos) const = 0;
    virtual void setName(int pos, const std::string& name) = 0;
    // A new entry with the register's starting fields at pos; the later entries move down.
    // The caller has checked that the list has room.
    virtual void insertNew(int pos, const std::string& name, int id) = 0;
    // The later entries move up and the freed last slot is cleared.
    virtual void remove(int pos) = 0;
    // The whole entry at `from` goes to `to`; the entries between shift by one place.
    virtual void move(int from, int to) = 0;
    // Empties the list.
    virtual void clear() = 0;
    // Remembers the list as it stands (just read or saved) and puts it back later, so that
    // discarding edits never depends on the file still being readable.
    virtual void keep() = 0;
    virtual void restoreKept() = 0;
};

namespace detail {

// One field of every entry, kept in a vector sized to the list's capacity.
template <class T> class Column {
  public:
    Column(std::vector<T>& values, T fresh) : values_(values), fresh_(std::move(fresh)) {}

    void insert(int pos, int count, int capacity) {
        if (values_.size() < static_cast<size_t>(capacity))
            values_.resize(static_cast<size_t>(capacity));
        std::move_backward(at(pos), at(count), at(count + 1));
        values_[static_cast<size_t>(pos)] = fresh_;
    }
    void remove(int pos, int count) {
        std::move(at(pos + 1), at(count), at(pos));
        values_[static_cast<size_t>(count - 1)] = T{};
    }
    void move(int from, int to) {
        if (from < to)
            std::rotate(at(from), at(from + 1), at(to + 1));
        else if (to < from)
            std::rotate(at(to), at(from), at(from + 1));
    }
    void clear(int count) { std::fill(at(0), at(count), T{}); }
    void keep(int count) { kept_.assign(at(0), at(count)); }
    void restore(int count) {
        if (values_.size() < kept_.size())
            values_.resize(kept_.size());
        std::copy(kept_.begin(), kept_.end(), values_.begin());
        if (count > static_cast<int>(kept_.size()))
            std::fill(at(static_cast<int>(kept_.size())), at(count), T{});
    }
    int keptCount() const { return static_cast<int>(kept_.size()); }
    T& operator[](int pos) { return values_[static_cast<size_t>(pos)]; }
    const T& operator[](int pos) const { return values_[static_cast<size_t>(pos)]; }

  private:
    typename std::vector<T>::iterator at(int pos) { return values_.begin() + pos; }
    std::vector<T>& values_;
    T fresh_;
    std::vector<T> kept_;
};

} // namespace detail

// A list held as an array of records with `name` and `id` members (menu items, menu
// categories, departments). A new record is T{} with its name and id, unless `make` is given.
template <class T> class RecordList final : public RegisterEntries {
  public:
    using Maker = std::function<T(const std::string& name, int id)>;
    RecordList(std::vector<T>& records, int& count, int capacity, Maker make = {})
        : records_(records, T{}), count_(count), capacity_(capacity), make_(std::move(make)) {}

    int count() const override { return count_; }
    int capacity() const override { return capacity_; }
    const std::string& name(int pos) const override { return records_[pos].name; }
    int id(int pos) const override { return records_[pos].id; }
    void setName(int pos, const std::string& name) override { records_[pos].name = name; }
    void insertNew(int pos, const std::string& name, int id) override {
        if (count_ >= capacity_)
            return;
        records_.insert(pos, count_, capacity_);
        if (make_) {
            records_[pos] = make_(name, id);
        } else {
            records_[pos].name = name;
            records_[pos].id = id;
        }
        ++count_;
    }
    void remove(int pos) override {
        records_.remove(pos, count_);
        --count_;
    }
    void move(int from, int to) override { records_.move(from, to); }
    void clear() override {
        records_.clear(count_);
        count_ = 0;
    }
    void keep() override {
        records_.keep(count_);
        kept_ = true;
    }
    void restoreKept() override {
        if (!kept_)
            return;
        records_.restore(count_);
        count_ = records_.keptCount();
    }

  private:
    detail::Column<T> records_;
    int& count_;
    int capacity_;
    Maker make_;
    bool kept_ = false;
};

// A list held as parallel vectors: names and ids, and any further fields added with field()
// (suppliers, banks, account titles, sub-accounts).
class ParallelList final : public RegisterEntries {
  public:
    ParallelList(int& count, std::vector<std::string>& names, std::vector<int>& ids, int capacity);

    // A further field of every entry; a new entry starts with `fresh`.
    template <class T> ParallelList& field(std::vector<T>& values, T fresh = T{}) {
        fields_.push_back(std::make_unique<Field<T>>(values, std::move(fresh)));
        return *this;
    }

    int count() const override { return count_; }
    int capacity() const override { return capacity_; }
    const std::string& name(int pos) const override { return names_[pos]; }
    int id(int pos) const override { return ids_[pos]; }
    void setName(int pos, const std::string& name) override { names_[pos] = name; }
    void insertNew(int pos, const std::string& name, int id) override;
    void remove(int pos) override;
    void move(int from, int to) override;
    void clear() override;
    void keep() override;
    void restoreKept() override;

  private:
    struct AnyField {
        virtual ~AnyField() = default;
        virtual void insert(int pos, int count, int capacity) = 0;
        virtual void remove(int pos, int count) = 0;
        virtual void move(int from, int to) = 0;
        virtual void clear(int count) = 0;
        virtual void keep(int count) = 0;
        virtual void restore(int count) = 0;
    };
    template <class T> struct Field final : AnyField {
        Field(std::vector<T>& values, T fresh) : column(values, std::move(fresh)) {}
        void insert(int pos, int count, int capacity) override {
            column.insert(pos, count, capacity);
        }
        void remove(int pos, int count) override { column.remove(pos, count); }
        void move(int from, int to) override { column.move(from, to); }
        void clear(int count) override { column.clear(count); }
        void keep(int count) override { column.keep(count); }
        void restore(int count) override { column.restore(count); }
        detail::Column<T> column;
    };

    int& count_;
    std::vector<std::string>& names_;
    std::vector<int>& ids_;
    int capacity_;
    std::vector<std::unique_ptr<AnyField>> fields_; // names and ids first
    int keptCount_ = -1;                            // -1: nothing kept yet
};

// Why an insert or rename was refused.
enum class Refusal { None, Duplicate, Full, IdsUsedUp };

// The list commands of the one register design over a register's entries and id counter.
class ListEditor {
  public:
    ListEditor(RegisterEntries& entries, int& counter, IdRule rule, int maxId = INT_MAX)
        : entries_(entries), counter_(counter), rule_(rule), maxId_(maxId) {}

    // Exact, case-sensitive comparison; the entry at `except` is left out.
    bool hasName(const std::string& name, int except = -1) const;
    // The largest id in the list, 0 when there is none above 0.
    int largestId() const;

    struct Insertion {
        Refusal refusal = Refusal::None;
        int position = -1;
        int id = 0;
    };
    // Inserts before the entry at `before`, or appends when that is no position. Refused for
    // a name already in the list, a full list, or an id past maxId; a refused insert leaves
    // the list and the counter as they were. Otherwise the counter holds the new id.
    Insertion insert(const std::string& name, int before);
    // Refused (Duplicate) when another entry has the name; id and position stay.
    Refusal rename(int pos, const std::string& name);
    void remove(int pos);
    // Where the entry at s stands after the move, or -1 when it is at that end already.
    int move(Move m, int s);

  private:
    RegisterEntries& entries_;
    int& counter_;
    IdRule rule_;
    int maxId_;
};

} // namespace lukana
