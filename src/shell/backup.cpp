#include "backup.h"

#include "data_transfer.h"
#include "dialog_support.h"
#include "platform/message_box.h"
#include "platform/pointer.h"
#include "shell_state.h"
#include "storage/paths.h"
#include "volume_table.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStorageInfo>
#include <QVBoxLayout>

#include <filesystem>

namespace lukana {

using namespace platform;

std::string backupDrive;

namespace {

VolumeListHook& volumeHook() {
    static VolumeListHook hook;
    return hook;
}

FolderChoiceHook& folderHook() {
    static FolderChoiceHook hook;
    return hook;
}

bool isReady(const QString& path) {
    const QStorageInfo volume(path);
    return volume.isValid() && volume.isReady() && QFileInfo(path).isDir();
}

QString entryText(const VolumeEntry& v) {
    return v.label.isEmpty() ? v.path : QStringLiteral("%1 (%2)").arg(v.path, v.label);
}

std::string local(const QString& path) {
    return QDir::toNativeSeparators(path).toStdString();
}

} // namespace

std::vector<VolumeEntry> writableVolumes() {
    if (volumeHook())
        return volumeHook()();
    std::vector<VolumeEntry> list;
    QFile mounts(QStringLiteral("/proc/self/mounts"));
    if (!mounts.open(QIODevice::ReadOnly))
        return list;
    for (const std::string& point : persistentMountPoints(mounts.readAll().toStdString())) {
        const QStorageInfo v(QString::fromStdString(point));
        if (v.isValid() && v.isReady() && !v.isReadOnly())
            list.push_back({v.rootPath(), v.name()});
    }
    return list;
}

void setVolumeListHook(VolumeListHook hook) {
    volumeHook() = std::move(hook);
}
void setFolderChoiceHook(FolderChoiceHook hook) {
    folderHook() = std::move(hook);
}

// ---------------------------------------------------------------- the shared drive choice

DriveChoiceDialog::DriveChoiceDialog(const QString& caption, const QString& label, QWidget* parent)
    : Window(parent), driveChoice_(new ComboBox(this)), driveLabel_(new QLabel(label, this)),
      otherFolderButton_(new QPushButton(QStringLiteral("別のフォルダー..."), this)),
      okButton_(new QPushButton(QStringLiteral("OK"), this)),
      cancelButton_(new QPushButton(QStringLiteral("キャンセル"), this)) {
    setWindowTitle(caption);
    makeFixedDialog();
    setEscapeButton(cancelButton_);
    auto* choice = new QHBoxLayout;
    choice->addWidget(driveChoice_, 1);
    choice->addWidget(otherFolderButton_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(driveLabel_);
    layout->addLayout(choice);
    layout->addLayout(buttons);
    setMinimumWidth(420);

    driveChoice_->onChange([this] { onDriveChanged(); });
    connect(otherFolderButton_, &QPushButton::clicked, this, [this] { onOtherFolderClicked(); });
}

void DriveChoiceDialog::formLoad() {
    FlagScope filling(restoring_); // filling the list is no choice of the user's
    driveChoice_->clear();
    int start = 0;
    size_t longest = 0;
    for (const VolumeEntry& v : writableVolumes()) {
        driveChoice_->addItem(entryText(v), v.path);
        // Like a drive list, it starts on the volume of the program's data.
        const std::string mount = local(v.path);
        if (!mount.empty() && isSameDrive(mount) && mount.size() > longest) {
            longest = mount.size();
            start = driveChoice_->count() - 1;
        }
    }
    driveChoice_->setListIndex(driveChoice_->count() > 0 ? start : -1);
}

void DriveChoiceDialog::formActivate() {
    backupDrive = local(entryPath(driveChoice_->listIndex()));
    setMousePointer(Pointer::Normal);
}

QString DriveChoiceDialog::entryPath(int index) const {
    return index >= 0 ? driveChoice_->itemData(index).toString() : QString();
}

void DriveChoiceDialog::onDriveChanged() {
    if (restoring_)
        return;
    const QString path = entryPath(driveChoice_->listIndex());
    if (path.isEmpty())
        return;
    if (!isReady(path)) {
        msgBox(QStringLiteral("デバイスが準備されていません"));
        FlagScope restoring(restoring_);
        driveChoice_->setListIndex(driveChoice_->findData(QString::fromStdString(backupDrive)));
        return;
    }
    backupDrive = local(path);
}

void DriveChoiceDialog::onOtherFolderClicked() {
    // The user's own folders lie below home; the program's working folder means nothing to them.
    const QString start = QDir::homePath();
    std::optional<QString> folder;
    if (folderHook())
        folder = folderHook()(start);
    else {
        const QString chosen = QFileDialog::getExistingDirectory(this, windowTitle(), start);
        if (!chosen.isEmpty())
            folder = chosen;
    }
    if (!folder)
        return;
    int index = driveChoice_->findData(*folder);
    if (index < 0) {
        driveChoice_->addItem(*folder, *folder);
        index = driveChoice_->count() - 1;
    }
    driveChoice_->setListIndex(index);
}

// ---------------------------------------------------------------- backup

BackupDialog::BackupDialog(QWidget* parent)
    : DriveChoiceDialog(QStringLiteral("データのバックアップ"),
                        QStringLiteral("バックアップ先のドライブを指定してください。"), parent) {
    connect(okButton(), &QPushButton::clicked, this, [this] { onOkClicked(); });
    connect(cancelButton(), &QPushButton::clicked, this, [this] { onCancelClicked(); });
}

void BackupDialog::onOkClicked() {
    if (backupDrive.empty()) {
        msgBox(QStringLiteral("フォルダが選択されていません"));
        return;
    }
    // The same drive: the chosen folder is the data root, lies inside it or holds it, so the
    // copy would land in its own source.
    if (isSameDrive(backupDrive)) {
        msgBox(QStringLiteral("同じドライブには処理できません。"));
        return;
    }
    setMousePointer(Pointer::Busy);
    const Status copied = backupDataRoot(backupDrive);
    setMousePointer(Pointer::Normal);
    if (!copied) {
        msgBox(QStringLiteral("書き込みに失敗しました。フロッピーディスクならば書込み保護か、または"
                              "データが入りきらない可能性があります。その場合は別のデバイス(MOな"
                              "ど)をご用意ください。"));
        return;
    }
    msgBox(QStringLiteral("バックアップが正常に終了しました"));
    unloadWindow();
}

void BackupDialog::onCancelClicked() {
    unloadWindow();
}

// ---------------------------------------------------------------- recovery

RecoveryDialog::RecoveryDialog(QWidget* parent)
    : DriveChoiceDialog(QStringLiteral("データのリカバリー"),
                        QStringLiteral("バックアップの保存してあるドライブを指定してください。"),
                        parent) {
    connect(okButton(), &QPushButton::clicked, this, [this] { onOkClicked(); });
    connect(cancelButton(), &QPushButton::clicked, this, [this] { onCancelClicked(); });
}

void RecoveryDialog::onOkClicked() {
    if (backupDrive.empty()) {
        msgBox(QStringLiteral("フォルダが選択されていません"));
        return;
    }
    if (isSameDrive(backupDrive)) {
        msgBox(QStringLiteral("同じドライブから処理できません。"));
        return;
    }
    const std::string source = transferFolder(backupDrive);
    if (foldersOverlap(source, stagingFolder())) {
        msgBox(QStringLiteral("コピー元とコピー先が重なっているため処理できません。"));
        return;
    }
    std::error_code ec;
    if (!std::filesystem::is_directory(source, ec)) {
        msgBox(QStringLiteral("そのドライブにバックアップデータはありません"));
        return;
    }
    setMousePointer(Pointer::Busy);
    const RestoreOutcome outcome = restoreDataRoot(backupDrive);
    setMousePointer(Pointer::Normal);
    if (outcome.status) {
        msgBox(QStringLiteral("リカバリーが正常に終了しました。リカバリーしたデータを利用するため"
                              "にソフトを終了しますので、もう一度起動してください。"));
        recovDone = 1;
        unloadWindow();
        return;
    }
    const QString reason = QString::fromStdString(outcome.status.message());
    if (!outcome.dataRootTouched) {
        msgBox(QStringLiteral("リカバリー失敗しました。\r本体のデータは元のままです。\r%1")
                   .arg(reason));
        return;
    }
    // The data root now mixes restored and older files: no window may go on with that.
    msgBox(QStringLiteral("リカバリー失敗しました。\r本体のデータは一部だけ置き換えられています。"
                          "ソフトを終了しますので、もう一度リカバリーしてください。\r%1")
               .arg(reason),
           Buttons::Ok, Icon::Critical);
    recovDone = 1;
    unloadWindow();
}

void RecoveryDialog::onCancelClicked() {
    recovDone = 0;
    unloadWindow();
}

} // namespace lukana
