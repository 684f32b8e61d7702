#include "department_fixture.h"
#include "registers/department_folders.h"
#include "support/text_room.h"

#include <QMouseEvent>

using namespace lukana;
using namespace lukana::platform;

namespace {

const QString kRenameWarning =
    QStringLiteral("名前を変更しても過去のデータはそのまま維持されます\r異なる項目にする場合は"
                   "「削除」「挿入」を行ってください。");

void insert(DepartmentRegister& w, const QString& name) {
    w.nameBox()->setText(name);
    w.editButtons()[0]->click();
}

// Answers the rename dialog with this name.
void renameTo(TestScript& script, const QString& name) {
    script.window<RenameByKindDialog>([name](RenameByKindDialog& d) {
        EXPECT_EQ(d.windowTitle(), "店舗目名変更");
        d.nameBox()->setText(name);
        d.onOkClicked();
    });
}

bool startsWith(const std::string& bytes, const std::string& prefix) {
    return bytes.compare(0, prefix.size(), prefix) == 0;
}

void mouseClick(QWidget* widget) {
    const QPointF at(2, 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

// A record with every field filled, the fourth further account included.
BusyoRec filledRecord(const std::string& name, int id) {
    BusyoRec r;
    r.name = name;
    r.id = id;
    r.prefecture = "東京都";
    r.city = "千代田区";
    r.town = "丸の内";
    r.street = "1-1-1";
    r.tel = "03-1111-2222";
    r.fax = "03-1111-3333";
    r.postalCode = "100-0005";
    r.transferKind = 2;
    r.companyCode = "1234567890";
    r.companyKana = "ｶﾌﾞｼｷｶﾞｲｼｬ";
    r.bankName = "主銀行";
    r.bankCode = "0005";
    r.branchName = "主支店";
    r.branchCode = "001";
    r.accountType = 1;
    r.accountNumber = "1111111";
    for (size_t j = 0; j < 4; ++j) {
        const std::string n = std::to_string(j + 1);
        r.otherHolder[j] = "名義" + n;
        r.otherBankName[j] = "銀行" + n;
        r.otherBankCode[j] = "000" + n;
        r.otherBranchName[j] = "支店" + n;
        r.otherBranchCode[j] = "10" + n;
        r.otherAccountType[j] = static_cast<int>(j % 3);
        r.otherAccountNumber[j] = "222222" + n;
    }
    return r;
}

} // namespace

TEST_F(DepartmentRegisterTest, InsertWritesTheWholeEmptyRecordAndMakesTheFolder) {
    noDepartments();
    TestScript script;
    withRegister(script, [&](DepartmentRegister& w) {
        EXPECT_EQ(w.windowTitle(), "会社情報登録");
        typeText(w.nameBox(), "新,店");
        EXPECT_EQ(w.nameBox()->text(), "新店");
        pressEnter(w.nameBox());
        EXPECT_TRUE(folderExists("新店"));
        clickRow(w.nameList(), 0);
        for (ComboBox* type : {w.accounts()[0].type, w.accounts()[1].type, w.accounts()[2].type,
                               w.accounts()[3].type})
            EXPECT_EQ(type->currentText(), "普通");
        for (OptionButton* o : w.transferKindOptions())
            EXPECT_FALSE(o->isChecked());
        w.saveButton()->click();
        w.backButton()->click();
    });
    EXPECT_TRUE(script.boxes().empty());
    // Count, block A, the address, the postal code, the transfer header and the four further
    // accounts: 47 values.
    std::initializer_list<std::string> values = {
        " 1", "新店", " 6", "", "", "",   "", "",   "", "", // A, B, C
        " 0", "",     "",   "", "", "",   "", " 0", "",     // D
        "",   "",     "",   "", "", " 0", "",               // E, four slots
        "",   "",     "",   "", "", " 0", "",               //
        "",   "",     "",   "", "", " 0", "",               //
        "",   "",     "",   "", "", " 0", ""};
    EXPECT_EQ(values.size(), 47u);
    EXPECT_EQ(readBytes(misenaPath()), lines(values));
    EXPECT_EQ(readBytes(rootFilePath("ttid.dat")), ttidWithKyoutuu(6));
}

TEST_F(DepartmentRegisterTest, PanelShowsAndTakesBackEveryFieldAndKeepsTheFourthAccount) {
    busyoRecs[0] = filledRecord("本店", 2);
    BusyoRec second; // transfer kind 0, no account types
    second.name = "支店";
    second.id = 4;
    second.accountType = -1;
    second.otherAccountType = {-1, -1, -1, 7};
    busyoRecs[1] = second;
    saveMisena();
    TestScript script;
    withRegister(script, [&](DepartmentRegister& w) {
        clickRow(w.nameList(), 0);
        EXPECT_EQ(w.areaBoxes()[0]->text(), "東京都");
        EXPECT_EQ(w.areaBoxes()[2]->text(), "丸の内");
        EXPECT_EQ(w.streetBox()->text(), "1-1-1");
        EXPECT_EQ(w.postalCodeBox()->text(), "100-0005");
        EXPECT_EQ(w.companyKanaBox()->text(), "ｶﾌﾞｼｷｶﾞｲｼｬ");
        EXPECT_TRUE(w.transferKindOptions()[1]->isChecked());
        EXPECT_EQ(w.accounts()[0].bank->text(), "主銀行");
        EXPECT_EQ(w.accounts()[0].bankCode->text(), "0005");
        EXPECT_EQ(w.accounts()[0].branch->text(), "主支店");
        EXPECT_EQ(w.accounts()[0].type->currentText(), "当座");
        EXPECT_EQ(w.accounts()[1].holder->text(), "名義1");
        EXPECT_EQ(w.accounts()[3].bank->text(), "銀行3");
        EXPECT_EQ(w.accounts()[3].branchCode->text(), "103");
        EXPECT_EQ(w.accounts()[2].type->currentText(), "当座");
        EXPECT_EQ(w.accounts()[3].number->text(), "2222223");
        EXPECT_FALSE(w.listChanged()); // showing is no change

        clickRow(w.nameList(), 1);
        for (OptionButton* o : w.transferKindOptions())
            EXPECT_FALSE(o->isChecked()) << "kind 0 shows no option";
        EXPECT_EQ(w.accounts()[0].type->currentIndex(), -1);

        clickRow(w.nameList(), 0);
        w.accounts()[0].number->setText("7654321");
        w.accounts()[2].type->setCurrentIndex(0);
        w.transferKindOptions()[2]->setChecked(true);
        EXPECT_TRUE(w.listChanged());
        w.saveButton()->click();
    });
    const std::string saved = readBytes(misenaPath());
    BusyoRec expected = filledRecord("本店", 2);
    expected.accountNumber = "7654321";
    expected.otherAccountType[1] = 0;
    expected.transferKind = 3;
    busyoRecs[0] = expected;
    busyoRecs[1] = second;
    ASSERT_TRUE(writeDepartments(rootFilePath("expected.dat")).ok());
    EXPECT_EQ(saved, readBytes(rootFilePath("expected.dat")));
}

TEST_F(DepartmentRegisterTest, EveryBoxShowsItsLongestValueWhole) {
    TestScript script;
    withRegister(script, [&](DepartmentRegister& w) {
        std::vector<std::pair<const QLineEdit*, QString>> boxes = {
            {w.telBox(), "0120-888-8888"},
            {w.faxBox(), "0120-888-8888"},
            {w.postalCodeBox(), "888-8888"},
            {w.companyCodeBox(), "8888888888"},
            {w.areaBoxes()[0]->textBox(), "神奈川県"},
            {w.areaBoxes()[1]->textBox(), "南都留郡富士河口湖町"},
            {w.areaBoxes()[2]->textBox(), "宇奈月町愛本橋爪東官林地内"},
        };
        for (const DepartmentRegister::Account& a : w.accounts()) {
            boxes.insert(boxes.end(), {{a.bankCode, "8888"},
                                       {a.branchCode, "888"},
                                       {a.number, "8888888"},
                                       {a.bank->textBox(), "バンク・オブ・アメリカ・エヌ・エイ"},
                                       {a.branch->textBox(), "ひばりケ丘ローンプラザ出張所"}});
        }
        for (const auto& [box, longest] : boxes)
            EXPECT_GE(textRoom(box), QFontMetrics(box->font()).horizontalAdvance(longest))
                << longest.toStdString();
    });
}

TEST_F(DepartmentRegisterTest, EveryBoxOfThePanelDropsCommasAsTyped) {
    TestScript script;
    withRegister(script, [&](DepartmentRegister& w) {
        std::vector<QLineEdit*> boxes = {w.streetBox(),
                                         w.telBox(),
                                         w.faxBox(),
                                         w.postalCodeBox(),
                                         w.companyKanaBox(),
                                         w.companyCodeBox(),
                                         w.accounts()[0].bankCode,
                                         w.accounts()[0].branchCode,
                                         w.accounts()[0].number,
                                         w.accounts()[1].branchCode,
                                         w.accounts()[1].bankCode,
                                         w.accounts()[1].number,
                                         w.accounts()[2].branchCode,
                                         w.accounts()[2].bankCode,
                                         w.accounts()[2].number,
                                         w.accounts()[3].branchCode,
                                         w.accounts()[3].bankCode,
                                         w.accounts()[3].number,
                                         w.accounts()[1].holder,
                                         w.accounts()[2].holder,
                                         w.accounts()[3].holder};
        for (TextCombo* c : w.areaBoxes())
            boxes.push_back(c->textBox());
        for (CodePicker* p : {w.accounts()[0].bank, w.accounts()[1].bank, w.accounts()[1].branch,
                              w.accounts()[2].bank, w.accounts()[0].branch, w.accounts()[2].branch,
                              w.accounts()[3].bank, w.accounts()[3].branch})
            boxes.push_back(p->textBox());
        for (QLineEdit* box : boxes) {
            typeText(box, "1,2");
            EXPECT_EQ(box->text(), "12") << box->metaObject()->className();
        }
    });
}

TEST_F(DepartmentRegisterTest, FolderMovesWithRenameStaysOnDeleteAndIsTakenOverByTheSameName) {
    saveMisena();
    writeBytes(departmentFile("本店", "20037.dat"), "day data");
    TestScript script;
    script.answer(Answer::Ok);
    script.answer(Answer::Ok).answer(Answer::Ok); // both delete questions
    withRegister(script, [&](DepartmentRegister& w) {
        clickRow(w.nameList(), 0);
        renameTo(script, "本社");
        w.editButtons()[2]->click();
        EXPECT_EQ(rows(w.nameList()), (QStringList{"本社", "支店"}));
        EXPECT_TRUE(w.listChanged()); // saved, and still the leave question
        EXPECT_TRUE(startsWith(readBytes(misenaPath()), lines({" 2", "本社"})));
        EXPECT_FALSE(folderExists("本店"));
        EXPECT_EQ(readBytes(departmentFile("本社", "20037.dat")), "day data");

        clickRow(w.nameList(), 0);
        w.editButtons()[1]->click();
        w.saveButton()->click();
        EXPECT_EQ(readBytes(departmentFile("本社", "20037.dat")), "day data");

        insert(w, "本社");
        w.saveButton()->click();
    });
    ASSERT_EQ(script.boxes().size(), 3u);
    EXPECT_EQ(script.boxes()[0].text, kRenameWarning);
    EXPECT_EQ(script.boxes()[0].title, "変更確認");
    EXPECT_EQ(script.boxes()[0].icon, Icon::Critical);
    EXPECT_EQ(script.boxes()[1].text,
              "削除すると給料計算等のデータも変わってしまいます。本当に削除しますか？");
    EXPECT_EQ(busyoCount, 2);
    EXPECT_EQ(busyoRecs[1].name, "本社");
    EXPECT_EQ(busyoRecs[1].id, 6); // a new id; the folder's files are its own now
    EXPECT_EQ(readBytes(departmentFile("本社", "20037.dat")), "day data");
}

TEST_F(DepartmentRegisterTest, RenameWithPendingChangesAsksAndThenSavesEverything) {
    saveMisena();
    TestScript script;
    script.answer(Answer::No);                     // not now
    script.answer(Answer::Yes).answer(Answer::Ok); // save first, then the warning
    withRegister(script, [&](DepartmentRegister& w) {
        clickRow(w.nameList(), 1);
        w.moveButtons()[2]->click(); // 支店 to the top
        w.editButtons()[2]->click();
        EXPECT_EQ(w.selectedRow(), 0);
        EXPECT_TRUE(startsWith(readBytes(misenaPath()), lines({" 2", "本店"})));
        // Cancelled: the same name, saved all the same.
        script.window<RenameByKindDialog>([](RenameByKindDialog& d) { d.onCancelClicked(); });
        w.editButtons()[2]->click();
        EXPECT_EQ(w.selectedRow(), -1);
        EXPECT_TRUE(w.listChanged());
    });
    EXPECT_EQ(script.boxes()[0].text, "これまでの変更を保存します。よろしいですか？");
    EXPECT_EQ(script.boxes()[0].title, "保存確認");
    EXPECT_EQ(script.boxes()[0].buttons, Buttons::YesNo);
    EXPECT_TRUE(startsWith(readBytes(misenaPath()), lines({" 2", "支店"})));
    EXPECT_TRUE(folderExists("支店"));
}

TEST_F(DepartmentRegisterTest, UnsafeOrTakenNamesAreRefusedAndNothingMoves) {
    saveMisena();
    writeBytes(departmentFile("本店", "20037.dat"), "x");
    std::filesystem::create_directories(busyoFolderPath("旧店")); // left by a deleted department
    const std::string before = readBytes(misenaPath());
    const std::string unsafe = kUnsafeDepartmentName;
    std::string tooLong; // 86 kanji: 258 bytes, more than a folder name holds
    for (int i = 0; i < 86; ++i)
        tooLong += "店";
    struct Case {
        std::string newName;
        std::string message;
    };
    const Case cases[] = {
        {"a/b", unsafe},
        {tooLong, unsafe},
        {"..", unsafe},
        {"本社.", unsafe},
        {" 本社", unsafe},
        {"支店", "同じ名前があります"},
        {"旧店", "「旧店」という名前のフォルダーがすでにあるため、名前を変更できません。"},
    };
    for (const Case& c : cases) {
        TestScript script;
        script.answer(Answer::Ok).answer(Answer::Ok);
        withRegister(script, [&](DepartmentRegister& w) {
            clickRow(w.nameList(), 0);
            renameTo(script, QString::fromStdString(c.newName));
            w.editButtons()[2]->click();
            EXPECT_EQ(rows(w.nameList()), (QStringList{"本店", "支店"}));
            EXPECT_FALSE(w.listChanged());
        });
        ASSERT_EQ(script.boxes().size(), 2u) << c.newName;
        EXPECT_EQ(script.boxes()[1].text.toStdString(), c.message) << c.newName;
        EXPECT_EQ(readBytes(misenaPath()), before) << c.newName;
        EXPECT_EQ(readBytes(departmentFile("本店", "20037.dat")), "x") << c.newName;
        EXPECT_TRUE(folderExists("旧店"));
    }

    // A department whose folder is missing keeps its name.
    std::filesystem::remove_all(busyoFolderPath("支店"));
    TestScript script;
    script.answer(Answer::Ok).answer(Answer::Ok);
    withRegister(script, [&](DepartmentRegister& w) {
        clickRow(w.nameList(), 1);
        renameTo(script, "二号店");
        w.editButtons()[2]->click();
        EXPECT_EQ(rows(w.nameList()), (QStringList{"本店", "支店"}));
    });
    EXPECT_EQ(script.boxes()[1].text,
              "部署のフォルダー「支店」が見つからないため、名前を変更できません。");
    EXPECT_FALSE(folderExists("二号店"));
    EXPECT_EQ(readBytes(misenaPath()), before);

    // Inserting such a name is refused before anything is made.
    TestScript inserting;
    for (int i = 0; i < 5; ++i)
        inserting.answer(Answer::Ok);
    withRegister(inserting, [&](DepartmentRegister& w) {
        for (const std::string& name : {std::string("a/b"), std::string(".."), std::string("店."),
                                        std::string("a\tb"), tooLong})
            insert(w, QString::fromStdString(name));
        EXPECT_EQ(rows(w.nameList()), (QStringList{"本店", "支店"}));
        EXPECT_FALSE(w.listChanged());
    });
    for (const MessageBoxRecord& box : inserting.boxes())
        EXPECT_EQ(box.text.toStdString(), unsafe);
    EXPECT_EQ(ttidKyoutuu, 4);
}

TEST_F(DepartmentRegisterTest, SaveFailureDuringRenamePutsTheFolderBack) {
    saveMisena();
    TestScript script;
    script.answer(Answer::Ok);
    script.answer(Answer::Ok); // the save failure
    withRegister(script, [&](DepartmentRegister& w) {
        clickRow(w.nameList(), 0);
        renameTo(script, "本社");
        setWriteFaultHook([](WriteStage stage) { return stage == WriteStage::Rename; });
        w.editButtons()[2]->click();
        setWriteFaultHook({});
        EXPECT_EQ(rows(w.nameList()), (QStringList{"本店", "支店"}));
    });
    EXPECT_TRUE(script.boxes()[1].text.startsWith("保存できませんでした。"));
    EXPECT_TRUE(folderExists("本店"));
    EXPECT_FALSE(folderExists("本社"));
    EXPECT_EQ(busyoNames[0], "本店");
}

TEST_F(DepartmentRegisterTest, CurrentDepartmentFollowsItsRecordOrBecomesNone) {
    addBusyo("三号店", 6);
    const std::vector<BusyoRec> base(busyoRecs.begin(), busyoRecs.begin() + 3);
    enum class Step { Delete, ToTop };
    struct Case {
        Step step;
        int row;
        bool save;
        int expected; // curBusyo afterwards; 支店 (position 1) was current
    };
    const Case cases[] = {
        {Step::Delete, 0, true, 0}, {Step::Delete, 1, true, -1}, {Step::Delete, 2, true, 1},
        {Step::ToTop, 2, true, 2},  {Step::Delete, 0, false, 1},
    };
    for (const Case& c : cases) {
        std::copy(base.begin(), base.end(), busyoRecs.begin());
        busyoCount = 3;
        saveMisena();
        curBusyo = 1;
        TestScript script;
        if (c.step == Step::Delete)
            script.answer(Answer::Ok).answer(Answer::Ok);
        if (!c.save)
            script.answer(Answer::No).answer(Answer::Yes); // leave without saving
        withRegister(script, [&](DepartmentRegister& w) {
            clickRow(w.nameList(), c.row);
            if (c.step == Step::Delete)
                w.editButtons()[1]->click();
            else
                w.moveButtons()[2]->click();
            if (c.save)
                w.saveButton()->click();
            w.backButton()->click();
        });
        EXPECT_EQ(curBusyo, c.expected) << "row " << c.row << " save " << c.save;
        if (curBusyo >= 0) {
            EXPECT_EQ(busyoNames[static_cast<size_t>(curBusyo)], "支店");
        }
    }
}

TEST_F(DepartmentRegisterTest, DiscardWithoutAFileDropsTheInsert) {
    noDepartments();
    TestScript script;
    script.answer(Answer::No).answer(Answer::Yes);
    withRegister(script, [&](DepartmentRegister& w) {
        insert(w, "新店");
        w.backButton()->click();
        EXPECT_FALSE(w.isOpen());
    });
    EXPECT_EQ(script.boxes()[0].text, "部署（支払い元）データに変更があります。保存しますか？");
    EXPECT_EQ(script.boxes()[0].title, "保存確認");
    EXPECT_EQ(script.boxes()[1].title, "保存再確認");
    EXPECT_EQ(busyoCount, 0);
    EXPECT_FALSE(std::filesystem::exists(misenaPath()));
}

TEST_F(DepartmentRegisterTest, PanelClicksWithoutADepartmentAreTold) {
    TestScript script;
    script.answer(Answer::Ok).answer(Answer::Ok);
    withRegister(script, [&](DepartmentRegister& w) {
        mouseClick(w.accounts()[0].number);
        w.transferKindOptions()[0]->click();
        clickRow(w.nameList(), 0);
        mouseClick(w.accounts()[0].number); // selected: nothing to tell
    });
    ASSERT_EQ(script.boxes().size(), 2u);
    EXPECT_EQ(script.boxes()[0].text, "部署が選択されていません。左のリストの中から部署を選択して"
                                      "から記述を行ってください。");
    EXPECT_EQ(script.boxes()[0].title, kAppTitle);
}
