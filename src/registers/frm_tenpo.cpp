#include "frm_tenpo.h"

#include "department_folders.h"
#include "platform/message_box.h"
#include "platform/pointer.h"
#include "postal_lookup.h"
#include "rename_dialogs.h"
#include "storage/masters.h"
#include "storage/paths.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace lukana {

using namespace platform;

namespace {

RegisterSetup tenpoSetup() {
    RegisterSetup s;
    s.caption = QStringLiteral("会社情報登録");
    s.help = QStringLiteral("新規で会社を登録する場合は会社名を下のテキストボックスに記入して挿入"
                            "ボタンをクリックしてください。");
    s.leaveQuestion = QStringLiteral("部署（支払い元）データに変更があります。保存しますか？");
    s.deleteQuestion =
        QStringLiteral("削除すると給料計算等のデータも変わってしまいます。本当に削除しますか？");
    s.renameWarning = QStringLiteral("異なる項目にする場合は「削除」「挿入」を行ってください。");
    s.counter = &ttidKyoutuu; // shared with menu categories and menu items
    s.detailsBesideList = true;
    return s;
}

// The record fields of one account: 0 the main account, 1 to 3 the further slots 0 to 2.
// The fourth further slot is kept in the record and never shown.
struct AccountFields {
    std::string* holder;
    std::string* bankName;
    std::string* bankCode;
    std::string* branchName;
    std::string* branchCode;
    int* type;
    std::string* number;
};

AccountFields accountFields(BusyoRec& r, int account) {
    if (account == 0)
        return {nullptr,       &r.bankName,    &r.bankCode,     &r.branchName,
                &r.branchCode, &r.accountType, &r.accountNumber};
    const size_t j = static_cast<size_t>(account - 1);
    return {&r.otherHolder[j],       &r.otherBankName[j],   &r.otherBankCode[j],
            &r.otherBranchName[j],   &r.otherBranchCode[j], &r.otherAccountType[j],
            &r.otherAccountNumber[j]};
}

QString q(const std::string& s) {
    return QString::fromStdString(s);
}
std::string s(const QString& q) {
    return q.toStdString();
}

TextBox* codeBox(QWidget* parent) {
    auto* box = new TextBox(parent);
    box->setAttribute(Qt::WA_InputMethodEnabled, false); // digits and letters only
    return box;
}

} // namespace

frmtenpo::frmtenpo(QWidget* parent)
    : RegisterWindow(tenpoSetup(), parent), list_(busyoRecs, busyoCount, kBusyoCapacity) {
    buildPanel();
    connectHandlers();
    resize(1100, 760);
}

frmtenpo::~frmtenpo() = default;

// ---------------------------------------------------------------- the panel

