#include "printer_method_choice.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace lukana {

int psentakuCancelled = 0;
int psentakuIndex = 0;

PrinterMethodChoice::PrinterMethodChoice(QWidget* parent)
    : Window(parent), cancelButton(new QPushButton(QStringLiteral("キャンセル"), this)) {
    setWindowTitle(QStringLiteral("印刷方法の選択"));
    makeFixedDialog();
    setEscapeButton(cancelButton);
    auto* layout = new QVBoxLayout(this);
    const char* captions[] = {"シフト表だけ", "時間帯集計表だけ", "両方"};
    for (int i = 0; i < 3; ++i) {
        methodButtons[static_cast<size_t>(i)] =
            new QPushButton(QString::fromUtf8(captions[i]), this);
        layout->addWidget(methodButtons[static_cast<size_t>(i)]);
        connect(methodButtons[static_cast<size_t>(i)], &QPushButton::clicked, this,
                [this, i] { onMethodClicked(i); });
    }
    layout->addWidget(cancelButton);
    connect(cancelButton, &QPushButton::clicked, this, [this] { onCancelClicked(); });
}

void PrinterMethodChoice::formLoad() {
    psentakuCancelled = 1;
}

void PrinterMethodChoice::onMethodClicked(int index) {
    psentakuCancelled = 0;
    psentakuIndex = index;
    closeWindow();
}

void PrinterMethodChoice::onCancelClicked() {
    psentakuCancelled = 1;
    closeWindow();
}

} // namespace lukana
