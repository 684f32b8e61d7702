#include "amount_panel.h"

#include "platform/controls.h"
#include "platform/figure_label.h"
#include "platform/text.h"
#include "storage/display_format.h"

#include <QEvent>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QStackedLayout>

#include <algorithm>

namespace lukana {

namespace {

QFont amountFont() {
    QFont f(QStringLiteral("Courier New"), 9);
    f.setBold(true);
    return f;
}

// The width a label needs to show this text whole, its frame and indent included.
int labelWidthFor(QLabel& label, const QString& text) {
    const QString kept = label.text();
    label.setText(text);
    const int width = label.sizeHint().width();
    label.setText(kept);
    return width;
}

} // namespace

AmountPanel::AmountPanel(AmountSheet& sheet, QWidget* parent)
    : QObject(parent), sheet_(sheet), fixedCosts_(new platform::TextBox(parent)),
      runningProfit_(new platform::FigureLabel(parent)),
      cardCaption_(new QLabel(QStringLiteral("累計クレジット"), parent)),
      cardFigure_(new platform::FigureLabel(parent)) {
    // Every box and label shows the widest figure whole, its minus sign too.
    const QString widestTyped = platform::toQString(plainDecimal(kWidestAmount));
    const QString widestShown = platform::toQString(Format(kWidestAmount, "###,##0"));
    for (int i : kAmountBoxes) {
        auto* field = new QWidget(parent);
        auto* stack = new QStackedLayout(field);
        stack->setStackingMode(QStackedLayout::StackAll);
        stack->setContentsMargins(0, 0, 0, 0);
        auto* label = new platform::FigureLabel(field);
        label->setFont(amountFont());
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->installEventFilter(this);
        auto* box = new platform::TextBox(field);
        box->setFont(amountFont());
        box->setAlignment(Qt::AlignRight);
        box->setStripCommas(true);
        box->setMaxDigits(platform::kAmountDigits);
        box->setAttribute(Qt::WA_InputMethodEnabled, false);
        box->installEventFilter(this);
        box->hide();
        box->setWidestText(widestTyped);
        stack->addWidget(label);
        stack->addWidget(box);
        field->setMinimumWidth(std::max(box->minimumWidth(), labelWidthFor(*label, widestShown)));
        field->setFixedHeight(box->sizeHint().height());
        box->onChange([this, i] { typed(i); });
        fields_[i] = field;
        labels_[i] = label;
        boxes_[i] = box;
    }
    fixedCosts_->setStripCommas(true);
    fixedCosts_->setMaxDigits(platform::kAmountDigits);
    fixedCosts_->setAlignment(Qt::AlignRight);
    fixedCosts_->setAttribute(Qt::WA_InputMethodEnabled, false);
    fixedCosts_->installEventFilter(this);
    fixedCosts_->setWidestText(widestTyped);
    fixedCosts_->onChange([this] {
        if (!mirroring_)
            sheet_.writeFixedCosts(fixedCosts_->text().toStdString());
    });
    for (QLabel* l : {runningProfit_, cardFigure_}) {
        l->setFont(QFont(QStringLiteral("Courier New"), 9));
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setMinimumWidth(labelWidthFor(*l, widestShown));
        l->installEventFilter(this);
    }
    sheet_.onChanged = [this](int field) { follow(field); };
}

void AmountPanel::follow(int field) {
    const bool was = mirroring_;
    mirroring_ = true;
    if (field == AmountSheet::kFixedCosts) {
        if (fixedCosts_->text() != platform::toQString(sheet_.fixedCostsText()))
            fixedCosts_->setText(platform::toQString(sheet_.fixedCostsText()));
    } else if (field == AmountSheet::kRunningProfit) {
        runningProfit_->setText(platform::toQString(sheet_.runningProfit()));
    } else if (field == AmountSheet::kCardSales) {
        cardCaption_->setText(platform::toQString(sheet_.cardSales().caption));
        cardFigure_->setText(platform::toQString(sheet_.cardSales().figure));
    } else if (hasAmountBox(field)) {
        const QString text = platform::toQString(sheet_.text(field));
        if (boxes_[field]->text() != text)
            boxes_[field]->setText(text);
        labels_[field]->setText(platform::toQString(amountLabelText(field, sheet_.text(field))));
    }
    mirroring_ = was;
    if (hasAmountBox(field) && onBoxChanged)
        onBoxChanged(field);
}

void AmountPanel::typed(int box) {
    if (mirroring_)
        return;
    sheet_.write(box, boxes_[box]->text().toStdString());
}

void AmountPanel::open(int box) {
    if (!hasAmountBox(box))
        return;
    boxes_[box]->show();
    boxes_[box]->raise();
    boxes_[box]->setFocus();
    boxes_[box]->selectAll();
}

void AmountPanel::hideBoxes() {
    for (int i : kAmountBoxes)
        boxes_[i]->hide();
}

void AmountPanel::showZeroLabel(int box) {
    labels_.at(box)->setText(QStringLiteral("0"));
}

void AmountPanel::enter(int box) {
    nextBox_ = nextBoxOnEnter(box, nextBox_);
    boxes_[box]->hide();
    open(nextBox_);
}

bool AmountPanel::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress && onClicked)
        onClicked();
    for (int i : kAmountBoxes) {
        if (watched == labels_[i] && type == QEvent::MouseButtonPress) {
            open(i);
            return true;
        }
        if (watched == boxes_[i]) {
            if (type == QEvent::FocusOut)
                boxes_[i]->hide();
            if (type == QEvent::KeyPress) {
                const int key = static_cast<QKeyEvent*>(event)->key();
                if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                    enter(i);
                    return true;
                }
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace lukana
