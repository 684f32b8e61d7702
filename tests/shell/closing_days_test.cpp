// The closing-day dialog and the fiscal year-end dialog.
#include "settings_dialog_fixture.h"
#include "shell/closing_days.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

using namespace lukana;
using platform::Answer;

namespace {

class ClosingDaysTest : public SettingsDialogTest {
  protected:
    void SetUp() override {
        SettingsDialogTest::SetUp();
        departments({"本店", "支店"});
    }
    static QStringList boxes(const ClosingDaysDialog& d) {
        QStringList texts;
        for (auto* box : d.dayBoxes())
            texts << box->text();
        return texts;
    }
    static std::vector<int> shared() {
        return {simeKinmu, simeGenkin, simeKyuuryou, simeKurejitto};
    }
};

using FiscalYearEndTest = ClosingDaysTest;

void pressEnter(QWidget* w, int key = Qt::Key_Return) {
    w->setFocus();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
}

} // namespace

TEST_F(ClosingDaysTest, AMissingFileShows31EverywhereAndOkWritesIt) {
    curBusyo = 1;
    ClosingDaysDialog w;
    TestScript script;
    script.window<ClosingDaysDialog>([&](ClosingDaysDialog& d) {
        EXPECT_EQ(d.departmentChoice()->currentText(), "支店");
        EXPECT_EQ(boxes(d), (QStringList{"31", "31", "31", "31"}));
        d.okButton()->click();
    });
    runModal(w);
    EXPECT_EQ(readBytes(root("支店/simebi.dat")), " 31\r\n 31\r\n 31\r\n 31\r\n");
    EXPECT_FALSE(std::filesystem::exists(root("本店/simebi.dat")));
}

TEST_F(ClosingDaysTest, EnterInAnyControlPressesOk) {
    for (int control = 0; control < 3; ++control) {
        std::filesystem::remove(root("本店/simebi.dat"));
        ClosingDaysDialog w;
        TestScript script;
        script.window<ClosingDaysDialog>([&](ClosingDaysDialog& d) {
            d.dayBoxes()[0]->setText("20");
            QWidget* in[] = {d.dayBoxes()[0], d.dayBoxes()[3], d.departmentChoice()};
            pressEnter(in[control], control == 1 ? Qt::Key_Enter : Qt::Key_Return);
            EXPECT_FALSE(d.isOpen()) << control;
            if (d.isOpen())
                d.closeWindow();
        });
        runModal(w);
        EXPECT_EQ(readBytes(root("本店/simebi.dat")), " 20\r\n 31\r\n 31\r\n 31\r\n") << control;
    }
}

TEST_F(ClosingDaysTest, SpinnersWrapAndTypedValuesAreClamped) {
    writeBytes(root("本店/simebi.dat"), " 20\r\n 0\r\n 1\r\n 15\r\n");
    ClosingDaysDialog w;
    TestScript script;
    script.window<ClosingDaysDialog>([&](ClosingDaysDialog& d) {
        EXPECT_EQ(boxes(d), (QStringList{"20", "31", "1", "15"}));
        d.daySpinners()[1]->stepUp();   // 31 -> 1
        d.daySpinners()[2]->stepDown(); // 1 -> 31
        EXPECT_EQ(boxes(d), (QStringList{"20", "1", "31", "15"}));
        EXPECT_EQ(shared(), (std::vector<int>{20, 1, 31, 15}));

        d.dayBoxes()[0]->setText("45"); // shows 31, stores 31
        d.dayBoxes()[1]->setText("0");  // stores 31, the box keeps the 0
        d.dayBoxes()[2]->setText("-4"); // becomes 0, stores 31
        d.dayBoxes()[3]->setText("1,2");
        EXPECT_EQ(boxes(d), (QStringList{"31", "0", "0", "12"}));
        EXPECT_EQ(shared(), (std::vector<int>{31, 31, 31, 12}));
        d.okButton()->click();
    });
    runModal(w);
    EXPECT_EQ(readBytes(root("本店/simebi.dat")), " 31\r\n 31\r\n 31\r\n 12\r\n");
}

TEST_F(ClosingDaysTest, SwitchingDepartmentSavesTheOneLeftAndTheCloseBoxSavesNothing) {
    writeBytes(root("支店/simebi.dat"), " 10\r\n 20\r\n"); // short: the rest are month ends
    ClosingDaysDialog w;
    TestScript script;
    script.window<ClosingDaysDialog>([&](ClosingDaysDialog& d) {
        d.dayBoxes()[0]->setText("25");
        d.departmentChoice()->setListIndex(1);
        EXPECT_EQ(readBytes(root("本店/simebi.dat")), " 25\r\n 31\r\n 31\r\n 31\r\n");
        EXPECT_EQ(boxes(d), (QStringList{"10", "20", "31", "31"}));
        d.dayBoxes()[1]->setText("5");
        d.closeWindow();
    });
    runModal(w);
    EXPECT_EQ(readBytes(root("支店/simebi.dat")), " 10\r\n 20\r\n");
    // The shared values hold the department shown last.
    EXPECT_EQ(shared(), (std::vector<int>{10, 5, 31, 31}));
}