void frmtenpo::buildPanel() {
    QWidget* panel = detailsPanel();
    for (auto& c : Combo2)
        c = new TextCombo(panel);
    Text2 = {new TextBox(panel), codeBox(panel), codeBox(panel),
             codeBox(panel),     nullptr,        new TextBox(panel)};
    Command1 = new QPushButton(QStringLiteral("〒"), panel);
    Option1 = {new OptionButton(QStringLiteral("給与振込"), panel),
               new OptionButton(QStringLiteral("賞与振込"), panel),
               new OptionButton(QStringLiteral("総合振込"), panel)};
    Text3 = codeBox(panel);
    DataCombo1 = new CodePicker(panel);
    Text4 = codeBox(panel);
    DataCombo5 = new CodePicker(panel);
    Text5 = codeBox(panel);
    Combo1 = new ComboBox(panel);
    Text6 = codeBox(panel);
    Text16 = new TextBox(panel);
    Text17 = new TextBox(panel);
    Text18 = new TextBox(panel);
    DataCombo2 = new CodePicker(panel);
    DataCombo4 = new CodePicker(panel);
    DataCombo7 = new CodePicker(panel);
    Text8 = codeBox(panel);
    Text11 = codeBox(panel);
    Text14 = codeBox(panel);
    DataCombo3 = new CodePicker(panel);
    DataCombo6 = new CodePicker(panel);
    DataCombo8 = new CodePicker(panel);
    Text7 = codeBox(panel);
    Text10 = codeBox(panel);
    Text13 = codeBox(panel);
    Combo3 = new ComboBox(panel);
    Combo4 = new ComboBox(panel);
    Combo5 = new ComboBox(panel);
    Text9 = codeBox(panel);
    Text12 = codeBox(panel);
    Text15 = codeBox(panel);
    accounts_ = {Account{nullptr, DataCombo1, Text4, DataCombo5, Text5, Combo1, Text6},
                 Account{Text16, DataCombo2, Text8, DataCombo3, Text7, Combo3, Text9},
                 Account{Text17, DataCombo4, Text11, DataCombo6, Text10, Combo4, Text12},
                 Account{Text18, DataCombo7, Text14, DataCombo8, Text13, Combo5, Text15}};

    auto label = [panel](const char* text) { return new QLabel(QString::fromUtf8(text), panel); };
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);

    auto* address = new QGridLayout;
    address->addWidget(label("現住所"), 0, 0);
    address->addWidget(Combo2[0], 0, 1);
    address->addWidget(Combo2[1], 0, 2);
    address->addWidget(Combo2[2], 0, 3);
    address->addWidget(Text2[0], 1, 1, 1, 3);
    address->addWidget(label("TEL"), 2, 0);
    address->addWidget(Text2[1], 2, 1);
    address->addWidget(label("Fax"), 2, 2, Qt::AlignRight);
    address->addWidget(Text2[2], 2, 3);
    address->addWidget(label("〒"), 3, 0);
    address->addWidget(Text2[3], 3, 1);
    address->addWidget(Command1, 3, 2, Qt::AlignLeft);
    column->addLayout(address);

    // One account's rows: holder (further accounts), bank, branch, type and number.
    auto accountRows = [&](QGridLayout* grid, int row, const Account& a) {
        if (a.holder) {
            grid->addWidget(label("口座名義"), row, 0);
            grid->addWidget(a.holder, row, 1, 1, 3);
            ++row;
        }
        grid->addWidget(label("銀行名"), row, 0);
        grid->addWidget(a.bank, row, 1);
        grid->addWidget(label("金融機関コード:"), row, 2, Qt::AlignRight);
        grid->addWidget(a.bankCode, row, 3);
        ++row;
        grid->addWidget(label("支店名"), row, 0);
        grid->addWidget(a.branch, row, 1);
        grid->addWidget(label("支店コード:"), row, 2, Qt::AlignRight);
        grid->addWidget(a.branchCode, row, 3);
        ++row;
        grid->addWidget(label("口座種別"), row, 0);
        grid->addWidget(a.type, row, 1);
        grid->addWidget(label("口座番号"), row, 2, Qt::AlignRight);
        grid->addWidget(a.number, row, 3);
        return row + 1;
    };

    auto* header = new QGroupBox(QStringLiteral("全銀データヘッダー"), panel);
    auto* headerGrid = new QGridLayout(header);
    auto* kinds = new QGroupBox(QStringLiteral("振り込み種別"), header);
    auto* kindRow = new QHBoxLayout(kinds);
    for (OptionButton* o : Option1)
        kindRow->addWidget(o);
    headerGrid->addWidget(kinds, 0, 0, 1, 4);
    headerGrid->addWidget(label("会社コード(10桁)"), 1, 0);
    headerGrid->addWidget(Text3, 1, 1);
    headerGrid->addWidget(label("会社名(半角カナ,口座名義)"), 2, 0);
    headerGrid->addWidget(Text2[5], 2, 1, 1, 3);
    int next = accountRows(headerGrid, 3, accounts_[0]);
    auto* branchNote = label("支店名が表示されない場合は、金融機関コードを削除してから銀行名を選択"
                             "しなおしてください。");
    branchNote->setWordWrap(true);
    headerGrid->addWidget(branchNote, next++, 0, 1, 4);
    for (const char* note :
         {"給料の振り込み元となる銀行の情報です。会社コードは銀行と契約を済ますと銀行から発行さ"
          "れます。",
          "それぞれの会社に全銀ヘッダーをを登録する必要があります。それぞれの会社名をクリックし"
          "てから全銀ヘッダー部分を記入してください。"}) {
        auto* l = label(note);
        l->setWordWrap(true);
        headerGrid->addWidget(l, next++, 0, 1, 4);
    }
    column->addWidget(header);

    auto* others = new QGroupBox(
        QStringLiteral("その他の取引銀行(伝票処理に関わる銀行を登録してください)"), panel);
    auto* othersRow = new QHBoxLayout(others);
    const char* marks[] = {"①", "②", "③"};
    for (int k = 1; k <= 3; ++k) {
        auto* box = new QGroupBox(QString::fromUtf8(marks[k - 1]), others);
        auto* grid = new QGridLayout(box);
        accountRows(grid, 0, accounts_[static_cast<size_t>(k)]);
        othersRow->addWidget(box);
    }
    column->addWidget(others);
    column->addStretch(1);
}

