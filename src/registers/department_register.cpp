#include "department_register.h"

#include "department_folders.h"
#include "platform/message_box.h"
#include "platform/text.h"
#include "postal_lookup.h"
#include "rename_dialogs.h"
#include "storage/bank_slots.h"
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

#include <utility>

namespace lukana {

using namespace platform;

namespace {

RegisterSetup departmentSetup() {
    RegisterSetup s;
    s.caption = QStringLiteral("会社情報登録");
    s.help = QStringLiteral("新規で会社を登録する場合は会社名を下のテキストボックスに記入して挿入"
                            "ボタンをクリックしてください。");
    s.leaveQuestion = QStringLiteral("部署（支払い元）データに変更があります。保存しますか？");
    s.deleteQuestion =
        QStringLiteral("削除すると給料計算等のデータも変わってしまいます。本当に削除しますか？");
    s.renameWarning = renameWarningFor(QStringLiteral("項目"));
    s.counter = &ttidKyoutuu; // shared with menu categories and menu items
    s.detailsBesideList = true;
    // The folder is renamed at once, so the list naming it is saved at once too.
    s.renameSavesList = true;
    s.saveBeforeRenameQuestion = QStringLiteral("これまでの変更を保存します。よろしいですか？");
    s.renameSaveUnmarks = false;
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

std::string s(const QString& q) {
    return q.toStdString();
}

TextBox* codeBox(QWidget* parent) {
    auto* box = new TextBox(parent);
    box->setAttribute(Qt::WA_InputMethodEnabled, false); // digits and letters only
    return box;
}

} // namespace

DepartmentRegister::DepartmentRegister(QWidget* parent)
    : RegisterWindow(departmentSetup(), parent), list_(busyoRecs, busyoCount, kBusyoCapacity) {
    buildPanel();
    connectHandlers();
    resize(1200, 700);
}

DepartmentRegister::~DepartmentRegister() = default;

// ---------------------------------------------------------------- the panel

void DepartmentRegister::buildPanel() {
    QWidget* panel = detailsPanel();
    for (auto& c : areaBoxes_)
        c = new TextCombo(panel);
    streetBox_ = new TextBox(panel);
    telBox_ = codeBox(panel);
    faxBox_ = codeBox(panel);
    postalCodeBox_ = codeBox(panel);
    companyKanaBox_ = new TextBox(panel);
    postalLookupButton_ = new QPushButton(QStringLiteral("〒"), panel);
    transferKindOptions_ = {new OptionButton(QStringLiteral("給与振込"), panel),
                            new OptionButton(QStringLiteral("賞与振込"), panel),
                            new OptionButton(QStringLiteral("総合振込"), panel)};
    companyCodeBox_ = codeBox(panel);
    for (size_t k = 0; k < accounts_.size(); ++k) {
        Account& a = accounts_[k];
        if (k > 0)
            a.holder = new TextBox(panel);
        a.bank = new CodePicker(panel);
        a.bankCode = codeBox(panel);
        a.branch = new CodePicker(panel);
        a.branchCode = codeBox(panel);
        a.type = new ComboBox(panel);
        a.number = codeBox(panel);
    }

    // Each box holds its longest value whole.
    for (TextBox* box : {telBox_, faxBox_})
        box->setWidestText(QStringLiteral("0120-888-8888"));
    postalCodeBox_->setWidestText(QStringLiteral("888-8888"));
    companyCodeBox_->setWidestText(QStringLiteral("8888888888"));
    areaBoxes_[0]->setWidestText(QStringLiteral("神奈川県"));
    areaBoxes_[1]->setWidestText(QStringLiteral("南都留郡富士河口湖町"));
    areaBoxes_[2]->setWidestText(QStringLiteral("宇奈月町愛本橋爪東官林地内"));
    for (const Account& a : accounts_) {
        a.bankCode->setWidestText(QStringLiteral("8888"));
        a.branchCode->setWidestText(QStringLiteral("888"));
        a.number->setWidestText(QStringLiteral("8888888"));
        a.type->setWidestText(QStringLiteral("その他"));
        // All bank names but one of a foreign bank.
        a.bank->setWidestText(QStringLiteral("バンク・オブ・アメリカ・エヌ・エイ"));
        a.branch->setWidestText(QStringLiteral("ひばりケ丘ローンプラザ出張所"));
    }

    auto label = [panel](const char* text) { return new QLabel(QString::fromUtf8(text), panel); };
    // The address and the transfer header on the left, the further accounts one below the
    // other on the right.
    auto* columns = new QHBoxLayout(panel);
    columns->setContentsMargins(0, 0, 0, 0);
    auto* column = new QVBoxLayout;
    columns->addLayout(column, 1);

    auto* address = new QGridLayout;
    address->addWidget(label("現住所"), 0, 0);
    address->addWidget(areaBoxes_[0], 0, 1);
    address->addWidget(areaBoxes_[1], 0, 2);
    address->addWidget(areaBoxes_[2], 0, 3);
    address->addWidget(streetBox_, 1, 1, 1, 3);
    address->addWidget(label("TEL"), 2, 0);
    address->addWidget(telBox_, 2, 1);
    address->addWidget(label("Fax"), 2, 2, Qt::AlignRight);
    address->addWidget(faxBox_, 2, 3, Qt::AlignLeft);
    address->addWidget(label("〒"), 3, 0);
    address->addWidget(postalCodeBox_, 3, 1);
    address->addWidget(postalLookupButton_, 3, 2, Qt::AlignLeft);
    address->setColumnStretch(3, 1);
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
        grid->addWidget(a.type, row, 1, Qt::AlignLeft);
        grid->addWidget(label("口座番号"), row, 2, Qt::AlignRight);
        grid->addWidget(a.number, row, 3);
        grid->setColumnStretch(1, 1);
        return row + 1;
    };

