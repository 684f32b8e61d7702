// Editing the grid: the editors, the Enter order, the delete and the typed tax.
#include "voucher_book_fixture.h"

#include <QLabel>
#include <QPushButton>

#include <string>

using namespace lukana;
using namespace lukana::platform;

namespace {

using W = VoucherBook;

class VoucherEditingTest : public VoucherBookTest {
  protected:
    void SetUp() override {
        VoucherBookTest::SetUp();
        // 1050 paid from the shop to 酒屋 for 水道光熱費 / 電気.
        append((*april)[2], {1050, 2, 0, 1, 10, 1, 13, 1, 0, 0, "メモ"});
        saveMonths();
    }
    static std::vector<QWidget*> editors(const W& w) {
        return {w.exemptEditor(),  w.entryTypeEditor(),  w.fromEditor(),
                w.amountEditor(),  w.taxEditor(),        w.toEditor(),
                w.accountEditor(), w.subAccountEditor(), w.noteEditor()};
    }
    static int shownEditors(const W& w) {
        int n = 0;
        for (QWidget* e : editors(w))
            n += !e->isHidden();
        return n;
    }
    static int item(const ComboBox* box, const QString& text) {
        return box->findText(text, Qt::MatchExactly);
    }
};

TEST_F(VoucherEditingTest, PlacingAnEditorChangesNothing) {
    (*april)[2].tax[0] = 50;
    saveMonths();
    TestScript script;
    withVoucherBook(script, [&](W& w) {
        for (int col = 0; col < W::kColumnCount; ++col) {
            SCOPED_TRACE(col);
            click(w, 1, col);
            const bool hasEditor = col != W::kNumberCol && col != W::kExcludedCol;
            EXPECT_EQ(shownEditors(w), hasEditor ? 1 : 0);
            click(w, 2, col); // the entry row
            EXPECT_EQ(shownEditors(w), hasEditor ? 1 : 0);
        }
        click(w, 0, W::kAmountCol);
        EXPECT_EQ(shownEditors(w), 0);
        EXPECT_FALSE(w.vouchersChanged());
        EXPECT_EQ(w.voucherGrid()->rows(), 3);
        EXPECT_EQ(denpyouMonth[2].tax[0], 50);
        EXPECT_EQ(cell(w, 1, W::kExemptCol), "");
    });
    EXPECT_TRUE(script.boxes().empty());
}

TEST_F(VoucherEditingTest, EditorsWriteCellsAndFields) {
    TestScript script;
    script.answer(Answer::No);
    withVoucherBook(script, [&](W& w) {
        DenpyouDay& day = denpyouMonth[2];
        // Types 3 and 4 set the exempt mark, 0 to 2 clear it, also one ticked in the box.
        click(w, 1, W::kEntryTypeCol);
        w.entryTypeEditor()->setListIndex(3);
        EXPECT_EQ(cell(w, 1, W::kExemptCol), "◎");
        EXPECT_EQ(cell(w, 1, W::kEntryTypeCol), "銀行から出金");
        EXPECT_EQ(day.taxExempt[0], 1);
        EXPECT_EQ(day.entryType[0], 3);
        EXPECT_EQ(cell(w, 1, W::kToCol), "酒屋"); // the parties stay
        EXPECT_TRUE(w.vouchersChanged());
        w.entryTypeEditor()->setListIndex(2);
        EXPECT_EQ(cell(w, 1, W::kExemptCol), "");
        EXPECT_EQ(day.taxExempt[0], 0);
        click(w, 1, W::kExemptCol);
        w.exemptEditor()->setValue(1);
        EXPECT_EQ(cell(w, 1, W::kExemptCol), "◎");
        EXPECT_EQ(day.taxExempt[0], 1);
        click(w, 1, W::kEntryTypeCol);
        w.entryTypeEditor()->setListIndex(0);
        EXPECT_EQ(cell(w, 1, W::kExemptCol), "");
        EXPECT_EQ(day.taxExempt[0], 0);

        // Another title empties the sub-account.
        click(w, 1, W::kAccountCol);
        EXPECT_EQ(w.accountEditor()->currentText(), "水道光熱費");
        w.accountEditor()->setListIndex(item(w.accountEditor(), "雑費"));
        EXPECT_EQ(cell(w, 1, W::kSubAccountCol), "");
        EXPECT_EQ(day.subAccountId[0], 0);
        EXPECT_EQ(day.accountId[0], 16);

        // The sub-accounts of the title and of every title.
        click(w, 1, W::kAccountCol);
        w.accountEditor()->setListIndex(item(w.accountEditor(), "給与"));
        click(w, 1, W::kSubAccountCol);
        EXPECT_EQ(w.subAccountEditor()->count(), 2);
        w.subAccountEditor()->setListIndex(1);
        EXPECT_EQ(cell(w, 1, W::kSubAccountCol), "体験入店費");
        EXPECT_EQ(day.subAccountId[0], tyIds[3]);

        // The amount loses its commas; a typed tax splits at once.
        click(w, 1, W::kAmountCol);
        EXPECT_EQ(w.amountEditor()->text(), "1050");
        w.amountEditor()->clear();
        typeText(w.amountEditor(), "2,100");
        EXPECT_EQ(w.amountEditor()->text(), "2100");
        EXPECT_EQ(cell(w, 1, W::kAmountCol), "2100");
        EXPECT_EQ(cell(w, 1, W::kTaxCol), "155"); // 2100 at 8 %
        click(w, 1, W::kTaxCol);
        w.taxEditor()->clear();
        typeText(w.taxEditor(), "50");
        EXPECT_EQ(cell(w, 1, W::kTaxCol), "50");
        EXPECT_EQ(cell(w, 1, W::kExcludedCol), "2050");
        EXPECT_EQ(day.tax[0], 50);

        // The parties by entry type: a payment goes to suppliers only.
        click(w, 1, W::kEntryTypeCol);
        w.entryTypeEditor()->setListIndex(1);
        click(w, 1, W::kToCol);
        EXPECT_EQ(w.toEditor()->count(), 2); // 酒屋 and 魚屋, not the other department's
        EXPECT_EQ(w.toEditor()->currentText(), "酒屋");
        w.toEditor()->setListIndex(1);
        EXPECT_EQ(day.toKind[0], 1);
        EXPECT_EQ(day.toId[0], 12);
        click(w, 1, W::kFromCol);
        EXPECT_EQ(w.fromEditor()->currentText(), "本店");
        w.fromEditor()->setListIndex(2); // the main bank, shown without its type word
        EXPECT_EQ(cell(w, 1, W::kFromCol), "みずほ 新宿 1234567");
        EXPECT_EQ(day.fromKind[0], 4);
        EXPECT_EQ(day.fromId[0], 1);
        click(w, 1, W::kNoteCol);
        w.noteEditor()->clear();
        typeText(w.noteEditor(), "a,b");
        EXPECT_EQ(day.note[0], "ab");
        EXPECT_EQ(w.voucherGrid()->rows(), 3); // no row appended on a voucher row
    });
}

// The row is ticked by hand: 支払い chosen again clears the tick; the same title keeps the
// sub-account; every choice marks the month changed.
TEST_F(VoucherEditingTest, ChoosingTheChosenEntryAgainRunsItsHandling) {
    (*april)[2].taxExempt[0] = 1;
    saveMonths();
    struct Case {
        const char* what;
        int col;
        ComboBox* (W::*editor)() const;
        QString chosen;
        QString exemptCell;
    };
    const Case cases[] = {
        {"type", W::kEntryTypeCol, &W::entryTypeEditor, "支払い", ""},
        {"from", W::kFromCol, &W::fromEditor, "本店", "◎"},
        {"to", W::kToCol, &W::toEditor, "酒屋", "◎"},
        {"title", W::kAccountCol, &W::accountEditor, "水道光熱費", "◎"},
        {"sub-account", W::kSubAccountCol, &W::subAccountEditor, "電気", "◎"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestScript script;
        script.answer(Answer::No);
        withVoucherBook(script, [&](W& w) {
            ASSERT_EQ(cell(w, 1, W::kExemptCol), "◎");
            click(w, 1, c.col);
            ComboBox* editor = (w.*c.editor)();
            ASSERT_EQ(editor->currentText(), c.chosen);
            chooseFromList(editor, editor->listIndex());
            const DenpyouDay& day = denpyouMonth[2];
            EXPECT_EQ(cell(w, 1, c.col), c.chosen);
            EXPECT_EQ(cell(w, 1, W::kExemptCol), c.exemptCell);
            EXPECT_EQ(day.taxExempt[0], c.exemptCell.isEmpty() ? 0 : 1);
            EXPECT_EQ(cell(w, 1, W::kSubAccountCol), "電気");
            EXPECT_EQ(day.subAccountId[0], 1);
            EXPECT_EQ(day.accountId[0], 13);
            EXPECT_TRUE(w.vouchersChanged());
            EXPECT_EQ(w.voucherGrid()->rows(), 3);
        });
    }
}

TEST_F(VoucherEditingTest, WhichEditorsAppendARowOnTheEntryRow) {
    struct Case {
        const char* what;
        std::function<void(W&)> edit;
        bool appends;
    };
    const Case cases[] = {
        {"type", [](W& w) { click(w, 2, W::kEntryTypeCol), w.entryTypeEditor()->setListIndex(1); },
         true},
        {"from", [](W& w) { click(w, 2, W::kFromCol), w.fromEditor()->setListIndex(0); }, true},
        {"to", [](W& w) { click(w, 2, W::kToCol), w.toEditor()->setListIndex(0); }, true},
        {"title", [](W& w) { click(w, 2, W::kAccountCol), w.accountEditor()->setListIndex(0); },
         true},
        {"sub-account",
         [](W& w) { click(w, 2, W::kSubAccountCol), w.subAccountEditor()->setListIndex(0); }, true},
        {"note", [](W& w) { click(w, 2, W::kNoteCol), typeText(w.noteEditor(), "x"); }, true},
        {"amount", [](W& w) { click(w, 2, W::kAmountCol), typeText(w.amountEditor(), "5"); }, true},
        {"box", [](W& w) { click(w, 2, W::kExemptCol), w.exemptEditor()->setValue(1); }, false},
        {"tax", [](W& w) { click(w, 2, W::kTaxCol), typeText(w.taxEditor(), "5"); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestScript script;
        script.answer(Answer::No);
        withVoucherBook(script, [&](W& w) {
            c.edit(w);
            EXPECT_EQ(w.voucherGrid()->rows(), c.appends ? 4 : 3);
            EXPECT_TRUE(w.vouchersChanged());
            if (c.appends) {
                EXPECT_EQ(cell(w, 3, W::kNumberCol), "3");
                EXPECT_EQ(w.voucherGrid()->cellBackground(3, W::kExemptCol), QColor(255, 255, 0));
            }
        });
    }
}

TEST_F(VoucherEditingTest, ATypedTaxIsKept) {
    DenpyouDay& stored = (*april)[2];
    stored.amount[0] = 108;
    append(stored, {500, 2, 0, 1, 10});
    saveMonths();
    TestScript script;
    script.answer(Answer::Yes);
    withVoucherBook(script, [&](W& w) {
        EXPECT_EQ(cell(w, 1, W::kTaxCol), "8");
        click(w, 1, W::kTaxCol);
        w.taxEditor()->clear();
        typeText(w.taxEditor(), "7");
        // Another title: the totals run, the typed tax stays.
        click(w, 1, W::kAccountCol);
        w.accountEditor()->setListIndex(0);
        EXPECT_EQ(cell(w, 1, W::kTaxCol), "7");
        EXPECT_EQ(cell(w, 1, W::kExcludedCol), "101");
        // An amount typed on another row.
        click(w, 2, W::kAmountCol);
        typeText(w.amountEditor(), "0");
        EXPECT_EQ(cell(w, 1, W::kTaxCol), "7");
        EXPECT_EQ(cell(w, 2, W::kAmountCol), "5000");
    });
    TestScript again;
    again.answer(Answer::No);
    withVoucherBook(again, [&](W& w) {
        EXPECT_EQ(cell(w, 1, W::kTaxCol), "7");
        EXPECT_EQ(cell(w, 1, W::kExcludedCol), "101");
        click(w, 1, W::kAmountCol);
        w.amountEditor()->clear();
        typeText(w.amountEditor(), "108");
        EXPECT_EQ(cell(w, 1, W::kTaxCol), "8");
        EXPECT_EQ(cell(w, 1, W::kExcludedCol), "100");
    });
}

// A figure past twelve digits, however typed (an exponent form reads as its figure), is refused;
// the cell and the file keep the figure typed before it, written out.
TEST_F(VoucherEditingTest, AThirteenthDigitIsRefusedAndTheVoucherKeepsItsFigure) {
    struct Editor {
        int col;
        TextBox* (W::*editor)() const;
    };
    const Editor editors[] = {{W::kAmountCol, &W::amountEditor}, {W::kTaxCol, &W::taxEditor}};
    const struct {
        const char* typed;
        const char* refusedKey;
        const char* cell;
        double figure;
    } figures[] = {{"123456789012", "3", "123456789012", 123456789012}, {"1E2", "0", "100", 100}};
    for (const Editor& e : editors)
        for (const auto& f : figures) {
            SCOPED_TRACE(testing::Message() << e.col << " " << f.typed << f.refusedKey);
            TestScript script;
            script.answer(Answer::Ok).answer(Answer::Yes);
            withVoucherBook(script, [&](W& w) {
                click(w, 1, e.col);
                TextBox* editor = (w.*e.editor)();
                editor->clear();
                typeText(editor, f.typed);
                typeText(editor, f.refusedKey);
                EXPECT_EQ(editor->text(), f.typed);
                EXPECT_EQ(editor->cursorPosition(), editor->text().size());
                EXPECT_EQ(cell(w, 1, e.col), f.cell);
            });
            ASSERT_EQ(script.boxes().size(), 2u);
            EXPECT_EQ(script.boxes()[0].text, "金額は12桁までです。");
            auto saved = std::make_unique<DenpyouMonth>();
            ASSERT_TRUE(readDenpyouMonth(aprilFile(), *saved).ok());
            const DenpyouDay& day = (*saved)[2];
            EXPECT_EQ(e.col == W::kAmountCol ? day.amount[0] : day.tax[0], f.figure);
            EXPECT_EQ(readBytes(aprilFile()).find('E'), std::string::npos) << "no exponent form";
            saveMonths();
        }
}

TEST_F(VoucherEditingTest, EnterOrder) {
    TestScript script;
    withVoucherBook(script, [&](W& w) {
        struct Step {
            QWidget* editor;
            int row, col; // where Enter lands
        };
        click(w, 1, W::kEntryTypeCol);
        const Step steps[] = {
            {w.entryTypeEditor(), 1, W::kFromCol},     {w.fromEditor(), 1, W::kAccountCol},
            {w.accountEditor(), 1, W::kSubAccountCol}, {w.subAccountEditor(), 1, W::kNoteCol},
            {w.noteEditor(), 2, W::kEntryTypeCol},
        };
        for (const Step& s : steps) {
            pressEnter(s.editor);
            EXPECT_EQ(w.voucherGrid()->row(), s.row);
            EXPECT_EQ(w.voucherGrid()->col(), s.col);
        }
        EXPECT_FALSE(w.entryTypeEditor()->isHidden());
        // The note of the entry row appends a row and opens the new row's type.
        click(w, 2, W::kNoteCol);
        pressEnter(w.noteEditor());
        EXPECT_EQ(w.voucherGrid()->rows(), 4);
        EXPECT_EQ(w.voucherGrid()->row(), 3);
        EXPECT_EQ(w.voucherGrid()->col(), W::kEntryTypeCol);
        // Amount, to, amount.
        click(w, 1, W::kAmountCol);
        pressEnter(w.amountEditor());
        EXPECT_EQ(w.voucherGrid()->col(), W::kToCol);
        EXPECT_FALSE(w.toEditor()->isHidden());
        pressEnter(w.toEditor());
        EXPECT_EQ(w.voucherGrid()->col(), W::kAmountCol);
        EXPECT_FALSE(w.amountEditor()->isHidden());
    });
}

TEST_F(VoucherEditingTest, EnterBringsTheNextEditorIntoView) {
    for (int i = 2; i <= 40; ++i)
        append((*april)[2], {100.0 * i, 2, 0, 1, 10});
    saveMonths();
    TestScript script;
    withVoucherBook(script, [&](W& w) {
        const QRect view = w.voucherGrid()->viewport()->rect();
        click(w, 1, W::kEntryTypeCol);
        QWidget* editor = w.entryTypeEditor();
        // Through every row by Enter alone, down past the rows first in view.
        while (w.voucherGrid()->row() < 40) {
            pressEnter(editor);
            ASSERT_EQ(shownEditors(w), 1);
            for (QWidget* e : editors(w))
                if (!e->isHidden())
                    editor = e;
            EXPECT_TRUE(view.contains(editor->geometry()))
                << w.voucherGrid()->row() << "/" << w.voucherGrid()->col();
        }
        EXPECT_FALSE(w.vouchersChanged());
    });
}

TEST_F(VoucherEditingTest, DeleteRenumbersAndMarksChanged) {
    for (int i = 2; i <= 5; ++i)
        append((*april)[2], {100.0 * i, 2, 0, 1, 10});
    saveMonths();
    TestScript script;
    script.answer(Answer::No);
    withVoucherBook(script, [&](W& w) {
        w.deleteButton()->click(); // no row current yet
        EXPECT_EQ(w.voucherGrid()->rows(), 7);
        click(w, 6, W::kNoteCol); // the entry row
        w.deleteButton()->click();
        EXPECT_EQ(w.voucherGrid()->rows(), 7);
        EXPECT_FALSE(w.vouchersChanged());
        click(w, 3, W::kNoteCol);
        w.deleteButton()->click();
        EXPECT_EQ(w.voucherGrid()->rows(), 6);
        EXPECT_EQ(column(*w.voucherGrid(), W::kAmountCol),
                  (QStringList{"金額(税込み)", "1050", "200", "400", "500", ""}));
        EXPECT_EQ(column(*w.voucherGrid(), W::kNumberCol),
                  (QStringList{"No.", "1", "2", "3", "4", "5"}));
        EXPECT_EQ(denpyouMonth[2].denpyouCount, 4);
        EXPECT_TRUE(w.vouchersChanged());
    });
}

TEST_F(VoucherEditingTest, AFullDayTakesNoMoreVouchers) {
    DenpyouDay& day = (*april)[2];
    for (int i = day.denpyouCount; i < kDenpyouCapacity; ++i)
        append(day, {1, 2, 0, 1, 10});
    saveMonths();
    TestScript script;
    script.answer(Answer::Ok);
    withVoucherBook(script, [&](W& w) {
        const int entry = w.voucherGrid()->rows() - 1;
        EXPECT_EQ(entry, kDenpyouCapacity + 1);
        w.voucherGrid()->setTopRow(entry);
        click(w, entry, W::kNoteCol);
        EXPECT_EQ(shownEditors(w), 0);
        EXPECT_FALSE(w.vouchersChanged());
    });
    ASSERT_EQ(script.boxes().size(), 1u);
    EXPECT_EQ(script.boxes()[0].text, "1日に入力できる伝票は401件までです。");
}

} // namespace

// Escape in any editor of a voucher puts back the cell, the voucher and the totals as they were
// when the editor opened; Enter keeps the edit.
TEST_F(VoucherEditingTest, EscapePutsTheVoucherBack) {
    append((*april)[2], {500, 2, 0, 1, 10, 1, 13, 0}); // 水道光熱費 without a sub-account
    saveMonths();
    const struct {
        const char* what;
        int row, col;
        QWidget* (*editor)(const W&);
        void (*edit)(const W&);
        std::string (*stored)();
    } cases[] = {
        {"amount", 1, W::kAmountCol, [](const W& w) -> QWidget* { return w.amountEditor(); },
         [](const W& w) { typeText(w.amountEditor(), "5"); },
         [] { return std::to_string(denpyouMonth[2].tax[0]); }},
        {"note", 1, W::kNoteCol, [](const W& w) -> QWidget* { return w.noteEditor(); },
         [](const W& w) { typeText(w.noteEditor(), "x"); }, [] { return denpyouMonth[2].note[0]; }},
        {"exempt mark", 1, W::kExemptCol, [](const W& w) -> QWidget* { return w.exemptEditor(); },
         [](const W& w) { sendKey(w.exemptEditor(), Qt::Key_Space); },
         [] { return std::to_string(denpyouMonth[2].taxExempt[0]); }},
        {"entry type", 1, W::kEntryTypeCol,
         [](const W& w) -> QWidget* { return w.entryTypeEditor(); },
         [](const W& w) { sendKey(w.entryTypeEditor(), Qt::Key_Down); },
         [] { return std::to_string(denpyouMonth[2].entryType[0]); }},
        {"to", 1, W::kToCol, [](const W& w) -> QWidget* { return w.toEditor(); },
         [](const W& w) { sendKey(w.toEditor(), Qt::Key_Down); },
         [] { return std::to_string(denpyouMonth[2].toId[0]); }},
        {"no sub-account", 2, W::kSubAccountCol,
         [](const W& w) -> QWidget* { return w.subAccountEditor(); },
         [](const W& w) { sendKey(w.subAccountEditor(), Qt::Key_Down); },
         [] { return std::to_string(denpyouMonth[2].subAccountId[1]); }},
    };
    for (const auto& c : cases)
        for (bool escape : {true, false}) {
            SCOPED_TRACE(std::string(c.what) + (escape ? ", Escape" : ", Enter"));
            TestScript script;
            withVoucherBook(script, [&](W& w) {
                const QStringList before = rowTexts(w, c.row);
                const QString dayTotal = w.dayTotalLabel()->text();
                const std::string stored = c.stored();
                click(w, c.row, c.col);
                QWidget* editor = c.editor(w);
                ASSERT_TRUE(editor->isVisible());
                c.edit(w);
                ASSERT_NE(cell(w, c.row, c.col), before[c.col]);
                if (escape) {
                    sendKey(editor, Qt::Key_Escape);
                    EXPECT_FALSE(editor->isVisible());
                    EXPECT_EQ(rowTexts(w, c.row), before);
                    EXPECT_EQ(w.dayTotalLabel()->text(), dayTotal);
                    EXPECT_EQ(c.stored(), stored);
                } else {
                    pressEnter(editor);
                    EXPECT_NE(cell(w, c.row, c.col), before[c.col]);
                }
                EXPECT_EQ(w.voucherGrid()->rows(), 4) << "two vouchers and the entry row";
                w.unloadWindow(); // closes without the save question
            });
        }
}
