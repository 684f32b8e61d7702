#include "supplier_register.h"

#include "platform/message_box.h"
#include "platform/pointer.h"
#include "rename_dialogs.h"
#include "storage/masters.h"
#include "storage/paths.h"
#include "storage/routines.h"
#include "storage/state.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <cmath>

namespace lukana {

using namespace platform;

namespace {

constexpr int kLastDay = 31;

RegisterSetup supplierSetup() {
    RegisterSetup s;
    s.caption = QStringLiteral("仕入先一覧");
    s.help = QStringLiteral("新規で仕入先を登録する場合は仕入先名を下のテキストボックスに記入して"
                            "挿入ボタンをクリックしてください。");
    s.leaveQuestion = QStringLiteral("仕入先名簿に変更があります。保存しますか？");
    s.deleteQuestion = QStringLiteral(
        "削除するとその仕入先に入力したデータもすべて削除されます。本当に削除しますか？");
    s.renameWarning = renameWarningFor(QStringLiteral("仕入先"));
    s.counter = &ttidSiire;
    s.detailsBesideList = true;
    s.renameSavesList = true;
    return s;
}

// Chooses option `index`, or none when the stored value names no option.
template <size_t N> void chooseOption(std::array<OptionButton*, N>& options, int index) {
    if (index >= 0 && index < static_cast<int>(N)) {
        options[static_cast<size_t>(index)]->setChecked(true);
        return;
    }
    for (OptionButton* o : options) {
        o->setAutoExclusive(false);
        o->setChecked(false);
        o->setAutoExclusive(true);
    }
}

} // namespace

DayBoxValue dayBoxValue(std::string_view text) {
    const double v = std::nearbyint(leadingNumber(text)); // halves to the even neighbour
    if (!(v >= 0))
        return {0, v < 0};
    if (v > kLastDay)
        return {kLastDay, true};
    return {static_cast<int>(v), false};
}

int wrapDaySpinner(int value) {
    if (value <= 0)
        return kLastDay;
    if (value > kLastDay)
        return 1;
    return value;
}

std::optional<int> departmentRow(const DepartmentPositions& positions, int departmentId) {
    if (departmentId == 0)
        return 0;
    auto it = positions.find(departmentId);
    if (it == positions.end())
        return std::nullopt;
    return it->second + 1;
}

SupplierRegister::SupplierRegister(QWidget* parent)
    : RegisterWindow(supplierSetup(), parent), departmentList_(new ListBox(detailsPanel())),
      list_(siireCount, siireNames, siireIds, kSiireCapacity) {
    // A new supplier pays cash, closes at day 31, pays a month later, sells drinks, serves all.
    list_.field(siirePayKind, 1)
        .field(siireSimebi, 31)
        .field(siireBusyoIds, 0)
        .field(siireTukigo, 1)
        .field(siireBunrui, 0);

    QWidget* panel = detailsPanel();
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);

    auto* terms = new QGroupBox(panel);
    auto* termsGrid = new QGridLayout(terms);
    payKindOptions_ = {new OptionButton(QStringLiteral("買い掛け"), terms),
                       new OptionButton(QStringLiteral("現金仕入れ"), terms)};
    termsGrid->addWidget(payKindOptions_[0], 0, 0, 1, 3);
    termsGrid->addWidget(payKindOptions_[1], 0, 3, 1, 3);
    const QString dayLabels[2] = {QStringLiteral("日締め"), QStringLiteral("月後")};
    for (int i = 0; i < 2; ++i) {
        dayBoxes_[i] = new TextBox(terms);
        dayBoxes_[i]->setStripCommas(true);
        dayBoxes_[i]->setAttribute(Qt::WA_InputMethodEnabled, false); // plain digits
        dayBoxes_[i]->setMaximumWidth(48);
        daySpinners_[i] = new Spinner(terms);
        daySpinners_[i]->setRange(0, kLastDay + 1);
        termsGrid->addWidget(dayBoxes_[i], 1, i * 3);
        termsGrid->addWidget(daySpinners_[i], 1, i * 3 + 1);
        termsGrid->addWidget(new QLabel(dayLabels[i], terms), 1, i * 3 + 2);
    }
    termsGrid->addWidget(new QLabel(QStringLiteral("支払い"), terms), 1, 6);
    column->addWidget(terms);

    auto* classGroup = new QGroupBox(QStringLiteral("分類"), panel);
    auto* classRow = new QHBoxLayout(classGroup);
    classOptions_ = {new OptionButton(QStringLiteral("酒類"), classGroup),
                     new OptionButton(QStringLiteral("食品一般"), classGroup),
                     new OptionButton(QStringLiteral("その他雑費"), classGroup)};
    for (OptionButton* o : classOptions_)
        classRow->addWidget(o);
    column->addWidget(classGroup);

    column->addWidget(new QLabel(QStringLiteral("該当事業"), panel));
    column->addWidget(departmentList_, 1);

    for (int i = 0; i < 2; ++i) {
        dayBoxes_[i]->setEnabled(false);
        daySpinners_[i]->setEnabled(false);
        payKindOptions_[i]->onChange([this, i] { onPayKindClicked(i); });
        dayBoxes_[i]->onChange([this, i] { onDayBoxEdited(i); });
        daySpinners_[i]->onChange([this, i] { onDaySpinnerChanged(i); });
    }
    for (int i = 0; i < 3; ++i)
        classOptions_[i]->onChange([this, i] { onClassClicked(i); });
    departmentList_->onChange([this] { onDepartmentListClicked(); });
    // A click on the department already shown stores it too, or says no supplier is chosen.
    departmentList_->onClick([this] { onDepartmentListClicked(); });
    resize(720, 520);
}

