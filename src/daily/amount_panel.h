#pragma once
// The amount boxes of the daily report on screen: each box lies over a label that shows its
// value; a click on the label brings the box up for typing, Enter moves on by the entry route
// and losing the focus hides the box again. The texts and the reconciliation live in the
// AmountSheet; the panel only mirrors them.
#include "core/amount_sheet.h"

#include <QObject>

#include <array>
#include <functional>

class QLabel;
class QWidget;

namespace lukana {

namespace platform {
class TextBox;
}

class AmountPanel : public QObject {
    Q_OBJECT
  public:
    AmountPanel(AmountSheet& sheet, QWidget* parent);

    // The box and its label, stacked, for the window's layout.
    QWidget* field(int box) const { return fields_.at(box); }
    platform::TextBox* box(int i) const { return boxes_.at(i); }
    QLabel* label(int i) const { return labels_.at(i); }
    platform::TextBox* fixedCostsBox() const { return fixedCosts_; }
    QLabel* runningProfitLabel() const { return runningProfit_; }
    QLabel* cardSalesCaption() const { return cardCaption_; }
    QLabel* cardSalesLabel() const { return cardFigure_; }

    // Brings a box up over its label and gives it the focus.
    void open(int box);
    // Hides every box; the labels show the values.
    void hideBoxes();
    // A label without a value shows "0" (a day shown without the amount).
    void showZeroLabel(int box);
    int lastOpened() const { return nextBox_; }

    // A box's text changed (typed or computed), after the label follows.
    std::function<void(int box)> onBoxChanged;
    // Any click on a box, a label or a figure: the window hides its grid editors.
    std::function<void()> onClicked;

  private:
    void follow(int field);
    void typed(int box);
    void enter(int box);
    bool eventFilter(QObject* watched, QEvent* event) override;

    AmountSheet& sheet_;
    std::array<QWidget*, kAmountIndexCount> fields_{};
    std::array<platform::TextBox*, kAmountIndexCount> boxes_{};
    std::array<QLabel*, kAmountIndexCount> labels_{};
    platform::TextBox* fixedCosts_;
    QLabel* runningProfit_;
    QLabel* cardCaption_;
    QLabel* cardFigure_;
    int nextBox_ = 0;
    bool mirroring_ = false; // the panel writes a box from the sheet
};

} // namespace lukana
