#include "platform/save_question.h"
#include "support/ui_script.h"

#include <gtest/gtest.h>

using namespace lukana::platform;

TEST(SaveQuestion, AsksOnlyAboutChangesAndAnswersWhatBecameOfThem) {
    struct Case {
        const char* what;
        int changed;
        std::optional<Answer> answer; // nothing: no question
        bool saves;
        SaveAnswer expected;
        int changedAfter;
        int saveRuns;
        bool goesOn;
    };
    const Case cases[] = {
        {"nothing changed", 0, std::nullopt, true, SaveAnswer::Saved, 0, 0, true},
        {"yes", 1, Answer::Yes, true, SaveAnswer::Saved, 0, 1, true},
        {"yes, the save fails", 1, Answer::Yes, false, SaveAnswer::Failed, 1, 1, false},
        {"no", 1, Answer::No, true, SaveAnswer::Discarded, 0, 0, true},
        {"cancel", 1, Answer::Cancel, true, SaveAnswer::Cancelled, 1, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestScript script;
        if (c.answer)
            script.answer(*c.answer);
        int changed = c.changed;
        int saveRuns = 0;
        const SaveAnswer a = askToSave(changed, [&] {
            ++saveRuns;
            return c.saves;
        });
        EXPECT_EQ(a, c.expected);
        EXPECT_EQ(proceeds(a), c.goesOn);
        EXPECT_EQ(changed, c.changedAfter);
        EXPECT_EQ(saveRuns, c.saveRuns);
        ASSERT_EQ(script.boxes().size(), c.answer ? 1u : 0u);
        if (c.answer) {
            EXPECT_EQ(script.boxes()[0].text, QStringLiteral("データを保存しますか"));
            EXPECT_EQ(script.boxes()[0].buttons, Buttons::YesNoCancel);
        }
    }
}
