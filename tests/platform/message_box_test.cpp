#include "platform/message_box.h"
#include "platform/ui_script.h"
#include "support/ui_script.h"

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
