#pragma once
// The backup and recovery dialogs: the data root is copied to, or restored from, the folder
// rootName on another volume, or in any other folder the user picks (an external disk
// mounted elsewhere). A successful recovery sets recovDone, and the main window then ends the
// program through its exit routine; so does a recovery that failed after the data root was
// partly replaced, so that no window goes on with a mixed data set.
#include "platform/controls.h"
#include "platform/window.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QPushButton;

namespace lukana {

// The volume or folder chosen in either dialog; it stands where a drive letter would.
extern std::string backupDrive;

struct VolumeEntry {
    QString path;  // where it is mounted
    QString label; // its name, may be empty
};

// The persistent volumes that are mounted, ready and writable.
std::vector<VolumeEntry> writableVolumes();

// Test seams: the volume list, and the folder picked for "another folder", given the folder
// the choice starts in (nothing: the user cancelled).
using VolumeListHook = std::function<std::vector<VolumeEntry>()>;
void setVolumeListHook(VolumeListHook hook);
using FolderChoiceHook = std::function<std::optional<QString>(const QString& startFolder)>;
void setFolderChoiceHook(FolderChoiceHook hook);

// The drive list, its label and the buttons both dialogs share.
class DriveChoiceDialog : public platform::Window {
    Q_OBJECT
  public:
    platform::ComboBox* driveChoice() const { return driveChoice_; }
    QPushButton* otherFolderButton() const { return otherFolderButton_; } // another folder
    QPushButton* okButton() const { return okButton_; }                   // OK
    QPushButton* cancelButton() const { return cancelButton_; }           // キャンセル

    void onOtherFolderClicked();

  protected:
    DriveChoiceDialog(const QString& caption, const QString& label, QWidget* parent);
    void formLoad() override;
    void formActivate() override;
    QString entryPath(int index) const;

  private:
    void onDriveChanged();

    platform::ComboBox* driveChoice_;
    QLabel* driveLabel_;
    QPushButton* otherFolderButton_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
    bool restoring_ = false;
};

class BackupDialog : public DriveChoiceDialog {
    Q_OBJECT
  public:
    explicit BackupDialog(QWidget* parent = nullptr);
    void onOkClicked();
    void onCancelClicked();
};

class RecoveryDialog : public DriveChoiceDialog {
    Q_OBJECT
  public:
    explicit RecoveryDialog(QWidget* parent = nullptr);
    void onOkClicked();
    void onCancelClicked();
};

} // namespace lukana
