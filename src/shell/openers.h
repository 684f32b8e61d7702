#pragma once
// How the main window opens the windows of its buttons. Each later window registers its opener
// here before the main window loads (the program's main does so); a button whose opener is
// empty stays disabled.
#include <functional>

namespace lukana {

using WindowOpener = std::function<void()>;
// A register that works on the list of a kind (registerKind): 2 account titles, 3 sub-accounts.
using KindOpener = std::function<void(int kind)>;

struct MainWindowOpeners {
    WindowOpener nippou;     // 日報: daily report
    WindowOpener denpyou;    // 伝票処理: voucher book
    WindowOpener uriage;     // 売上集計: monthly sales list
    WindowOpener uresuji;    // 売れ筋メニュー: best-selling-menu analysis
    WindowOpener kyaku;      // 集客状況: customer-attraction analysis
    WindowOpener tenpo;      // 部署の設定: department register
    WindowOpener siire;      // 仕入先: supplier register
    KindOpener tekiyou;      // 勘定科目: account-title register
    KindOpener ty;           // 補助科目: sub-account register
    WindowOpener sime;       // 締め日: closing days
    WindowOpener menu;       // メニュー: menu items
    WindowOpener menuBunrui; // メニュー分類項目: menu categories
    WindowOpener backup;     // バックアップ: backup dialog
    WindowOpener recovery;   // リカバリー: recovery dialog, after the password
};

MainWindowOpeners& mainWindowOpeners();

} // namespace lukana
