// A name of blanks only is no name in any register: it is never inserted, and a rename to it
// keeps the old name.
#include "register_fixture.h"
#include "registers/openers.h"
#include "registers/register_window.h"

#include <QPushButton>

using namespace lukana;

TEST_F(RegisterTest, NameOfBlanksOnlyIsNeverInserted) {
    tekiyouCount = 1; // a title for the sub-accounts
    tekiyouNames[0] = "仕入";
    tekiyouIds[0] = 1;
    denpyouBusyo = 0; // the banks' department
    const std::pair<const char*, void (*)()> registers[] = {
        {"menu categories", openMenuCategoryRegister},
        {"menu items", openMenuItemRegister},
        {"departments", openDepartmentRegister},
        {"suppliers", openSupplierRegister},
        {"account titles", [] { openAccountTitleRegister(2); }},
        {"sub-accounts", [] { openSubAccountRegister(3); }},
        {"banks", openBankRegister},
    };
    for (const auto& [what, open] : registers) {
        TestScript script;
        script.window([&](platform::Window& w) {
            auto& r = dynamic_cast<RegisterWindow&>(w);
            const int before = r.nameList()->count();
            for (const char* blanks : {" ", "\u3000", " \t\u3000 "}) {
                r.nameBox()->setText(QString::fromUtf8(blanks));
                EXPECT_FALSE(r.editButtons()[0]->isEnabled()) << what;
                pressEnter(r.nameBox());
                r.onEditClicked(0); // the command itself inserts nothing either
            }
            EXPECT_EQ(r.nameList()->count(), before) << what;
            EXPECT_FALSE(r.listChanged()) << what;
            r.unloadWindow();
        });
        open();
        EXPECT_TRUE(script.boxes().empty()) << what;
    }
}
