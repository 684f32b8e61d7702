#pragma once
// The filter lists of a summary window: parties, account title, sub-account and entry type,
// with the match mode in the period list and the monthly summary. A choice is recorded in
// filterSel; a new account title refills the sub-accounts; the window is told to
// recalculate unless it is still filling the lists.
#include "core/filters.h"
#include "platform/controls.h"

#include <QWidget>

#include <array>
#include <functional>

namespace lukana {

class FilterControls : public QWidget {
    Q_OBJECT
  public:
    enum class Kind { Summary, CashBook };
    explicit FilterControls(Kind kind, QWidget* parent = nullptr);

    // Indexed by FilterList; the cash book has no from-party list (null).
    std::array<platform::ComboBox*, 5> lists{};
    // "両方一致" and "どちらか一致"; null in the cash book.
    std::array<platform::OptionButton*, 2> matchOptions{};

    // Clears filterSel and fills the lists, choosing their first items, without a
    // recalculation.
    void fill();
    const PartyList& parties() const { return parties_; }
    int matchMode() const { return matchMode_; }
    QString shownText(FilterList list) const;

    // A choice in a list (the index of the list) or of the match mode, after it is recorded.
    void onChosen(std::function<void(int list)> handler) { chosen_ = std::move(handler); }
    void onMatchModeChosen(std::function<void()> handler) { matchChosen_ = std::move(handler); }

  private:
    void listChosen(int list);

    Kind kind_;
    PartyList parties_;
    int matchMode_ = kBothMatch;
    bool formLoading_ = false;
    std::function<void(int)> chosen_;
    std::function<void()> matchChosen_;
};

} // namespace lukana
