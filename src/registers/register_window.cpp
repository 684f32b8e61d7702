#include "register_window.h"

#include "platform/message_box.h"
#include "platform/pointer.h"
#include "storage/masters.h"
#include "storage/paths.h"
#include "storage/routines.h"
#include "storage/state.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace lukana {

using namespace platform;

namespace {

const QString kDuplicate = QStringLiteral("同じ名前があります");

QPushButton* button(const QString& caption, const QString& tip, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    if (!tip.isEmpty())
        b->setToolTip(tip);
    return b;
}

} // namespace

RegisterWindow::RegisterWindow(RegisterSetup setup, QWidget* parent)
    : Window(parent), nameList_(new ListBox(this)), nameBox_(new TextBox(this)),
      saveButton_(
          button(QStringLiteral("保存"), QStringLiteral("変更したデータを保存します"), this)),
      backButton_(button(QStringLiteral("戻る"), {}, this)),
      helpLabel_(new QLabel(setup.help, this)), setup_(std::move(setup)),
      details_(new QWidget(this)) {
    setWindowTitle(setup_.caption);
    editButtons_ = {
        button(QStringLiteral("挿入"),
               QStringLiteral("下のテキストボックスにいれた名前を挿入します"), this),
        button(QStringLiteral("削除"), QStringLiteral("上のリストで選んだ項目を削除します"), this),
        button(QStringLiteral("変更"), QStringLiteral("上のリストで選んだ項目名を変更します"),
               this)};
    moveButtons_ = {button(QStringLiteral("∧"), QStringLiteral("ひとつ上へ"), this),
                    button(QStringLiteral("∨"), QStringLiteral("ひとつ下へ"), this),
                    button(QStringLiteral("≫"), QStringLiteral("一番上へ"), this),
                    button(QStringLiteral("≪"), QStringLiteral("一番下へ"), this)};
    nameBox_->setToolTip(QStringLiteral("ここに名前を入れてください"));
    nameBox_->setStripCommas(setup_.stripCommasWhileTyping);
    helpLabel_->setWordWrap(true);

    auto* root = new QVBoxLayout(this);
    if (setup_.departmentChooser) {
        departmentChoice_ = new ComboBox(this);
        auto* row = new QHBoxLayout;
        row->addWidget(new QLabel(QStringLiteral("部署名"), this));
        row->addWidget(departmentChoice_, 1);
        root->addLayout(row);
        departmentChoice_->onChange([this] { onDepartmentChoiceChanged(); });
    }
    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(nameList_, 1);
    auto* moves = new QHBoxLayout;
    for (QPushButton* b : moveButtons_) {
        // One sign each: they share the list's width, however narrow it is.
        b->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        b->setMinimumWidth(32);
        moves->addWidget(b);
    }
    listColumn->addLayout(moves);
    if (setup_.detailsBesideList) {
        auto* body = new QHBoxLayout;
        body->addLayout(listColumn, 1);
        body->addWidget(details_, 2);
        root->addLayout(body, 1);
    } else {
        listColumn->addWidget(details_);
        root->addLayout(listColumn, 1);
    }
    root->addWidget(helpLabel_);
    root->addWidget(nameBox_);
    auto* commands = new QHBoxLayout;
    for (QPushButton* b : editButtons_)
        commands->addWidget(b);
    commands->addStretch(1);
    commands->addWidget(saveButton_);
    commands->addWidget(backButton_);
    root->addLayout(commands);
    resize(420, 520);

    for (QPushButton* b : editButtons_)
        b->setEnabled(false);
    for (QPushButton* b : moveButtons_)
        b->setEnabled(false);

    for (int i = 0; i < 3; ++i)
        connect(editButtons_[i], &QPushButton::clicked, this, [this, i] { onEditClicked(i); });
    for (int i = 0; i < 4; ++i)
        connect(moveButtons_[i], &QPushButton::clicked, this, [this, i] { onMoveClicked(i); });
    connect(saveButton_, &QPushButton::clicked, this, [this] { onSaveClicked(); });
    connect(backButton_, &QPushButton::clicked, this, [this] { onBackClicked(); });
    nameList_->onChange([this] { onListClicked(); });
    // A click on the entry still selected when the group was disabled (after the window
    // became active again) selects it anew.
    nameList_->onClick([this] {
        if (!selectionGroupEnabled())
            onListClicked();
    });
    nameBox_->onChange([this] { onNameEdited(); });
    connect(nameBox_, &QLineEdit::returnPressed, this, [this] { onNameBoxEntered(); });
}

// ---------------------------------------------------------------- operations

bool RegisterWindow::saveList() {
    storeDetails();
    auto failed = [](const Status& s) {
        msgBox(
            QStringLiteral("保存できませんでした。\r%1").arg(QString::fromStdString(s.message())),
            Buttons::Ok, Icon::Critical);
        return false;
    };
    if (Status s = writeList(); !s)
        return failed(s);
    entries().keep();
    if (Status s = writeIdCounters(rootFilePath("ttid.dat")); !s)
        return failed(s); // the list stays marked, so leaving asks again
    listChanged_ = false;
    return true;
}

