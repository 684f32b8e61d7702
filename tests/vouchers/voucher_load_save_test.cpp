// Loading and saving the month, the save question, the department choice and closing.
#include "voucher_book_fixture.h"

#include "platform/date_navigator.h"

#include <QPushButton>

using namespace lukana;
using namespace lukana::platform;

namespace {

class VoucherLoadSaveTest : public VoucherBookTest {
  protected:
    // Marks the month changed the way the user does: deletes the first voucher.
    static void deleteFirst(Window& w) {
        click(w, 1, Window::kNoteCol);
        w.deleteButton()->click();
    }
};

const QString kSaveQuestion = QStringLiteral("データを保存しますか");

TEST_F(VoucherLoadSaveTest, TypedVoucherOfAnotherDayIsSavedOnCloseAndShowsAgain) {
    TestScript script;
    script.answer(Answer::Yes);
    QStringList typed;
    withVoucherBook(script, [&](Window& w) {
        w.dateNavigator()->boxes()->spinner(DatePart::Day)->stepDown(); // day 1, same month
        click(w, 1, Window::kEntryTypeCol);
        w.entryTypeEditor()->setListIndex(1); // 支払い
        click(w, 1, Window::kToCol);
        w.toEditor()->setListIndex(w.toEditor()->findText("酒屋"));
        click(w, 1, Window::kAmountCol);
        typeText(w.amountEditor(), "1080");
        click(w, 1, Window::kNoteCol);
        typeText(w.noteEditor(), "ビール");
        typed = rowTexts(w, 1);
        w.dateNavigator()->boxes()->spinner(DatePart::Day)->stepUp(); // day 2: no question
        EXPECT_TRUE(script.boxes().empty());
    });
    ASSERT_EQ(script.boxes().size(), 1u); // the question on closing, answered Yes
    auto saved = std::make_unique<DenpyouMonth>();
    ASSERT_TRUE(readDenpyouMonth(aprilFile(), *saved).ok());
    EXPECT_EQ((*saved)[1].denpyouCount, 1);
    EXPECT_EQ((*saved)[1].amount[0], 1080);
    EXPECT_EQ((*saved)[1].note[0], "ビール");
    todayDay = 1;
    withVoucherBook(script, [&](Window& w) {
        EXPECT_EQ(rowTexts(w, 1), typed);
        EXPECT_EQ(w.voucherGrid()->rows(), 3);
    });
}

TEST_F(VoucherLoadSaveTest, OlderNameIsReadAndSavedUnderThePlainName) {
    append((*april)[2], {100, 2, 0, 1, 10});
    append((*april)[2], {200, 2, 0, 1, 12});
    saveMonths(true);
    const std::string older = denpyouPath("本店", 2014, 4, true);
    const std::string olderBytes = readBytes(older);
    TestScript script;
    script.answer(Answer::Yes);
    withVoucherBook(script, [&](Window& w) {
        EXPECT_EQ(w.voucherGrid()->rows(), 4);
        deleteFirst(w);
        EXPECT_TRUE(w.vouchersChanged());
        EXPECT_EQ(cell(w, 1, Window::kAmountCol), "200");
    });
    ASSERT_EQ(script.boxes().size(), 1u);
    EXPECT_EQ(script.boxes()[0].text, kSaveQuestion);
    EXPECT_EQ(script.boxes()[0].title, "確認");
    EXPECT_EQ(script.boxes()[0].buttons, Buttons::YesNoCancel);
    EXPECT_EQ(readBytes(older), olderBytes);
    auto saved = std::make_unique<DenpyouMonth>();
    ASSERT_TRUE(readDenpyouMonth(aprilFile(), *saved).ok());
    EXPECT_EQ((*saved)[2].denpyouCount, 1);
    EXPECT_EQ((*saved)[2].amount[0], 200);
    EXPECT_EQ((*saved)[2].tax[0], 14); // the split shown is saved: 200 at 8 %
}

TEST_F(VoucherLoadSaveTest, ATypedAmountReplacesTheStoredOneAndAnUntouchedOneKeepsItsFraction) {
    append((*april)[2], {1500.25, 2, 0, 1, 10});
    saveMonths();
    struct Case {
        const char* typed; // nullptr: the amount is left alone, the note is typed instead
        double saved;
    };
    const Case cases[] = {{nullptr, 1500.25}, {"1500", 1500}, {"1600", 1600}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed ? c.typed : "untouched");
        TestScript script;
        script.answer(Answer::Yes);
        withVoucherBook(script, [&](Window& w) {
            EXPECT_EQ(cell(w, 1, Window::kAmountCol), "1500");
            if (c.typed) {
                click(w, 1, Window::kAmountCol);
                w.amountEditor()->clear();
                typeText(w.amountEditor(), c.typed);
            } else {
                click(w, 1, Window::kNoteCol);
                typeText(w.noteEditor(), "x");
            }
        });
        auto saved = std::make_unique<DenpyouMonth>();
        ASSERT_TRUE(readDenpyouMonth(aprilFile(), *saved).ok());
        EXPECT_EQ((*saved)[2].amount[0], c.saved);
        saveMonths(); // back to 1500.25 for the next case
    }
}

