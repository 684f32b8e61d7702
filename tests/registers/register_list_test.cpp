#include "registers/register_list.h"
#include "storage/state.h"

#include <gtest/gtest.h>

using namespace lukana;

namespace {

struct Rec {
    int id = 0;
    std::string name;
};

// A register of at most five records, written "name:id" in list order.
struct SmallRegister {
    std::vector<Rec> recs = std::vector<Rec>(5);
    int count = 0;
    RecordList<Rec> list{recs, count, 5};
    int counter = 0;
    ListEditor editor{list, counter, IdRule::AboveLargest, kMaxMenuId};

    SmallRegister(std::initializer_list<Rec> start) {
        for (const Rec& r : start)
            recs[static_cast<size_t>(count++)] = r;
    }
    std::string entries() const {
        std::string s;
        for (int i = 0; i < count; ++i)
            s += (i ? " " : "") + recs[static_cast<size_t>(i)].name + ":" +
                 std::to_string(recs[static_cast<size_t>(i)].id);
        return s;
    }
};

} // namespace

TEST(IdRule, CounterBecomesTheLargerOfItselfAndTheLargestIdPlusTwo) {
    struct Case {
        IdRule rule;
        std::int64_t counter, largest, id;
    } cases[] = {
        {IdRule::AboveLargest, 3, 8, 10},
        {IdRule::AboveLargest, 10, 4, 12},
        {IdRule::AboveLargest, 0, 0, 2},
        {IdRule::CountUp, 7, 20, 8},                       // the list is not consulted
        {IdRule::AboveLargest, 2147483647, 0, 2147483649}, // no overflow at the top
    };
    for (const Case& c : cases)
        EXPECT_EQ(nextId(c.rule, c.counter, c.largest), c.id) << c.counter << " " << c.largest;
}

TEST(ListEditor, IssuesIdsFromTheCounterAndNeverReusesADeletedOne) {
    SmallRegister r{{8, "a"}};
    r.counter = 3;
    EXPECT_EQ(r.editor.insert("b", -1).id, 10);
    EXPECT_EQ(r.counter, 10);
    r.editor.remove(1); // the entry with id 10
    EXPECT_EQ(r.editor.insert("c", -1).id, 12);
    EXPECT_EQ(r.entries(), "a:8 c:12");
}

TEST(ListEditor, InsertsBeforeTheSelectedEntryOrAppends) {
    SmallRegister r{{2, "a"}, {4, "b"}, {6, "c"}};
    ListEditor::Insertion before = r.editor.insert("x", 2);
    EXPECT_EQ(before.position, 2);
    ListEditor::Insertion appended = r.editor.insert("y", -1);
    EXPECT_EQ(appended.position, 4);
    EXPECT_EQ(r.entries(), "a:2 b:4 x:8 c:6 y:10");
}

TEST(ListEditor, DuplicateNamesAreExactAndCaseSensitive) {
    SmallRegister r{{2, "Beer"}, {4, "Wine"}};
    r.counter = 4;
    EXPECT_EQ(r.editor.insert("Beer", -1).refusal, Refusal::Duplicate);
    EXPECT_EQ(r.counter, 4); // a refused insert issues nothing
    EXPECT_EQ(r.editor.insert("beer", -1).refusal, Refusal::None);
    EXPECT_EQ(r.editor.rename(1, "Beer"), Refusal::Duplicate);
    EXPECT_EQ(r.editor.rename(1, "Wine"), Refusal::None); // its own name
    EXPECT_EQ(r.entries(), "Beer:2 Wine:4 beer:6");
}

