#include "platform/damaged_file.h"
#include "support/ui_script.h"

#include <gtest/gtest.h>

using namespace lukana::platform;

TEST(DamagedFile, TellsWhereTheFileWentOrThatItStays) {
    struct Case {
        std::optional<std::string> movedTo;
        bool rebuilt;
        QString expected;
    };
    const Case cases[] = {
        {"/d/ktlukana/本店/nippou.dat.broken-1", false,
         "nippou.dat が壊れていて読めませんでした。\r壊れたファイルは次の場所に移してあります。"
         "\r/d/ktlukana/本店/nippou.dat.broken-1"},
        {"/d/x.broken", true,
         "nippou.dat が壊れていて読めなかったため、初期の内容で作り直しました。\r"
         "壊れたファイルは次の場所に移してあります。\r/d/x.broken"},
        {std::nullopt, false,
         "nippou.dat が壊れていて読めず、別の名前に移すこともできませんでした。\r"
         "このファイルはそのまま残し、上書きの保存はしません。\r/d/ktlukana/本店/nippou.dat"},
    };
    for (const Case& c : cases) {
        TestScript script;
        script.answer(Answer::Ok);
        tellDamagedFile({"/d/ktlukana/本店/nippou.dat", c.movedTo, {}}, c.rebuilt);
        ASSERT_EQ(script.boxes().size(), 1u);
        EXPECT_EQ(script.boxes()[0].text, c.expected);
        EXPECT_EQ(script.boxes()[0].icon, Icon::Warning);
    }
}
