#pragma once
// RegisterWindow: the one list-editor window every register is built on. A list of names in
// stored order, a name box, insert / delete / rename, four moves, save and back, and the leave
// question when there are unsaved changes.
//
// How a register plugs in:
// - Derive from RegisterWindow and hand it a RegisterSetup: caption, help text, the leave
//   question, the delete question and rename warning (or none), the id counter with its rule
//   and bound, and whether the window has the department choice that changes curBusyo.
// - Implement entries() (the shared list in memory, usually a RecordList or ParallelList from
//   register_list.h), readList() and writeList() (call the storage reader or writer on its
//   path through a RegisterFileGuard of damaged_files.h, so that a damaged file is moved aside and
//   never written over; readList also does whatever the register does when its file cannot
//   be read; a register that works on the list in memory only reads nothing) and
//   openRenameDialog() (set registerKind or supplierRenameMode if needed and runModal the dialog).
// - Registers with details put their controls into detailsPanel() and override
//   showSelectedEntry (fill the controls from the selected entry), storeDetails (take the
//   controls into the selected entry), clearDetails
//   (what a refill of the list empties) and departmentChosen (runs before the chosen
//   department's list loads).
// - A rename that saves the whole list at once is a setup choice. Registers whose commands
//   differ further (a filtered view, a rename that moves a folder) override insertCommand,
//   deleteCommand, moveCommand, renamePosition or applyRename and reuse the protected steps.
// The window keeps the rest: selection, the selection group, capacity and id refusals,
// save failures (reported; the list stays marked changed) and discarding back to the list as
// last read or saved.
#include "platform/controls.h"
#include "platform/window.h"
#include "register_list.h"
#include "storage/status.h"

#include <QString>

#include <array>
#include <climits>
#include <string>
#include <string_view>

class QLabel;
class QPushButton;

namespace lukana {

struct RegisterSetup {
    QString caption;
    QString help;           // helpLabel
    QString leaveQuestion;  // "…に変更があります。保存しますか？"
    QString deleteQuestion; // asked before "本当に削除しますか？"; empty: that one only
    QString renameWarning;  // second line of the rename warning; empty: no warning
    int* counter = nullptr; // the id counter in storage/state.h
    IdRule idRule = IdRule::AboveLargest;
    int maxId = INT_MAX;
    bool departmentChooser = false;     // a department choice that changes curBusyo
    bool detailsBesideList = false;     // else below it
    bool stripCommasWhileTyping = true; // else commas go when the name is inserted
    bool busyPointerForRename = true;
    // A rename saves the whole list at once, earlier unsaved edits included.
    bool renameSavesList = false;
    // With renameSavesList: asked first while there are unsaved edits (empty: nothing asked),
    // and whether a good save leaves the list unchanged (else leaving asks all the same).
    QString saveBeforeRenameQuestion;
    bool renameSaveUnmarks = true;
};

// The second line of a rename warning: a different `what` wants delete and insert instead.
QString renameWarningFor(const QString& what);

class RegisterWindow : public platform::Window {
    Q_OBJECT
  public:
    explicit RegisterWindow(RegisterSetup setup, QWidget* parent = nullptr);

    // The list-editor controls.
    platform::ComboBox* departmentChoice() const { return departmentChoice_; }
    platform::ListBox* nameList() const { return nameList_; }
    platform::TextBox* nameBox() const { return nameBox_; }
    const std::array<QPushButton*, 3>& editButtons() const { return editButtons_; }
    const std::array<QPushButton*, 4>& moveButtons() const { return moveButtons_; }
    QPushButton* saveButton() const { return saveButton_; }
    QPushButton* backButton() const { return backButton_; }
    QLabel* helpLabel() const { return helpLabel_; }

    // Window state.
    int selectedRow() const { return selectedRow_; }
    bool listChanged() const { return listChanged_; }
    // Tests drop the changes so that closing asks nothing.
    void setListChanged(bool changed) { listChanged_ = changed; }

    // False when a file could not be written; the user has been told and listChanged stays.
    bool saveList();
    // Reads the list from its file again; what was read is the list discarding goes back to.
    void reloadList();
    // The names of the list into the list box; the selection goes unless keepSelection is set.
    void fillList();
    // With unsaved changes: save? (yes saves, no asks once more before discarding, cancel
    // stays). Sets leaveCancelled when the user stays, or when the save failed.
    void askToSaveBeforeLeaving();
    void loadAndFillList();

    // Handlers, as the controls run them.
    void onEditClicked(int index);
    void onMoveClicked(int index);
    void onSaveClicked();
    void onBackClicked();
    void onListClicked();
    void onDepartmentChoiceChanged();
    void onNameEdited();
    void onNameBoxEntered();

    bool selectionGroupEnabled() const;

  protected:
    // The list-editor controls.
    platform::ComboBox* departmentChoice_ = nullptr; // only with departmentChooser
    platform::ListBox* nameList_;
    platform::TextBox* nameBox_;
    std::array<QPushButton*, 3> editButtons_; // insert, delete, rename
    std::array<QPushButton*, 4> moveButtons_; // up, down, top, bottom
    QPushButton* saveButton_;                 // save
    QPushButton* backButton_;                 // back
    QLabel* helpLabel_;

    // Window state.
    int selectedRow_ = -1;
    bool listChanged_ = false;
    bool leaveCancelled = false;
    bool keepSelection = false; // a refill of the list keeps the selection

    void formLoad() override;
    void formActivate() override;
    bool queryUnload() override;

    virtual RegisterEntries& entries() = 0;
    virtual void readList() {}
    virtual Status writeList() = 0;
    virtual void openRenameDialog() = 0;

    virtual void showSelectedEntry() {}
    virtual void storeDetails() {}
    virtual void clearDetails() {}
    virtual void departmentChosen() {}

    virtual void insertCommand();
    virtual void deleteCommand();
    void renameCommand();
    virtual void moveCommand(Move m);

    // Steps the commands are made of.
    ListEditor editor();
    bool askDelete();
    bool askRenameWarning();
    // The position the rename dialog reads for a row of the list (renameIndex).
    virtual int renamePosition(int row) const { return row; }
    // Takes renameResult into the entry of this row; false (and said so) when refused.
    virtual bool applyRename(int row);
    void commonEnding(); // after insert, delete and rename
    void selectRow(int row);
    // Refills the list without dropping the selection, then selects row (after a move).
    void refillAndSelect(int row);
    void setSelectionGroupEnabled(bool enabled);
    void showRefusal(Refusal refusal);
    void discardChanges();

    QWidget* detailsPanel() const { return details_; }
    const RegisterSetup& setup() const { return setup_; }
    // A file in the folder of department curBusyo; empty when no department is chosen.
    static std::string departmentFile(std::string_view fileName);

  private:
    void fillDepartments();
    RegisterSetup setup_;
    QWidget* details_;
};

} // namespace lukana