    auto* header = new QGroupBox(QStringLiteral("全銀データヘッダー"), panel);
    auto* headerColumn = new QVBoxLayout(header);
    auto* kinds = new QGroupBox(QStringLiteral("振り込み種別"), header);
    auto* kindRow = new QHBoxLayout(kinds);
    for (OptionButton* o : transferKindOptions_)
        kindRow->addWidget(o);
    headerColumn->addWidget(kinds);
    auto* company = new QGridLayout;
    company->addWidget(label("会社コード(10桁)"), 0, 0);
    company->addWidget(companyCodeBox_, 0, 1, Qt::AlignLeft);
    company->addWidget(label("会社名(半角カナ,口座名義)"), 1, 0);
    company->addWidget(companyKanaBox_, 1, 1);
    headerColumn->addLayout(company);
    auto* mainAccount = new QGridLayout;
    accountRows(mainAccount, 0, accounts_[0]);
    headerColumn->addLayout(mainAccount);
    for (const char* note :
         {"支店名が表示されない場合は、金融機関コードを削除してから銀行名を選択しなおしてください"
          "。",
          "給料の振り込み元となる銀行の情報です。会社コードは銀行と契約を済ますと銀行から発行さ"
          "れます。",
          "それぞれの会社に全銀ヘッダーをを登録する必要があります。それぞれの会社名をクリックし"
          "てから全銀ヘッダー部分を記入してください。"}) {
        auto* l = label(note);
        l->setWordWrap(true);
        headerColumn->addWidget(l);
    }
    column->addWidget(header);
    column->addStretch(1);

    auto* others = new QGroupBox(
        QStringLiteral("その他の取引銀行(伝票処理に関わる銀行を登録してください)"), panel);
    auto* othersColumn = new QVBoxLayout(others);
    const char* marks[] = {"①", "②", "③"};
    for (int k = 1; k <= 3; ++k) {
        auto* box = new QGroupBox(QString::fromUtf8(marks[k - 1]), others);
        auto* grid = new QGridLayout(box);
        grid->setContentsMargins(4, 4, 4, 4);
        accountRows(grid, 0, accounts_[static_cast<size_t>(k)]);
        othersColumn->addWidget(box);
    }
    othersColumn->addStretch(1);
    columns->addWidget(others, 1);
}

void DepartmentRegister::connectHandlers() {
    auto changes = [this](TextBox* box) {
        box->setStripCommas(true); // no text may split a value of misena.dat
        box->onChange([this] { markChanged(); });
    };
    for (TextCombo* c : areaBoxes_)
        c->onChange([this] { markChanged(); });
    for (TextBox* box : {streetBox_, telBox_, faxBox_, postalCodeBox_, companyKanaBox_})
        changes(box);
    for (TextBox* box :
         {companyCodeBox_, accounts_[1].holder, accounts_[2].holder, accounts_[3].holder})
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
                if (selectedRow_ != -1)
                    markChanged();
            });
    }
    accounts_[0].type->onChange([this] { onAccountTypeChosen(); });
    for (OptionButton* o : transferKindOptions_)
        o->onChange([this] { onTransferKindClicked(); });
    connect(postalLookupButton_, &QPushButton::clicked, this, [this] { onPostalLookupClicked(); });
    connect(postalCodeBox_, &QLineEdit::returnPressed, this, [this] { onPostalLookupClicked(); });

    // A click into the boxes and pickers with no department selected is told.
    std::vector<QWidget*> clickable = {streetBox_,     telBox_,         faxBox_,
                                       postalCodeBox_, companyKanaBox_, companyCodeBox_};
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