void frmtenpo::connectHandlers() {
    auto changes = [this](TextBox* box) {
        box->setStripCommas(true); // no text may split a value of misena.dat
        box->onChange([this] { markChanged(); });
    };
    for (TextCombo* c : Combo2)
        c->onChange([this] { markChanged(); });
    for (size_t i : {0u, 1u, 2u, 3u, 5u})
        changes(Text2[i]);
    for (TextBox* box : {Text3, Text16, Text17, Text18})
        changes(box);
    for (size_t k = 0; k < accounts_.size(); ++k) {
        const Account& a = accounts_[k];
        const int account = static_cast<int>(k);
        changes(a.branchCode);
        changes(a.number);
        a.bankCode->setStripCommas(true);
        a.bankCode->onChange([this, account] { bankCodeChanged(account); });
        // A name typed into a picker is an edit as much as a pick is.
        a.bank->onChange([this] { markChanged(); });
        a.branch->onChange([this] { markChanged(); });
        a.bank->onPick([this, account](int row) { bankPicked(account, row); });
        a.branch->onPick([this, account](int row) { branchPicked(account, row); });
        if (k > 0)
            a.type->onChange([this] {
                if (selIndex != -1)
                    markChanged();
            });
    }
    Combo1->onChange([this] { Combo1_Click(); });
    for (OptionButton* o : Option1)
        o->onChange([this] { Option1_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Text2[3], &QLineEdit::returnPressed, this, [this] { Command1_Click(); });

    // A click into the boxes and pickers with no department selected is told.
    std::vector<QWidget*> clickable = {Text2[0], Text2[1], Text2[2], Text2[3], Text2[5], Text3};
    for (const Account& a : accounts_) {
        for (QWidget* w :
             {static_cast<QWidget*>(a.bankCode), static_cast<QWidget*>(a.branchCode),
              static_cast<QWidget*>(a.number), static_cast<QWidget*>(a.bank),
              static_cast<QWidget*>(a.bank->textBox()), static_cast<QWidget*>(a.branch),
              static_cast<QWidget*>(a.branch->textBox())})
            clickable.push_back(w);
        if (a.holder)
            clickable.push_back(a.holder);
    }
    for (QWidget* w : clickable)
        w->installEventFilter(this);
}

// ---------------------------------------------------------------- operations

void frmtenpo::readList() {
    filePath = rootFilePath("misena.dat");
    // A file that cannot be read leaves the list as the reader left it.
    (void)file_.read(misenaModosi);
    followCurrentDepartment();
}

Status frmtenpo::writeList() {
    filePath = rootFilePath("misena.dat");
    Status status = file_.write(misenaHozon);
    listWritten_ = status.ok();
    followCurrentDepartment();
    return status;
}

void frmtenpo::openRenameDialog() {
    registerKind = 0;
    frmMeibo dialog;
    runModal(dialog);
}

void frmtenpo::Hyouji() {
    if (selIndex < 0 || selIndex >= busyoCount)
        return;
    BusyoRec& r = busyoRecs[static_cast<size_t>(selIndex)];
    hyoujiChu = 1;
    Combo2[0]->setText(q(r.prefecture));
    Combo2[1]->setText(q(r.city));
    Combo2[2]->setText(q(r.town));
    Text2[0]->setText(q(r.street));
    Text2[1]->setText(q(r.tel));
    Text2[2]->setText(q(r.fax));
    Text2[3]->setText(q(r.postalCode));
    setTransferKind(r.transferKind);
    Text3->setText(q(r.companyCode));
    Text2[5]->setText(q(r.companyKana));
    for (size_t k = 0; k < accounts_.size(); ++k) {
        const Account& a = accounts_[k];
        const AccountFields f = accountFields(r, static_cast<int>(k));
        if (a.holder)
            a.holder->setText(q(*f.holder));
        a.bank->setText(q(*f.bankName));
        // The code before the branch name, so that the branch list is that bank's.
        a.bankCode->setText(q(*f.bankCode));
        a.branch->setText(q(*f.branchName));
        a.branchCode->setText(q(*f.branchCode));
        a.type->setListIndex(*f.type >= 0 && *f.type < a.type->count() ? *f.type : -1);
        a.number->setText(q(*f.number));
    }
    hyoujiChu = 0;
}

void frmtenpo::preHozon() {
    if (selIndex < 0 || selIndex >= busyoCount)
        return;
    BusyoRec& r = busyoRecs[static_cast<size_t>(selIndex)];
    r.prefecture = s(Combo2[0]->text());
    r.city = s(Combo2[1]->text());
    r.town = s(Combo2[2]->text());
    for (int i = 0; i < 3; ++i)
        if (Option1[static_cast<size_t>(i)]->isChecked()) {
            r.transferKind = i + 1;
            break;
        } // with none chosen the record keeps its kind
    r.companyCode = s(Text3->text());
    r.companyKana = s(Text2[5]->text());
    for (size_t k = 0; k < accounts_.size(); ++k) {
        const Account& a = accounts_[k];
        const AccountFields f = accountFields(r, static_cast<int>(k));
        if (a.holder)
            *f.holder = s(a.holder->text());
        *f.bankName = s(a.bank->text());
        *f.bankCode = s(a.bankCode->text());
        *f.branchName = s(a.branch->text());
        *f.branchCode = s(a.branchCode->text());
        *f.type = a.type->listIndex();
        *f.number = s(a.number->text());
    }
    r.street = s(Text2[0]->text());
    r.tel = s(Text2[1]->text());
    r.fax = s(Text2[2]->text());
    r.postalCode = s(Text2[3]->text());
}

void frmtenpo::clearDetails() {
    fillingDetails_ = 1;
    for (size_t i : {0u, 1u, 2u})
        Text2[i]->clear();
    fillingDetails_ = 0;
}

void frmtenpo::busyohyouji() {
    showBranches(0);
}
void frmtenpo::busyohyouji2() {
    showBranches(1);
}
void frmtenpo::busyohyouji3() {
    showBranches(2);
}
void frmtenpo::busyohyouji4() {
    showBranches(3);
}

void frmtenpo::showBranches(int account) {
    std::vector<CodePicker::Entry> entries;
    if (bankCodes_)
        for (const BranchEntry& b : bankCodes_->branches(bankCodeParam))
            entries.push_back({b.name, b.code});
    accounts_[static_cast<size_t>(account)].branch->setEntries(entries);
}

// ---------------------------------------------------------------- commands

void frmtenpo::insertCommand() {
    const std::string name = s(Text1->text());
    if (!name.empty() && !isSafeFolderName(name)) {
        preHozon();
        msgBox(QString::fromUtf8(kUnsafeDepartmentName), Buttons::Ok, Icon::Warning);
        return;
    }
    const int before = busyoCount;
    RegisterWindow::insertCommand();
    if (busyoCount > before)
        makeDepartmentFolder(name);
}

void frmtenpo::renameCommand() {
    if (selIndex < 0 || selIndex >= busyoCount)
        return;
    preHozon();
    if (listChanged == 1 &&
        msgBox(QStringLiteral("これまでの変更を保存します。よろしいですか？"), Buttons::YesNo,
               Icon::Question, std::nullopt, QStringLiteral("保存確認")) != Answer::Yes)
        return;
    if (!askRenameWarning())
        return;
    renameIndex = selIndex;
    const std::string oldName = busyoRecs[static_cast<size_t>(renameIndex)].name;
    setMousePointer(Pointer::Busy);
    openRenameDialog();
    const std::string newName = renameResult;
    if (editor().hasName(newName, renameIndex)) {
        showRefusal(Refusal::Duplicate);
        return;
    }
    const bool renamed = newName != oldName;
    if (renamed) {
        // The folder first: when it cannot move, record and folder keep the old name.
        if (Status moved = moveDepartmentFolder(oldName, newName); !moved) {
            msgBox(q(moved.message()), Buttons::Ok, Icon::Warning);
            return;
        }
        (void)editor().rename(renameIndex, newName);
    }
    if (!hozon() && renamed && !listWritten_) {
        // misena.dat still names the old folder: put folder and name back to match it.
        if (moveDepartmentFolder(newName, oldName)) {
            (void)editor().rename(renameIndex, oldName);
            rebuildBusyoLists();
            followCurrentDepartment();
        }
    }
    commonEnding();
}

// ---------------------------------------------------------------- window events

void frmtenpo::formLoad() {
    for (ComboBox* c : {Combo1, Combo3, Combo4, Combo5}) {
        QSignalBlocker quiet(c);
        c->addItems({QStringLiteral("普通"), QStringLiteral("当座"), QStringLiteral("その他")});
        c->setListIndex(-1);
    }
    if (curBusyo >= 0 && curBusyo < busyoCount && curBusyo < static_cast<int>(busyoIds.size()))
        currentId_ = busyoIds[static_cast<size_t>(curBusyo)];
    loadPostalTable();
    bankCodes_ = std::make_unique<BankCodeDatabase>(bankCodeDatabasePath());
    std::vector<CodePicker::Entry> banks;
    for (const BankEntry& b : bankCodes_->banks())
        banks.push_back({b.name, b.code});
    for (const Account& a : accounts_)
        a.bank->setEntries(banks);
    RegisterWindow::formLoad();
}

void frmtenpo::formUnload() {
    emptyPostalTable();
    bankCodes_.reset();
}

bool frmtenpo::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && selIndex == -1)
        noSelection();
    return RegisterWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------- handlers

