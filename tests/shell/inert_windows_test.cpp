#include "shell/break_time_window.h"
#include "shell/printer_method_choice.h"
#include "shell_fixture.h"

using namespace lukana;

TEST_F(ShellTest, BreakTimesChainTheRowsAndOkWritesTheFile) {
    fs::create_directories(root());
    // Starts 9:00, 12:30, 0:00, 18:15, 22:00 with their breaks; entry 5 is kept as read.
    writeBytes(root("kkJikan.dat"), " 9\r\n 0\r\n 60\r\n 12\r\n 30\r\n 0\r\n 0\r\n 0\r\n 15\r\n"
                                    " 18\r\n 15\r\n 0\r\n 22\r\n 0\r\n 45\r\n 7\r\n 7\r\n 7\r\n");
    BreakTimeWindow w;
    TestScript script;
    script.window<BreakTimeWindow>([](BreakTimeWindow& k) {
        auto end = [&](int r) {
            return k.timeBoxes()[r][2]->text() + ":" + k.timeBoxes()[r][3]->text();
        };
        // Each end is one minute before the next start; the last wraps to the first row.
        EXPECT_EQ(end(0), "12:29");
        EXPECT_EQ(end(1), "23:59");
        EXPECT_EQ(end(4), "8:59");
        // A changed start moves the end before it a minute back; a changed end moves the start
        // after it to the same minute (one second later).
        k.timeBoxes()[3][1]->setText("0");
        EXPECT_EQ(end(2), "17:59");
        k.timeBoxes()[0][3]->setText("44");
        EXPECT_EQ(k.timeBoxes()[1][0]->text() + ":" + k.timeBoxes()[1][1]->text(), "12:44");
        // Typing past the range clamps; commas go.
        k.timeBoxes()[2][4]->setText("250");
        EXPECT_EQ(k.timeBoxes()[2][4]->text(), "200");
        k.timeBoxes()[2][4]->setText("1,5");
        EXPECT_EQ(k.timeBoxes()[2][4]->text(), "15");
        // A minute spinner past 59 wraps and carries into the hour.
        k.timeSpinners()[4][1]->setValue(59);
        k.timeSpinners()[4][1]->stepUp();
        EXPECT_EQ(k.timeBoxes()[4][0]->text() + ":" + k.timeBoxes()[4][1]->text(), "23:0");
        k.okButton()->click();
    });
    runModal(w);
    EXPECT_EQ(readBytes(root("kkJikan.dat")),
              " 9\r\n 0\r\n 60\r\n 12\r\n 44\r\n 0\r\n 0\r\n 0\r\n 15\r\n"
              " 18\r\n 0\r\n 0\r\n 23\r\n 0\r\n 45\r\n 7\r\n 7\r\n 7\r\n");
}

TEST_F(ShellTest, PrintChoiceRecordsTheButtonOrTheCancel) {
    for (int index : {0, 2}) {
        PrinterMethodChoice w;
        TestScript script;
        script.window<PrinterMethodChoice>([&](PrinterMethodChoice& p) {
            EXPECT_EQ(printMethodCancelled, 1);
            p.methodButtons()[static_cast<size_t>(index)]->click();
        });
        runModal(w);
        EXPECT_EQ(printMethodCancelled, 0);
        EXPECT_EQ(printMethodIndex, index);
    }
    PrinterMethodChoice w;
    TestScript script;
    script.window<PrinterMethodChoice>([](PrinterMethodChoice& p) { p.cancelButton()->click(); });
    runModal(w);
    EXPECT_EQ(printMethodCancelled, 1);
}
