#include "register_fixture.h"

#include <QPushButton>

using namespace lukana;
using namespace lukana::platform;

TEST_F(RegisterTest, RenameDialogsTakeCaptionAndNameFromTheirMode) {
    tekiyouNames[1] = "売掛金";
    menudRecs[1].name = "Beer";
    siireNames[1] = "酒店";
    tyNames[1] = "電気";
    mbunRecs[1].name = "Food";
    kouzaNames[1] = "みずほ";
    struct Case {
        std::function<RenameDialog*()> make;
        int kind, mode;
        QString caption;
        QString name;
    } cases[] = {
        {[] { return new RenameByKindDialog; }, 0, 0, "店舗目名変更", "支店"},
        {[] { return new RenameByKindDialog; }, 2, 0, "勘定科目名変更", "売掛金"},
        {[] { return new RenameByKindDialog; }, 4, 0, "メニュー名変更", "Beer"},
        {[] { return new SupplierRenameDialog; }, 0, 0, "勘定科目名変更", "酒店"},
        {[] { return new SupplierRenameDialog; }, 0, 1, "補助科目名変更", "電気"},
        {[] { return new MenuCategoryRenameDialog; }, 0, 0, "メニュー分類項目名変更", "Food"},
        {[] { return new BankRenameDialog; }, 0, 0, "Form1", "みずほ"},
    };
    renameIndex = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption.toStdString());
        registerKind = c.kind;
        supplierRenameMode = c.mode;
        std::unique_ptr<RenameDialog> dialog(c.make());
        TestScript script;
        script.window([&](Window& w) {
            EXPECT_EQ(w.windowTitle(), c.caption);
            EXPECT_EQ(dialog->nameBox()->text(), c.name);
            dialog->nameBox()->setText("");
            dialog->okButton()->click(); // OK with an empty box keeps the name
        });
        runModal(*dialog);
        EXPECT_EQ(QString::fromStdString(renameResult), c.name);
    }
}

TEST_F(RegisterTest, RenameDialogCancelKeepsTheNameAndOkDropsCommas) {
    mbunRecs[0].name = "Food";
    renameIndex = 0;
    TestScript script;
    MenuCategoryRenameDialog dialog;
    script.window([&](Window&) {
        dialog.nameBox()->setText("Snacks");
        dialog.cancelButton()->click();
    });
    runModal(dialog);
    EXPECT_EQ(renameResult, "Food");
    script.window([&](Window&) {
        dialog.nameBox()->setText("Sna,cks");
        dialog.okButton()->click();
    });
    runModal(dialog);
    EXPECT_EQ(renameResult, "Snacks");
    // Blanks only are no name: the old one stays.
    for (const char* blanks : {" ", "\u3000 ", "\t"}) {
        script.window([&](Window&) {
            dialog.nameBox()->setText(QString::fromUtf8(blanks));
            dialog.okButton()->click();
        });
        runModal(dialog);
        EXPECT_EQ(renameResult, "Food") << blanks;
    }
}