void frmtenpo::Command1_Click() {
    const int row = findPostalRow(s(Text2[3]->text()));
    if (row < 0) {
        msgBox(QStringLiteral("その郵便番号は使われていません"));
        return;
    }
    const KenAllRow& found = kenAllRows[static_cast<size_t>(row)];
    Combo2[0]->setText(q(found.prefecture));
    Combo2[1]->setText(q(found.city));
    Combo2[2]->setText(q(found.town));
}

void frmtenpo::Option1_Click() {
    if (hyoujiChu == 1)
        return;
    if (selIndex == -1) {
        noSelection();
        return;
    }
    listChanged = 1;
}

void frmtenpo::Combo1_Click() {
    Option1_Click();
}

void frmtenpo::markChanged() {
    if (hyoujiChu != 1 && fillingDetails_ != 1)
        listChanged = 1;
}

void frmtenpo::noSelection() {
    msgBox(QStringLiteral("部署が選択されていません。左のリストの中から部署を選択してから記述を"
                          "行ってください。"));
}

void frmtenpo::bankCodeChanged(int account) {
    markChanged();
    const Account& a = accounts_[static_cast<size_t>(account)];
    const std::optional<int> code = bankCodeFromText(s(a.bankCode->text()));
    if (!code) {
        a.branch->setEntries({}); // no bank asked for: no branches
        return;
    }
    bankCodeParam = *code;
    switch (account) {
    case 0:
        busyohyouji();
        break;
    case 1:
        busyohyouji2();
        break;
    case 2:
        busyohyouji3();
        break;
    default:
        busyohyouji4();
        break;
    }
}

void frmtenpo::bankPicked(int account, int row) {
    if (selIndex == -1)
        noSelection();
    const Account& a = accounts_[static_cast<size_t>(account)];
    a.bankCode->setText(a.bank->codeAt(row)); // its change reloads the branches
}

void frmtenpo::branchPicked(int account, int row) {
    if (selIndex == -1)
        noSelection();
    const Account& a = accounts_[static_cast<size_t>(account)];
    a.branchCode->setText(a.branch->codeAt(row));
}

void frmtenpo::setTransferKind(int kind) {
    for (int i = 0; i < 3; ++i) {
        OptionButton* o = Option1[static_cast<size_t>(i)];
        // Exclusive buttons cannot be cleared one by one.
        o->setAutoExclusive(false);
        o->setChecked(kind == i + 1);
        o->setAutoExclusive(true);
    }
}

void frmtenpo::followCurrentDepartment() {
    if (currentId_)
        curBusyo = busyoPositionOfId(*currentId_);
}

} // namespace lukana
