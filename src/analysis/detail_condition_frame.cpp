#include "detail_condition_frame.h"

#include "core/filter_texts.h"
#include "storage/routines.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include <cmath>

namespace lukana {

DetailConditionFrame::DetailConditionFrame(QWidget* parent)
    : QGroupBox(QStringLiteral("詳細条件"), parent) {
    auto* grid = new QGridLayout(this);
    for (int kind = 0; kind < 4; ++kind) {
        grid->addWidget(new QLabel(QString::fromStdString(personKindWords()[kind]), this), kind, 0);
        boxes_[kind] = new platform::TextBox(this);
        boxes_[kind]->setStripCommas(true);
        boxes_[kind]->setFixedWidth(36);
        boxes_[kind]->setText(QStringLiteral("0"));
        spinners_[kind] = new platform::Spinner(this);
        spinners_[kind]->setRange(0, 100);
        boxes_[kind]->onChange([this, kind] { onCountTyped(kind); });
        spinners_[kind]->onChange([this, kind] { onCountSpun(kind); });
        grid->addWidget(boxes_[kind], kind, 1);
        grid->addWidget(spinners_[kind], kind, 2);
        grid->addWidget(new QLabel(QStringLiteral("人"), this), kind, 3);
        // Each kind's modes in a container of their own, so that they exclude only one another.
        auto* modes = new QWidget(this);
        auto* row = new QHBoxLayout(modes);
        row->setContentsMargins(0, 0, 0, 0);
        for (int mode = 0; mode < 3; ++mode) {
            auto* button =
                new platform::OptionButton(QString::fromStdString(detailModeWords()[mode]), modes);
            button->setChecked(mode == 0);
            button->onChange([this, kind, mode] { modes_[kind] = mode; });
            modeButtons_[kind][mode] = button;
            row->addWidget(button);
        }
        grid->addWidget(modes, kind, 4);
    }
    recalculateButton_ = new QPushButton(QStringLiteral("再計算"), this);
    connect(recalculateButton_, &QPushButton::clicked, this, [this] {
        if (recalculate_)
            recalculate_();
    });
    grid->addWidget(recalculateButton_, 4, 0, 1, 5);
}

std::array<int, 4> DetailConditionFrame::counts() const {
    std::array<int, 4> counts{};
    for (int kind = 0; kind < 4; ++kind)
        counts[kind] = spinners_[kind]->value();
    return counts;
}

void DetailConditionFrame::onCountTyped(int kind) {
    platform::TextBox* box = boxes_[kind];
    const double v = leadingNumber(box->text().toStdString());
    // Each correction runs this handler again for its own text.
    if (v < 0) {
        box->setText(QStringLiteral("0"));
        return;
    }
    if (v > 100) {
        box->setText(QStringLiteral("100"));
        return;
    }
    spinners_[kind]->setValueFromBox(static_cast<int>(std::nearbyint(v)));
}

void DetailConditionFrame::onCountSpun(int kind) {
    if (!spinners_[kind]->fromBox())
        boxes_[kind]->setText(QString::number(spinners_[kind]->value()));
}

} // namespace lukana