// ---------------------------------------------------------------- operations

void SupplierRegister::buildDepartmentPositions() {
    departmentPositions_.clear();
    for (int i = 0; i < busyoCount && i < static_cast<int>(busyoIds.size()); ++i)
        departmentPositions_[busyoIds[static_cast<size_t>(i)]] = i;
}

void SupplierRegister::readList() {
    // An unreadable file leaves the list in memory as it was, not half read.
    list_.keep();
    if (!file_.read(rootFilePath("siire.dat"), readSuppliers))
        list_.restoreKept();
}

Status SupplierRegister::writeList() {
    return file_.write(rootFilePath("siire.dat"), writeSuppliers);
}

void SupplierRegister::openRenameDialog() {
    supplierRenameMode = 0; // the supplier mode
    SupplierRenameDialog dialog;
    runModal(dialog);
}

void SupplierRegister::showSelectedEntry() {
    if (selectedRow_ < 0 || selectedRow_ >= siireCount)
        return;
    const auto s = static_cast<size_t>(selectedRow_);
    showing_ = true;
    chooseOption(payKindOptions_, siirePayKind[s]);
    setDayBoxesEnabled(siirePayKind[s] == 0);
    chooseOption(classOptions_, siireBunrui[s]);
    dayBoxes_[0]->setText(QString::number(siireSimebi[s]));
    dayBoxes_[1]->setText(QString::number(siireTukigo[s]));
    // An id no registered department has shows no department; the supplier keeps it.
    const std::optional<int> row = departmentRow(departmentPositions_, siireBusyoIds[s]);
    departmentList_->setListIndex(row.value_or(-1));
    showing_ = false;
}

// ---------------------------------------------------------------- window events

void SupplierRegister::formLoad() {
    RegisterWindow::formLoad();
    reloadDepartments();
    buildDepartmentPositions();
    QStringList rows{QStringLiteral("全て")};
    for (int i = 0; i < busyoCount && i < static_cast<int>(busyoNames.size()); ++i)
        rows << QString::fromStdString(busyoNames[static_cast<size_t>(i)]);
    departmentList_->setItemsQuietly(rows);
}

void SupplierRegister::reloadDepartments() {
    // The departments may have changed since start-up; an unreadable file keeps those in memory.
    const std::vector<BusyoRec> recs = busyoRecs;
    const int count = busyoCount;
    if (!readTellingDamage(rootFilePath("misena.dat"), readDepartments).read) {
        busyoRecs = recs;
        busyoCount = count;
        rebuildBusyoLists();
    }
}

void SupplierRegister::formActivate() {
    RegisterWindow::formActivate();
    setMousePointer(Pointer::Normal); // the voucher book's menu shows the busy pointer
}

// ---------------------------------------------------------------- details

bool SupplierRegister::noSelection() {
    if (selectedRow_ >= 0 && selectedRow_ < siireCount)
        return false;
    msgBox(QStringLiteral("仕入先が選択されていません。左のリストの中から仕入先を選択してから記述"
                          "を行ってください。"));
    return true;
}

void SupplierRegister::setDayBoxesEnabled(bool enabled) {
    for (int i = 0; i < 2; ++i) {
        dayBoxes_[i]->setEnabled(enabled);
        daySpinners_[i]->setEnabled(enabled);
    }
}

void SupplierRegister::onPayKindClicked(int index) {
    if (noSelection())
        return;
    if (!showing_)
        listChanged_ = true;
    // Cash suppliers have no terms to edit; the stored ones stay.
    setDayBoxesEnabled(index == 0);
    siirePayKind[static_cast<size_t>(selectedRow_)] = index;
}

void SupplierRegister::onClassClicked(int index) {
    if (noSelection())
        return;
    if (!showing_)
        listChanged_ = true;
    siireBunrui[static_cast<size_t>(selectedRow_)] = index;
}

void SupplierRegister::onDepartmentListClicked() {
    if (showing_)
        return;
    const int row = departmentList_->listIndex();
    if (row < 0 || noSelection())
        return;
    listChanged_ = true;
    const int id = row == 0 || row > busyoCount ? 0 : busyoIds[static_cast<size_t>(row - 1)];
    siireBusyoIds[static_cast<size_t>(selectedRow_)] = id;
}

void SupplierRegister::onDayBoxEdited(int index) {
    // Commas are gone already, also when no supplier is selected.
    if (noSelection())
        return;
    const DayBoxValue v = dayBoxValue(dayBoxes_[index]->text().toStdString());
    if (v.clamped) {
        dayBoxes_[index]->setText(QString::number(v.value)); // runs this again and stores that
        return;
    }
    if (!showing_)
        listChanged_ = true;
    std::vector<int>& field = index == 0 ? siireSimebi : siireTukigo;
    field[static_cast<size_t>(selectedRow_)] = v.value;
    daySpinners_[index]->setValueFromBox(v.value);
}

void SupplierRegister::onDaySpinnerChanged(int index) {
    Spinner* spinner = daySpinners_[index];
    const int v = spinner->value();
    if (wrapDaySpinner(v) != v) {
        spinner->setValue(wrapDaySpinner(v)); // runs this again for the wrapped value
        return;
    }
    // A number typed into the box stays as typed.
    if (!spinner->fromBox())
        dayBoxes_[index]->setText(QString::number(v));
}

} // namespace lukana
