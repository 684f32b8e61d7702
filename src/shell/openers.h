#pragma once
// The links of the main window's buttons to the windows they open. The shell fills them before
// the main window loads (the program's main does so); a button whose link is empty stays
// disabled. The plain open functions (open…) live beside the windows they open.
#include <functional>

namespace lukana {

using WindowLink = std::function<void()>;
// A register that works on the list of a kind (registerKind): 2 account titles, 3 sub-accounts.
using KindLink = std::function<void(int kind)>;

struct MainWindowLinks {
    WindowLink nippou;     // 日報: daily report
    WindowLink denpyou;    // 伝票処理: voucher book
    WindowLink uriage;     // 売上集計: monthly sales list
    WindowLink uresuji;    // 売れ筋メニュー: best-selling-menu analysis
    WindowLink kyaku;      // 集客状況: customer-attraction analysis
    WindowLink tenpo;      // 部署の設定: department register
    WindowLink siire;      // 仕入先: supplier register
    KindLink tekiyou;      // 勘定科目: account-title register
    KindLink ty;           // 補助科目: sub-account register
    WindowLink sime;       // 締め日: closing days
    WindowLink menu;       // メニュー: menu items
    WindowLink menuBunrui; // メニュー分類項目: menu categories
    WindowLink backup;     // バックアップ: backup dialog
    WindowLink recovery;   // リカバリー: recovery dialog, after the password
};

MainWindowLinks& mainWindowLinks();

} // namespace lukana
