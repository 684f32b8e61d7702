#include "department_stand_in.h"

#include "platform/message_box.h"
#include "storage/masters.h"
#include "storage/paths.h"
#include "storage/state.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <filesystem>

namespace lukana {

using namespace platform;

Status addDepartment(const std::string& name) {
    if (!isSafeFolderName(name))
        return Status::failure("部署名はフォルダー名に使える文字で入力してください。");
    if (busyoCount >= kBusyoCapacity)
        return Status::failure("これ以上部署を登録できません。");
    for (int i = 0; i < busyoCount; ++i)
        if (busyoRecs[static_cast<size_t>(i)].name == name)
            return Status::failure("同じ名前の部署があります。");

    std::error_code ec;
    const std::string folder = busyoFolderPath(name);
    std::filesystem::create_directory(folder, ec);
    if (!std::filesystem::is_directory(folder, ec))
        return Status::failure("部署のフォルダーを作成できません: " + folder);

    const int savedCounter = ttidKyoutuu;
    int largest = 0;
    for (int i = 0; i < busyoCount; ++i)
        largest = std::max(largest, busyoRecs[static_cast<size_t>(i)].id);
    ttidKyoutuu = std::max(ttidKyoutuu, largest) + 2;
    BusyoRec rec;
    rec.name = name;
    rec.id = ttidKyoutuu;
    const BusyoRec previous = busyoRecs[static_cast<size_t>(busyoCount)];
    busyoRecs[static_cast<size_t>(busyoCount)] = rec;
    ++busyoCount;
    filePath = rootFilePath("misena.dat");
    if (Status s = misenaHozon(); !s) {
        --busyoCount;
        busyoRecs[static_cast<size_t>(busyoCount)] = previous;
        rebuildBusyoLists();
        ttidKyoutuu = savedCounter;
        return Status::failure("misena.dat を保存できませんでした。\r" + s.message());
    }
    filePath = rootFilePath("ttid.dat");
    if (Status s = ttidHozon(); !s)
        return Status::failure("ttid.dat を保存できませんでした。\r" + s.message());
    return {};
}

DepartmentStandIn::DepartmentStandIn(QWidget* parent)
    : Window(parent), txtName(new TextBox(this)),
      addButton(new QPushButton(QStringLiteral("登録"), this)),
      closeButton(new QPushButton(QStringLiteral("閉じる"), this)) {
    setWindowTitle(QStringLiteral("部署の登録"));
    txtName->setStripCommas(true);
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("部署名"), this), 0, 0);
    grid->addWidget(txtName, 0, 1, 1, 2);
    grid->addWidget(addButton, 1, 1);
    grid->addWidget(closeButton, 1, 2);
    connect(addButton, &QPushButton::clicked, this, [this] { onAddClicked(); });
    connect(txtName, &QLineEdit::returnPressed, this, [this] { onAddClicked(); });
    connect(closeButton, &QPushButton::clicked, this, [this] { closeWindow(); });
}

void DepartmentStandIn::onAddClicked() {
    if (Status s = addDepartment(txtName->text().toStdString()); !s) {
        msgBox(QString::fromStdString(s.message()), Buttons::Ok, Icon::Warning);
        return;
    }
    closeWindow();
}

} // namespace lukana