void RegisterWindow::reloadList() {
    readList();
    entries().keep();
    listChanged_ = false;
}

void RegisterWindow::fillList() {
    nameList_->clear();
    for (int i = 0; i < entries().count(); ++i)
        nameList_->addItem(QString::fromStdString(entries().name(i)));
    clearDetails();
    if (!keepSelection) {
        selectedRow_ = -1;
        setSelectionGroupEnabled(false);
    }
}

void RegisterWindow::askToSaveBeforeLeaving() {
    leaveCancelled = false;
    if (!listChanged_)
        return;
    listChanged_ = false;
    const Answer a = msgBox(setup_.leaveQuestion, Buttons::YesNoCancel, Icon::Question,
                            std::nullopt, QStringLiteral("保存確認"));
    if (a == Answer::Yes) {
        if (saveList())
            return;
    } else if (a == Answer::No) {
        if (msgBox(QStringLiteral("本当に保存しませんか？保存しない場合は「はい」を押してください"),
                   Buttons::YesNo, Icon::Question, std::nullopt,
                   QStringLiteral("保存再確認")) == Answer::Yes) {
            discardChanges();
            return;
        }
    }
    leaveCancelled = true;
    listChanged_ = true;
}

void RegisterWindow::loadAndFillList() {
    reloadList();
    fillList();
}

// ---------------------------------------------------------------- window events

void RegisterWindow::formLoad() {
    selectedRow_ = -1;
    hyoujiChu = 0;
    if (departmentChoice_)
        fillDepartments();
    else
        loadAndFillList();
    hyoujiChu = 0;
}

void RegisterWindow::fillDepartments() {
    {
        QSignalBlocker quiet(departmentChoice_);
        departmentChoice_->clear();
        for (int i = 0; i < busyoCount && i < static_cast<int>(busyoNames.size()); ++i)
            departmentChoice_->addItem(QString::fromStdString(busyoNames[static_cast<size_t>(i)]));
        departmentChoice_->setListIndex(-1);
    }
    if (curBusyo >= 0 && curBusyo < departmentChoice_->count()) {
        departmentChoice_->setListIndex(curBusyo); // runs the department switch
        return;
    }
    // No department to show: an empty list, so nothing of another department can be edited
    // or saved here.
    entries().clear();
    entries().keep();
    listChanged_ = false;
    fillList();
}

void RegisterWindow::formActivate() {
    setSelectionGroupEnabled(false);
    nameBox_->setFocus();
}

bool RegisterWindow::queryUnload() {
    askToSaveBeforeLeaving();
    return !leaveCancelled;
}

// ---------------------------------------------------------------- handlers

void RegisterWindow::onEditClicked(int index) {
    switch (index) {
    case 0:
        insertCommand();
        break;
    case 1:
        deleteCommand();
        break;
    case 2:
        renameCommand();
        break;
    default:
        break;
    }
}

void RegisterWindow::onMoveClicked(int index) {
    static constexpr Move kMoves[] = {Move::Up, Move::Down, Move::Top, Move::Bottom};
    if (index >= 0 && index < 4)
        moveCommand(kMoves[index]);
}

void RegisterWindow::onSaveClicked() {
    saveList();
}

void RegisterWindow::onBackClicked() {
    closeWindow();
}

void RegisterWindow::onListClicked() {
    const int row = nameList_->listIndex();
    if (row < 0)
        return;
    if (selectedRow_ > -1 && !keepSelection)
        storeDetails();
    setSelectionGroupEnabled(true);
    selectedRow_ = row;
    showSelectedEntry();
}

void RegisterWindow::onDepartmentChoiceChanged() {
    const int chosen = departmentChoice_->listIndex();
    if (chosen < 0)
        return;
    askToSaveBeforeLeaving();
    if (leaveCancelled) {
        leaveCancelled = false;
        departmentChoice_->setListIndexQuietly(curBusyo);
        return;
    }
    curBusyo = chosen;
    departmentChosen();
    loadAndFillList();
}

void RegisterWindow::onNameEdited() {
    editButtons_[0]->setEnabled(!isBlankName(nameBox_->text().toStdString()));
}

void RegisterWindow::onNameBoxEntered() {
    if (editButtons_[0]->isEnabled())
        onEditClicked(0);
}

bool RegisterWindow::selectionGroupEnabled() const {
    return editButtons_[1]->isEnabled();
}

// ---------------------------------------------------------------- commands

ListEditor RegisterWindow::editor() {
    return ListEditor(entries(), *setup_.counter, setup_.idRule, setup_.maxId);
}

