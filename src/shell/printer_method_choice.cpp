#include "printer_method_choice.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace lukana {

int printMethodCancelled = 0;
int printMethodIndex = 0;

PrinterMethodChoice::PrinterMethodChoice(QWidget* parent)
    : Window(parent), cancelButton_(new QPushButton(QStringLiteral("キャンセル"), this)) {
    setWindowTitle(QStringLiteral("印刷方法の選択"));
    makeFixedDialog();
    setEscapeButton(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    const char* captions[] = {"シフト表だけ", "時間帯集計表だけ", "両方"};
    for (int i = 0; i < 3; ++i) {
        methodButtons_[static_cast<size_t>(i)] =
            new QPushButton(QString::fromUtf8(captions[i]), this);
        layout->addWidget(methodButtons_[static_cast<size_t>(i)]);
        connect(methodButtons_[static_cast<size_t>(i)], &QPushButton::clicked, this,
                [this, i] { onMethodClicked(i); });
    }
    layout->addWidget(cancelButton_);
    connect(cancelButton_, &QPushButton::clicked, this, [this] { onCancelClicked(); });
}

void PrinterMethodChoice::formLoad() {
    printMethodCancelled = 1;
}

void PrinterMethodChoice::onMethodClicked(int index) {
    printMethodCancelled = 0;
    printMethodIndex = index;
    closeWindow();
}

void PrinterMethodChoice::onCancelClicked() {
    printMethodCancelled = 1;
    closeWindow();
}

} // namespace lukana
