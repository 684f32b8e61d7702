#include "platform/message_box.h"
#include "platform/ui_script.h"
#include "support/ui_script.h"

#include <QLabel>
#include <QMessageBox>
#include <QScreen>

#include <gtest/gtest.h>

using namespace lukana::platform;

TEST(MessageBox, ScriptAnswersInOrderAndRecordsEveryBox) {
    TestScript script;
    script.answer(Answer::Cancel).answer(Answer::Yes);
    EXPECT_EQ(msgBox("a", Buttons::OkCancel, Icon::Warning, Answer::Cancel, "ログインできません"),
              Answer::Cancel);
    EXPECT_EQ(msgBox("b", Buttons::YesNoCancel, Icon::Question), Answer::Yes);

    ASSERT_EQ(script.boxes().size(), 2u);
    const auto& first = script.boxes()[0];
    EXPECT_EQ(first.text, "a");
    EXPECT_EQ(first.title, "ログインできません");
    EXPECT_EQ(first.buttons, Buttons::OkCancel);
    EXPECT_EQ(first.icon, Icon::Warning);
    EXPECT_EQ(first.defaultButton, Answer::Cancel);
    // No title of its own: the application title; no default named: the first button.
    EXPECT_EQ(script.boxes()[1].title, "ルカナ");
    EXPECT_EQ(script.boxes()[1].defaultButton, Answer::Yes);
}

TEST(MessageBox, UnexpectedBoxFailsAndIsDismissed) {
    struct Case {
        Buttons buttons;
        Answer dismissed;
    };
    for (auto [buttons, dismissed] :
         {Case{Buttons::Ok, Answer::Ok}, Case{Buttons::OkCancel, Answer::Cancel},
          Case{Buttons::YesNo, Answer::No}, Case{Buttons::YesNoCancel, Answer::Cancel}}) {
        QStringList failures;
        {
            UiScript script([&](const QString& f) { failures << f; });
            EXPECT_EQ(msgBox("surprise", buttons), dismissed);
        }
        ASSERT_EQ(failures.size(), 1);
        EXPECT_TRUE(failures[0].contains("surprise"));
    }
}

TEST(MessageBox, AnswerNeverUsedFails) {
    QStringList failures;
    {
        UiScript script([&](const QString& f) { failures << f; });
        script.answer(Answer::Ok);
    }
    EXPECT_EQ(failures.size(), 1);
}

TEST(MessageBox, TextsThatFitAcrossTheScreenStayOnOneLine) {
    struct Case {
        QString text;
        QMessageBox::Icon icon;
        int lines; // as shown
    };
    const QString tooLong = QString(QStringLiteral("データ")).repeated(60);
    const Case cases[] = {
        {QStringLiteral("削除しますか？"), QMessageBox::Question, 1},
        {QStringLiteral("削除するとその仕入先に入力したデータもすべて削除されます。本当に削除し"
                        "ますか？"),
         QMessageBox::Critical, 1},
        {QStringLiteral("メニューや仕入先を登録すれば売り上げ分析がご利用になれます。これまでの"
                        "設定もあとでの変更も可能です。"),
         QMessageBox::NoIcon, 1},
        {QStringLiteral("自動バックアップに上書きしますか？\nエラーが出た場合は上書きしないでここ"
                        "では「いいえ」を選択し、\nバックアップに上書き保存する場合は「はい」を"
                        "押してください。"),
         QMessageBox::Question, 3},
        {tooLong, QMessageBox::NoIcon, 0}, // wider than the screen: wraps, within the screen
    };
    for (const Case& c : cases) {
        QMessageBox box(c.icon, QStringLiteral("ルカナ"), c.text);
        keepLinesWhole(box);
        box.show();
        auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        ASSERT_NE(label, nullptr);
        const int lineHeight = QFontMetrics(label->font()).lineSpacing();
        const int shownLines = (label->height() + lineHeight / 2) / lineHeight;
        if (c.lines > 0)
            EXPECT_EQ(shownLines, c.lines) << c.text.toStdString();
        else
            EXPECT_GT(shownLines, 1);
        EXPECT_LE(box.frameGeometry().width(), box.screen()->availableGeometry().width());
        box.hide();
    }
}