void DepartmentRegister::readList() {
    // A file that cannot be read leaves the list as the reader left it.
    (void)file_.read(rootFilePath("misena.dat"), readDepartments);
    followCurrentDepartment();
}

Status DepartmentRegister::writeList() {
    Status status = file_.write(rootFilePath("misena.dat"), writeDepartments);
    const std::optional<UnsavedRename> renamed = std::exchange(unsavedRename_, std::nullopt);
    if (!status && renamed) {
        // misena.dat still names the old folder: put folder and name back to match it.
        if (moveDepartmentFolder(renamed->newName, renamed->oldName)) {
            (void)editor().rename(renamed->row, renamed->oldName);
            rebuildBusyoLists();
        }
    }
    followCurrentDepartment();
    return status;
}

void DepartmentRegister::openRenameDialog() {
    registerKind = 0;
    RenameByKindDialog dialog;
    runModal(dialog);
}

void DepartmentRegister::showSelectedEntry() {
    if (selectedRow_ < 0 || selectedRow_ >= busyoCount)
        return;
    BusyoRec& r = busyoRecs[static_cast<size_t>(selectedRow_)];
    hyoujiChu = 1;
    areaBoxes_[0]->setText(platform::toQString(r.prefecture));
    areaBoxes_[1]->setText(platform::toQString(r.city));
    areaBoxes_[2]->setText(platform::toQString(r.town));
    streetBox_->setText(platform::toQString(r.street));
    telBox_->setText(platform::toQString(r.tel));
    faxBox_->setText(platform::toQString(r.fax));
    postalCodeBox_->setText(platform::toQString(r.postalCode));
    setTransferKind(r.transferKind);
    companyCodeBox_->setText(platform::toQString(r.companyCode));
    companyKanaBox_->setText(platform::toQString(r.companyKana));
    for (size_t k = 0; k < accounts_.size(); ++k) {
        const Account& a = accounts_[k];
        const AccountFields f = accountFields(r, static_cast<int>(k));
        if (a.holder)
            a.holder->setText(platform::toQString(*f.holder));
        a.bank->setText(platform::toQString(*f.bankName));
        // The code before the branch name, so that the branch list is that bank's.
        a.bankCode->setText(platform::toQString(*f.bankCode));
        a.branch->setText(platform::toQString(*f.branchName));
        a.branchCode->setText(platform::toQString(*f.branchCode));
        a.type->setListIndex(*f.type >= 0 && *f.type < a.type->count() ? *f.type : -1);
        a.number->setText(platform::toQString(*f.number));
    }
    hyoujiChu = 0;
}

void DepartmentRegister::storeDetails() {
    if (selectedRow_ < 0 || selectedRow_ >= busyoCount)
        return;
    BusyoRec& r = busyoRecs[static_cast<size_t>(selectedRow_)];
    r.prefecture = s(areaBoxes_[0]->text());
    r.city = s(areaBoxes_[1]->text());
    r.town = s(areaBoxes_[2]->text());
    for (int i = 0; i < 3; ++i)
        if (transferKindOptions_[static_cast<size_t>(i)]->isChecked()) {
            r.transferKind = i + 1;
            break;
        } // with none chosen the record keeps its kind
    r.companyCode = s(companyCodeBox_->text());
    r.companyKana = s(companyKanaBox_->text());
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
    r.street = s(streetBox_->text());
    r.tel = s(telBox_->text());
    r.fax = s(faxBox_->text());
    r.postalCode = s(postalCodeBox_->text());
}

void DepartmentRegister::clearDetails() {
    fillingDetails_ = true;
    for (TextBox* box : {streetBox_, telBox_, faxBox_})
        box->clear();
    fillingDetails_ = false;
}

void DepartmentRegister::showBranches(int account, int bankCode) {
    std::vector<CodePicker::Entry> entries;
    if (bankCodes_)
        for (const BranchEntry& b : bankCodes_->branches(bankCode))
            entries.push_back({b.name, b.code});
    accounts_[static_cast<size_t>(account)].branch->setEntries(entries);
}

// ---------------------------------------------------------------- commands

void DepartmentRegister::insertCommand() {
    const std::string name = s(nameBox_->text());
    if (!isBlankName(name) && !isSafeFolderName(name)) {
        storeDetails();
        msgBox(QString::fromUtf8(kUnsafeDepartmentName), Buttons::Ok, Icon::Warning);
        return;
    }
    const int before = busyoCount;
    RegisterWindow::insertCommand();
    if (busyoCount > before)
        makeDepartmentFolder(name);
}