TEST(ListEditor, RefusesAFullListAndIdsPastTheBoundWithoutIssuingOne) {
    SmallRegister full{{2, "a"}, {4, "b"}, {6, "c"}, {8, "d"}, {10, "e"}};
    full.counter = 10;
    EXPECT_EQ(full.editor.insert("f", 0).refusal, Refusal::Full);
    EXPECT_EQ(full.counter, 10);
    EXPECT_EQ(full.recs.size(), 5u); // nothing written past the capacity
    EXPECT_EQ(full.entries(), "a:2 b:4 c:6 d:8 e:10");

    SmallRegister high{{2, "a"}};
    high.counter = 32765;
    EXPECT_EQ(high.editor.insert("b", -1).id, 32767);
    EXPECT_EQ(high.editor.insert("c", -1).refusal, Refusal::IdsUsedUp);
    EXPECT_EQ(high.counter, 32767);
    EXPECT_EQ(high.entries(), "a:2 b:32767");
}

TEST(ListEditor, MovesWholeEntriesAndNothingPastTheEnds) {
    struct Case {
        Move move;
        int from, to;
        const char* after;
    } cases[] = {
        {Move::Up, 0, -1, "a:1 b:2 c:3 d:4"},   {Move::Top, 0, -1, "a:1 b:2 c:3 d:4"},
        {Move::Down, 3, -1, "a:1 b:2 c:3 d:4"}, {Move::Bottom, 3, -1, "a:1 b:2 c:3 d:4"},
        {Move::Up, 2, 1, "a:1 c:3 b:2 d:4"},    {Move::Down, 1, 2, "a:1 c:3 b:2 d:4"},
        {Move::Top, 2, 0, "c:3 a:1 b:2 d:4"},   {Move::Bottom, 1, 3, "a:1 c:3 d:4 b:2"},
        {Move::Top, 3, 0, "d:4 a:1 b:2 c:3"},   {Move::Bottom, 0, 3, "b:2 c:3 d:4 a:1"},
    };
    for (const Case& c : cases) {
        SmallRegister r{{1, "a"}, {2, "b"}, {3, "c"}, {4, "d"}};
        EXPECT_EQ(r.editor.move(c.move, c.from), c.to) << c.after;
        EXPECT_EQ(r.entries(), c.after);
    }
}

TEST(RecordList, DeleteClearsTheFreedSlotAndRestoreBringsBackTheKeptList) {
    SmallRegister r{{2, "a"}, {4, "b"}, {6, "c"}};
    r.list.keep();
    r.editor.remove(0);
    EXPECT_EQ(r.recs[2].name, "");
    EXPECT_EQ(r.recs[2].id, 0);
    r.editor.insert("x", -1);
    r.editor.insert("y", -1);
    r.editor.insert("z", -1);
    r.list.restoreKept();
    EXPECT_EQ(r.entries(), "a:2 b:4 c:6");
    EXPECT_EQ(r.recs[3].name, ""); // what the edits left past the kept list is cleared
}

TEST(ParallelList, EveryFieldTravelsWithItsEntry) {
    int count = 0;
    std::vector<std::string> names(4);
    std::vector<int> ids(4), days(4);
    ParallelList list(count, names, ids, 4);
    list.field(days, 31);
    int counter = 0;
    ListEditor editor(list, counter, IdRule::AboveLargest);
    editor.insert("a", -1);
    editor.insert("b", -1);
    days[0] = 10;
    list.keep();
    editor.insert("c", 0);
    EXPECT_EQ(names, (std::vector<std::string>{"c", "a", "b", ""}));
    EXPECT_EQ(days, (std::vector<int>{31, 10, 31, 0}));
    editor.move(Move::Bottom, 0);
    EXPECT_EQ(ids, (std::vector<int>{2, 4, 6, 0}));
    EXPECT_EQ(days, (std::vector<int>{10, 31, 31, 0}));
    editor.remove(0);
    EXPECT_EQ(days, (std::vector<int>{31, 31, 0, 0}));
    list.restoreKept();
    EXPECT_EQ(count, 2);
    EXPECT_EQ(names, (std::vector<std::string>{"a", "b", "", ""}));
    EXPECT_EQ(days, (std::vector<int>{10, 31, 0, 0}));
}