TEST_F(ClosingDaysTest, ASwitchWhoseSaveFailsStaysOnTheDepartment) {
    ClosingDaysDialog w;
    TestScript script;
    script.answer(Answer::Ok).window<ClosingDaysDialog>([&](ClosingDaysDialog& d) {
        d.dayBoxes()[0]->setText("25");
        setWriteFaultHook([](WriteStage s) { return s == WriteStage::Write; });
        d.departmentChoice()->setListIndex(1);
        setWriteFaultHook({});
        EXPECT_EQ(d.departmentChoice()->listIndex(), 0);
        EXPECT_EQ(d.currentFile(), root("本店/simebi.dat"));
        EXPECT_EQ(boxes(d), (QStringList{"25", "31", "31", "31"}));
        d.okButton()->click();
    });
    runModal(w);
    ASSERT_EQ(script.boxes().size(), 1u);
    EXPECT_TRUE(script.boxes()[0].text.startsWith("締め日を保存できませんでした。"));
    EXPECT_EQ(readBytes(root("本店/simebi.dat")), " 25\r\n 31\r\n 31\r\n 31\r\n");
}

TEST_F(ClosingDaysTest, NoDepartmentChosenLoadsAndWritesNothing) {
    curBusyo = 5;
    ClosingDaysDialog w;
    TestScript script;
    script.window<ClosingDaysDialog>([&](ClosingDaysDialog& d) {
        EXPECT_EQ(d.departmentChoice()->listIndex(), -1);
        EXPECT_EQ(d.departmentChoice()->count(), 2);
        d.okButton()->click();
        EXPECT_FALSE(d.isOpen());
    });
    runModal(w);
    EXPECT_FALSE(std::filesystem::exists(root("本店/simebi.dat")));
    EXPECT_FALSE(std::filesystem::exists(root("支店/simebi.dat")));
}

TEST_F(FiscalYearEndTest, EveryCloseSavesTheDefaultMarch31) {
    denpyouBusyo = 1;
    kesanTuki = 3; // as the voucher book leaves it for a department without kesan.dat
    kesanBi = 31;
    FiscalYearEndDialog w;
    TestScript script;
    script.window<FiscalYearEndDialog>([&](FiscalYearEndDialog& d) {
        EXPECT_EQ(d.monthBox()->text(), "3");
        EXPECT_EQ(d.dayBox()->text(), "31");
        d.closeWindow();
    });
    runModal(w);
    EXPECT_EQ(readBytes(root("支店/kesan.dat")), " 3\r\n 31\r\n");
}

TEST_F(FiscalYearEndTest, EnterInEitherBoxPressesOk) {
    denpyouBusyo = 0;
    for (bool inDay : {false, true}) {
        FiscalYearEndDialog w;
        TestScript script;
        script.window<FiscalYearEndDialog>([&](FiscalYearEndDialog& d) {
            pressEnter(inDay ? d.dayBox() : d.monthBox());
            EXPECT_FALSE(d.isOpen()) << inDay;
            if (d.isOpen())
                d.closeWindow();
        });
        runModal(w);
    }
}

TEST_F(FiscalYearEndTest, TheDaySpinnerStepsThroughAYearWithout29February) {
    denpyouBusyo = 0;
    kesanTuki = 2;
    kesanBi = 28;
    FiscalYearEndDialog w;
    TestScript script;
    script.window<FiscalYearEndDialog>([&](FiscalYearEndDialog& d) {
        auto shown = [&] { return std::make_pair(kesanTuki, kesanBi); };
        d.daySpinner()->stepUp();
        EXPECT_EQ(shown(), std::make_pair(3, 1));
        EXPECT_EQ(d.dayBox()->text(), " 1");
        d.daySpinner()->stepDown();
        EXPECT_EQ(shown(), std::make_pair(2, 28));
        d.monthBox()->setText("12");
        d.dayBox()->setText("31");
        d.daySpinner()->stepUp();
        EXPECT_EQ(shown(), std::make_pair(1, 1));
        EXPECT_EQ(d.monthBox()->text(), " 1");
        EXPECT_EQ(d.monthSpinner()->value(), 1);
        d.daySpinner()->stepDown();
        EXPECT_EQ(shown(), std::make_pair(12, 31));
        EXPECT_EQ(d.weekdayLabel()->text(), "金"); // 31 December 1999

        // A typed day past the month's end is clamped; 0 is the last day of the month before.
        d.dayBox()->setText("45");
        EXPECT_EQ(d.dayBox()->text(), "31");
        d.monthBox()->setText("3");
        d.dayBox()->setText("0");
        EXPECT_EQ(shown(), std::make_pair(2, 28));
        d.okButton()->click();
    });
    runModal(w);
    EXPECT_EQ(readBytes(root("本店/kesan.dat")), " 2\r\n 28\r\n");
}

TEST_F(FiscalYearEndTest, TheMonthSpinnerKeepsTheDayWithinTheMonth) {
    denpyouBusyo = 0;
    kesanTuki = 3;
    kesanBi = 31;
    FiscalYearEndDialog w;
    TestScript script;
    script.window<FiscalYearEndDialog>([&](FiscalYearEndDialog& d) {
        d.monthSpinner()->stepUp();
        EXPECT_EQ(std::make_pair(kesanTuki, kesanBi), std::make_pair(4, 30));
        EXPECT_EQ(d.monthBox()->text(), " 4");
        EXPECT_EQ(d.dayBox()->text(), " 30");
        d.monthBox()->setText("12");
        d.monthSpinner()->stepUp();
        EXPECT_EQ(std::make_pair(kesanTuki, kesanBi), std::make_pair(1, 30));
        d.closeWindow();
    });
    runModal(w);
    EXPECT_EQ(readBytes(root("本店/kesan.dat")), " 1\r\n 30\r\n");
}