// Only the amounts typed come from their cells: the other rows of the day, and the rows of a
// day shown later, keep their stored fractions.
TEST_F(VoucherLoadSaveTest, OnlyTheRowsTypedIntoTakeTheirAmountFromTheGrid) {
    append((*april)[2], {1500.25, 2, 0, 1, 10});
    append((*april)[2], {2500.75, 2, 0, 1, 10});
    append((*april)[3], {1500.25, 2, 0, 1, 10});
    saveMonths();
    TestScript script;
    script.answer(Answer::Yes);
    withVoucherBook(script, [&](Window& w) {
        click(w, 1, Window::kAmountCol);
        w.amountEditor()->clear();
        typeText(w.amountEditor(), "1600");
        w.dateNavigator()->boxes()->spinner(DatePart::Day)->stepUp(); // day 3
        EXPECT_EQ(cell(w, 1, Window::kAmountCol), "1500");
    });
    ASSERT_EQ(script.boxes().size(), 1u);
    auto saved = std::make_unique<DenpyouMonth>();
    ASSERT_TRUE(readDenpyouMonth(aprilFile(), *saved).ok());
    EXPECT_EQ((*saved)[2].amount[0], 1600);
    EXPECT_EQ((*saved)[2].amount[1], 2500.75);
    EXPECT_EQ((*saved)[3].amount[0], 1500.25);
}