bool DepartmentRegister::applyRename(int row) {
    const std::string oldName = busyoRecs[static_cast<size_t>(row)].name;
    const std::string newName = renameResult;
    if (editor().hasName(newName, row)) {
        showRefusal(Refusal::Duplicate);
        return false;
    }
    if (newName == oldName)
        return true;
    // The folder first: when it cannot move, record and folder keep the old name.
    if (Status moved = moveDepartmentFolder(oldName, newName); !moved) {
        msgBox(platform::toQString(moved.message()), Buttons::Ok, Icon::Warning);
        return false;
    }
    (void)editor().rename(row, newName);
    unsavedRename_ = UnsavedRename{row, oldName, newName};
    return true;
}

// ---------------------------------------------------------------- window events

void DepartmentRegister::formLoad() {
    for (ComboBox* c :
         {accounts_[0].type, accounts_[1].type, accounts_[2].type, accounts_[3].type}) {
        QSignalBlocker quiet(c);
        for (int type = 0; type <= 2; ++type) // the list index is the stored type
            c->addItem(toQString(accountTypeWord(type)));
        c->setListIndex(-1);
    }
    if (curBusyo >= 0 && curBusyo < busyoCount && curBusyo < static_cast<int>(busyoIds.size()))
        currentId_ = busyoIds[static_cast<size_t>(curBusyo)];
    postalTableRead_ = loadPostalTable();
    bankCodes_ = std::make_unique<BankCodeDatabase>(bankCodeDatabasePath());
    std::vector<CodePicker::Entry> banks;
    for (const BankEntry& b : bankCodes_->banks())
        banks.push_back({b.name, b.code});
    for (const Account& a : accounts_)
        a.bank->setEntries(banks);
    RegisterWindow::formLoad();
}

void DepartmentRegister::formUnload() {
    emptyPostalTable();
    bankCodes_.reset();
}

bool DepartmentRegister::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && selectedRow_ == -1)
        noSelection();
    return RegisterWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------- handlers

void DepartmentRegister::onPostalLookupClicked() {
    if (!postalTableRead_) {
        msgBox(QStringLiteral("郵便番号表(KenAll.csv)がありません。\rネットワークにつないで "
                              "scripts/lookup-data を実行すると、プログラムの横に用意されます。"));
        return;
    }
    const int row = findPostalRow(s(postalCodeBox_->text()));
    if (row < 0) {
        msgBox(QStringLiteral("その郵便番号は使われていません"));
        return;
    }
    const KenAllRow& found = kenAllRows[static_cast<size_t>(row)];
    areaBoxes_[0]->setText(platform::toQString(found.prefecture));
    areaBoxes_[1]->setText(platform::toQString(found.city));
    areaBoxes_[2]->setText(platform::toQString(found.town));
}

void DepartmentRegister::onTransferKindClicked() {
    if (hyoujiChu == 1)
        return;
    if (selectedRow_ == -1) {
        noSelection();
        return;
    }
    listChanged_ = true;
}

void DepartmentRegister::onAccountTypeChosen() {
    onTransferKindClicked();
}

void DepartmentRegister::markChanged() {
    if (hyoujiChu != 1 && !fillingDetails_)
        listChanged_ = true;
}

void DepartmentRegister::noSelection() {
    msgBox(QStringLiteral("部署が選択されていません。左のリストの中から部署を選択してから記述を"
                          "行ってください。"));
}

void DepartmentRegister::bankCodeChanged(int account) {
    markChanged();
    const Account& a = accounts_[static_cast<size_t>(account)];
    const std::optional<int> code = bankCodeFromText(s(a.bankCode->text()));
    if (!code) {
        a.branch->setEntries({}); // no bank asked for: no branches
        return;
    }
    showBranches(account, *code);
}

void DepartmentRegister::bankPicked(int account, int row) {
    if (selectedRow_ == -1)
        noSelection();
    const Account& a = accounts_[static_cast<size_t>(account)];
    a.bankCode->setText(a.bank->codeAt(row)); // its change reloads the branches
}

void DepartmentRegister::branchPicked(int account, int row) {
    if (selectedRow_ == -1)
        noSelection();
    const Account& a = accounts_[static_cast<size_t>(account)];
    a.branchCode->setText(a.branch->codeAt(row));
}

void DepartmentRegister::setTransferKind(int kind) {
    for (int i = 0; i < 3; ++i) {
        OptionButton* o = transferKindOptions_[static_cast<size_t>(i)];
        // Exclusive buttons cannot be cleared one by one.
        o->setAutoExclusive(false);
        o->setChecked(kind == i + 1);
        o->setAutoExclusive(true);
    }
}

void DepartmentRegister::followCurrentDepartment() {
    if (currentId_)
        curBusyo = departmentPositionOfId(*currentId_);
}

} // namespace lukana
