#include "psentaku.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace lukana {

int psentakuCancelled = 0;
int psentakuIndex = 0;

PSentaku::PSentaku(QWidget* parent)
    : Window(parent), Command2(new QPushButton(QStringLiteral("キャンセル"), this)) {
    setWindowTitle(QStringLiteral("印刷方法の選択"));
    auto* layout = new QVBoxLayout(this);
    const char* captions[] = {"シフト表だけ", "時間帯集計表だけ", "両方"};
    for (int i = 0; i < 3; ++i) {
        Command1[static_cast<size_t>(i)] = new QPushButton(QString::fromUtf8(captions[i]), this);
        layout->addWidget(Command1[static_cast<size_t>(i)]);
        connect(Command1[static_cast<size_t>(i)], &QPushButton::clicked, this,
                [this, i] { Command1_Click(i); });
    }
    layout->addWidget(Command2);
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void PSentaku::formLoad() {
    psentakuCancelled = 1;
}

void PSentaku::Command1_Click(int index) {
    psentakuCancelled = 0;
    psentakuIndex = index;
    closeWindow();
}

void PSentaku::Command2_Click() {
    psentakuCancelled = 1;
    closeWindow();
}

} // namespace lukana