// A tick and a tax put on the entry row, then another day and back: the entry row is new and
// what was put there earlier never reaches the voucher it becomes. (A tick left in the slot
// would also drop the tax, so a tax alone is a case of its own.)
TEST_F(VoucherLoadSaveTest, AnEntryRowShownAgainStartsFromAnEmptySlot) {
    append((*april)[2], {100, 2, 0, 1, 10});
    saveMonths();
    struct Case {
        const char* what;
        bool tick;
        int col;
        ComboBox* (Window::*editor)() const;
        QString choice;
    };
    const Case cases[] = {
        {"tick and tax, then a type", true, Window::kEntryTypeCol, &Window::entryTypeEditor,
         "支払い"},
        {"tick and tax, then a title", true, Window::kAccountCol, &Window::accountEditor, "雑費"},
        {"tax alone, then a type", false, Window::kEntryTypeCol, &Window::entryTypeEditor,
         "支払い"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestScript script;
        script.answer(Answer::Yes);
        withVoucherBook(script, [&](Window& w) {
            if (c.tick) {
                click(w, 2, Window::kExemptCol);
                w.exemptEditor()->setValue(1);
            }
            click(w, 2, Window::kTaxCol);
            typeText(w.taxEditor(), "5");
            Spinner* day = w.dateNavigator()->boxes()->spinner(DatePart::Day);
            day->stepDown();
            day->stepUp();
            ASSERT_EQ(w.voucherGrid()->rows(), 3);
            EXPECT_EQ(cell(w, 2, Window::kExemptCol), "");
            click(w, 2, c.col);
            ComboBox* editor = (w.*c.editor)();
            editor->setListIndex(editor->findText(c.choice));
            EXPECT_EQ(cell(w, 2, Window::kTaxCol), "");
        });
        auto saved = std::make_unique<DenpyouMonth>();
        ASSERT_TRUE(readDenpyouMonth(aprilFile(), *saved).ok());
        ASSERT_EQ((*saved)[2].denpyouCount, 2);
        EXPECT_EQ((*saved)[2].taxExempt[1], 0);
        EXPECT_EQ((*saved)[2].tax[1], 0);
        saveMonths();
    }
}

TEST_F(VoucherLoadSaveTest, ADamagedFileThatCannotBeMovedIsNeverSavedOver) {
    writeBytes(aprilFile(), "not a month\r\n");
    setMoveAsideHook([](const std::string&) { return std::optional<std::string>(); });
    TestScript script;
    script.answer(Answer::Ok).answer(Answer::Yes).answer(Answer::Ok).answer(Answer::No);
    withVoucherBook(script, [&](Window& w) {
        click(w, 1, Window::kNoteCol);
        typeText(w.noteEditor(), "x");
        EXPECT_FALSE(w.closeWindow()); // Yes: the save is refused, the window stays
        EXPECT_TRUE(w.vouchersChanged());
        EXPECT_TRUE(w.closeWindow()); // No
    });
    ASSERT_EQ(script.boxes().size(), 4u);
    EXPECT_TRUE(script.boxes()[0].text.contains("別の名前に移すこともできませんでした"));
    EXPECT_EQ(script.boxes()[1].text, kSaveQuestion);
    EXPECT_TRUE(script.boxes()[2].text.startsWith("20144u.dat を保存できませんでした。"));
    EXPECT_EQ(script.boxes()[3].text, kSaveQuestion);
    EXPECT_EQ(readBytes(aprilFile()), "not a month\r\n");
}

TEST_F(VoucherLoadSaveTest, ADamagedFileTheUserMovedAwayIsNoLongerInTheWay) {
    writeBytes(aprilFile(), "not a month\r\n");
    setMoveAsideHook([](const std::string&) { return std::optional<std::string>(); });
    const std::string movedByHand = aprilFile() + ".old";
    TestScript script;
    script.answer(Answer::Ok).answer(Answer::Yes);
    withVoucherBook(script, [&](Window& w) {
        click(w, 1, Window::kNoteCol);
        typeText(w.noteEditor(), "x");
        std::filesystem::rename(aprilFile(), movedByHand);
        EXPECT_TRUE(w.closeWindow());
    });
    ASSERT_EQ(script.boxes().size(), 2u);
    EXPECT_EQ(script.boxes()[1].text, kSaveQuestion);
    auto saved = std::make_unique<DenpyouMonth>();
    ASSERT_TRUE(readDenpyouMonth(aprilFile(), *saved).ok());
    EXPECT_EQ((*saved)[2].denpyouCount, 1);
    EXPECT_EQ((*saved)[2].note[0], "x");
    EXPECT_EQ(readBytes(movedByHand), "not a month\r\n");
}

TEST_F(VoucherLoadSaveTest, ADamagedFileIsMovedAsideAndTold) {
    writeBytes(aprilFile(), "not a month\r\n");
    TestScript script;
    script.answer(Answer::Ok);
    withVoucherBook(script, [&](Window& w) { EXPECT_EQ(w.voucherGrid()->rows(), 2); });
    ASSERT_EQ(script.boxes().size(), 1u);
    EXPECT_TRUE(script.boxes()[0].text.contains("20144u.dat"));
    EXPECT_EQ(script.boxes()[0].icon, Icon::Warning);
    EXPECT_FALSE(std::filesystem::exists(aprilFile()));
    int aside = 0;
    for (const auto& e : std::filesystem::directory_iterator(busyoFolderPath("本店")))
        aside += e.path().filename().string().starts_with("20144u.dat.broken-");
    EXPECT_EQ(aside, 1);
}

TEST_F(VoucherLoadSaveTest, AFailingSaveIsToldAndTheWindowStaysChanged) {
    append((*april)[2], {100, 2, 0, 1, 10});
    saveMonths();
    const std::string before = readBytes(aprilFile());
    TestScript script;
    script.answer(Answer::Yes).answer(Answer::Ok).answer(Answer::No);
    withVoucherBook(script, [&](Window& w) {
        deleteFirst(w);
        setWriteFaultHook([](WriteStage) { return true; });
        EXPECT_FALSE(w.closeWindow());
        EXPECT_TRUE(w.isOpen());
        EXPECT_TRUE(w.vouchersChanged());
        setWriteFaultHook({});
        EXPECT_TRUE(w.closeWindow()); // No: closes without saving
    });
    ASSERT_EQ(script.boxes().size(), 3u);
    EXPECT_TRUE(script.boxes()[1].text.startsWith("20144u.dat を保存できませんでした。"));
    EXPECT_EQ(script.boxes()[2].text, kSaveQuestion);
    EXPECT_EQ(readBytes(aprilFile()), before);
}

TEST_F(VoucherLoadSaveTest, ClosingWithCancelStaysAndAsksAgain) {
    append((*april)[2], {100, 2, 0, 1, 10});
    saveMonths();
    TestScript script;
    script.answer(Answer::Cancel).answer(Answer::No);
    withVoucherBook(script, [&](Window& w) {
        deleteFirst(w);
        EXPECT_FALSE(w.closeWindow());
        EXPECT_EQ(w.voucherGrid()->rows(), 2);
        EXPECT_TRUE(w.closeWindow());
    });
    EXPECT_EQ(script.boxes().size(), 2u);
}

TEST_F(VoucherLoadSaveTest, DepartmentChangeAsksOnce) {
    append((*april)[2], {100, 2, 0, 1, 10});
    saveMonths();
    auto branch = std::make_unique<DenpyouMonth>();
    append((*branch)[2], {7, 2, 0, 0, 0});
    append((*branch)[2], {8, 2, 0, 0, 0});
    ASSERT_TRUE(writeDenpyouMonth(denpyouPath("支店", 2014, 4), *branch).ok());
    TestScript script;
    script.answer(Answer::Cancel).answer(Answer::No).answer(Answer::Yes);
    withVoucherBook(script, [&](Window& w) {
        deleteFirst(w);
        w.departmentChoice()->setListIndex(1); // Cancel: the old department stays
        EXPECT_EQ(w.departmentChoice()->listIndex(), 0);
        EXPECT_EQ(denpyouBusyo, 0);
        EXPECT_EQ(w.voucherGrid()->rows(), 2);
        EXPECT_EQ(script.boxes().size(), 1u);
        w.departmentChoice()->setListIndex(1); // No: the branch's month, changes dropped
        EXPECT_EQ(denpyouBusyo, 1);
        EXPECT_EQ(w.voucherGrid()->rows(), 4);
        EXPECT_EQ(w.windowTitle(), "仕入仕訳票(支店)   2014年 4月 2日");
        EXPECT_FALSE(w.vouchersChanged());
        deleteFirst(w);
        w.departmentChoice()->setListIndex(0); // Yes: the branch is saved first
        EXPECT_EQ(w.voucherGrid()->rows(), 3);
    });
    EXPECT_EQ(script.boxes().size(), 3u);
    auto saved = std::make_unique<DenpyouMonth>();
    ASSERT_TRUE(readDenpyouMonth(denpyouPath("支店", 2014, 4), *saved).ok());
    EXPECT_EQ((*saved)[2].denpyouCount, 1);
    ASSERT_TRUE(readDenpyouMonth(aprilFile(), *saved).ok());
    EXPECT_EQ((*saved)[2].denpyouCount, 1);
}

TEST_F(VoucherLoadSaveTest, NoDepartmentMeansNoInput) {
    curBusyo = -1;
    TestScript script;
    withVoucherBook(script, [&](Window& w) {
        EXPECT_EQ(w.departmentChoice()->listIndex(), -1);
        EXPECT_FALSE(w.voucherGrid()->isEnabled());
        EXPECT_FALSE(w.deleteButton()->isEnabled());
        EXPECT_FALSE(w.absorbButton()->isEnabled());
        w.departmentChoice()->setListIndex(0);
        EXPECT_TRUE(w.voucherGrid()->isEnabled());
    });
    EXPECT_TRUE(script.boxes().empty());
}

TEST_F(VoucherLoadSaveTest, WithoutDepartmentFileTheWindowDoesNotOpen) {
    std::filesystem::remove(rootFilePath("misena.dat"));
    TestScript script;
    script.answer(Answer::Ok);
    openVoucherBook();
    ASSERT_EQ(script.boxes().size(), 1u);
    EXPECT_EQ(script.boxes()[0].text, "先に店舗を登録する必要があります。");
    EXPECT_EQ(script.windowsShown(), 0);
}

} // namespace