void RegisterWindow::insertCommand() {
    storeDetails();
    std::string name = nameBox_->text().toStdString();
    if (!setup_.stripCommasWhileTyping) {
        name = KanmaNuki(name);
        nameBox_->setText(QString::fromStdString(name));
    }
    if (isBlankName(name))
        return;
    const ListEditor::Insertion done = editor().insert(name, selectedRow_);
    if (done.refusal != Refusal::None) {
        showRefusal(done.refusal);
        return;
    }
    nameBox_->clear();
    commonEnding();
}

void RegisterWindow::deleteCommand() {
    if (selectedRow_ < 0 || selectedRow_ >= entries().count())
        return;
    storeDetails();
    if (!askDelete())
        return;
    editor().remove(selectedRow_);
    commonEnding();
}

void RegisterWindow::renameCommand() {
    if (selectedRow_ < 0 || selectedRow_ >= entries().count())
        return;
    storeDetails();
    if (setup_.renameSavesList && listChanged_ && !setup_.saveBeforeRenameQuestion.isEmpty() &&
        msgBox(setup_.saveBeforeRenameQuestion, Buttons::YesNo, Icon::Question, std::nullopt,
               QStringLiteral("保存確認")) != Answer::Yes)
        return;
    if (!askRenameWarning())
        return;
    const int row = selectedRow_;
    renameIndex = renamePosition(row);
    if (setup_.busyPointerForRename)
        setMousePointer(Pointer::Busy);
    openRenameDialog();
    if (!applyRename(row))
        return;
    const bool saved = setup_.renameSavesList && saveList();
    commonEnding();
    if (saved && setup_.renameSaveUnmarks)
        listChanged_ = false;
}

void RegisterWindow::moveCommand(Move m) {
    if (selectedRow_ < 0 || selectedRow_ >= entries().count())
        return;
    storeDetails();
    listChanged_ = true; // also when the entry is at that end already
    const int to = editor().move(m, selectedRow_);
    if (to < 0)
        return;
    refillAndSelect(to);
}

QString renameWarningFor(const QString& what) {
    return QStringLiteral("異なる%1にする場合は「削除」「挿入」を行ってください。").arg(what);
}

void RegisterWindow::refillAndSelect(int row) {
    keepSelection = true;
    fillList();
    selectRow(row);
    keepSelection = false;
}

bool RegisterWindow::askDelete() {
    if (!setup_.deleteQuestion.isEmpty() &&
        msgBox(setup_.deleteQuestion, Buttons::OkCancel, Icon::Critical, std::nullopt,
               QStringLiteral("削除")) != Answer::Ok)
        return false;
    return msgBox(QStringLiteral("本当に削除しますか？"), Buttons::OkCancel, Icon::Warning,
                  std::nullopt, QStringLiteral("再確認")) == Answer::Ok;
}

bool RegisterWindow::askRenameWarning() {
    if (setup_.renameWarning.isEmpty())
        return true;
    return msgBox(QStringLiteral("名前を変更しても過去のデータはそのまま維持されます\r") +
                      setup_.renameWarning,
                  Buttons::OkCancel, Icon::Critical, std::nullopt,
                  QStringLiteral("変更確認")) == Answer::Ok;
}

bool RegisterWindow::applyRename(int row) {
    if (row < 0 || row >= entries().count())
        return false;
    if (editor().rename(row, renameResult) == Refusal::Duplicate) {
        showRefusal(Refusal::Duplicate);
        return false;
    }
    return true;
}

void RegisterWindow::commonEnding() {
    listChanged_ = true;
    fillList();
}

void RegisterWindow::selectRow(int row) {
    nameList_->setListIndex(row);
}

void RegisterWindow::setSelectionGroupEnabled(bool enabled) {
    editButtons_[1]->setEnabled(enabled);
    editButtons_[2]->setEnabled(enabled);
    for (QPushButton* b : moveButtons_)
        b->setEnabled(enabled);
}

void RegisterWindow::showRefusal(Refusal refusal) {
    switch (refusal) {
    case Refusal::None:
        break;
    case Refusal::Duplicate:
        msgBox(kDuplicate);
        break;
    case Refusal::Full:
        msgBox(QStringLiteral("これ以上登録できません。登録できるのは%1件までです。")
                   .arg(entries().capacity()),
               Buttons::Ok, Icon::Warning);
        break;
    case Refusal::IdsUsedUp:
        msgBox(QStringLiteral("新しいIDを発行できないため、これ以上登録できません。"), Buttons::Ok,
               Icon::Warning);
        break;
    }
}

void RegisterWindow::discardChanges() {
    entries().restoreKept();
    listChanged_ = false;
}

std::string RegisterWindow::departmentFile(std::string_view fileName) {
    if (curBusyo < 0 || curBusyo >= busyoCount || curBusyo >= static_cast<int>(busyoNames.size()))
        return {};
    return busyoFilePath(busyoNames[static_cast<size_t>(curBusyo)], fileName);
}

} // namespace lukana
