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
    WindowLink dailyReport;        // 日報: daily report
    WindowLink voucherBook;        // 伝票処理: voucher book
    WindowLink salesList;          // 売上集計: monthly sales list
    WindowLink bestSellerAnalysis; // 売れ筋メニュー: best-selling-menu analysis
    WindowLink customerAnalysis;   // 集客状況: customer-attraction analysis
    WindowLink departments;        // 部署の設定: department register
    WindowLink suppliers;          // 仕入先: supplier register
    KindLink accountTitles;        // 勘定科目: account-title register
    KindLink subAccounts;          // 補助科目: sub-account register
    WindowLink closingDays;        // 締め日: closing days
    WindowLink menuItems;          // メニュー: menu items
    WindowLink menuCategories;     // メニュー分類項目: menu categories
    WindowLink backup;             // バックアップ: backup dialog
    WindowLink recovery;           // リカバリー: recovery dialog, after the password
};

MainWindowLinks& mainWindowLinks();

} // namespace lukana
