#pragma once
// The order panel of one guest slip: its menu items under a category filter, the slip's
// quantities, the order total and piece count, and a quantity editor over the cell clicked.
#include "storage/state.h"

#include <QFrame>

#include <functional>
#include <vector>

class QLabel;

namespace lukana::platform {
class ComboBox;
class Grid;
class TextBox;
} // namespace lukana::platform

namespace lukana {

class OrderPanel : public QFrame {
    Q_OBJECT
  public:
    explicit OrderPanel(QWidget* parent = nullptr);

    // The controls, for tests.
    QLabel* caption() const { return caption_; }
    platform::ComboBox* filter() const { return filter_; }
    platform::Grid* orders() const { return orders_; }
    platform::TextBox* quantityEditor() const { return quantityEditor_; }

    // Called before a quantity is stored; false when the slip cannot take it (the window
    // counts the entry slip here).
    std::function<bool()> beforeEdit;
    // Called after the slip's lines changed, with the new order total.
    std::function<void(double total)> afterEdit;
    // The panel was hidden (not its window).
    std::function<void()> onHidden;

    // Shows the orders of slip `slip` of day, on all menu items.
    void openFor(NippouDay& day, int slip);
    void hideEditor();

  protected:
    void hideEvent(QHideEvent* event) override;

  private:
    void fill(int filterIndex);
    void showTotal();
    // The price and quantity columns show their widest text whole; the menu names keep the
    // rest of the grid's width and are cut at their rule.
    void fitColumns();
    void onOrderClicked();
    void onQuantityChanged();
    bool onQuantityKey(int key);
    int lastMenuRow() const;

    QLabel* caption_;
    platform::ComboBox* filter_; // 全てのメニュー, then the categories
    platform::Grid* orders_;
    platform::TextBox* quantityEditor_;
    int priceWidth_ = 0; // twips: at least the widest twelve-digit total

    NippouDay* day_ = nullptr;
    int slip_ = 0;
    std::vector<int> shown_; // positions in menudRecs of the rows below the heading
};

} // namespace lukana
