#include "filter_controls.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

namespace lukana {

using namespace platform;

namespace {

void setItems(ComboBox* list, const std::vector<std::string>& items) {
    list->clear();
    for (const std::string& item : items)
        list->addItem(QString::fromStdString(item));
}

} // namespace

FilterControls::FilterControls(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto addList = [&](int index, const char* caption, QGridLayout* into, int column) {
        lists[index] = new ComboBox(this);
        lists[index]->setMinimumWidth(130);
        into->addWidget(new QLabel(QString::fromUtf8(caption), this), 0, column);
        into->addWidget(lists[index], 1, column);
        lists[index]->onChange([this, index] { listChosen(index); });
    };
    addList(kEntryType, "種別", layout, 0);
    if (kind == Kind::Summary) {
        auto* parties = new QGroupBox(this);
        auto* inner = new QGridLayout(parties);
        addList(kFromParty, "どこから", inner, 0);
        addList(kToParty, "どこへ", inner, 1);
        matchOptions[0] = new OptionButton(QStringLiteral("両方一致"), parties);
        matchOptions[1] = new OptionButton(QStringLiteral("どちらか一致"), parties);
        inner->addWidget(matchOptions[0], 0, 2);
        inner->addWidget(matchOptions[1], 1, 2);
        for (int mode = 0; mode < 2; ++mode)
            matchOptions[mode]->onChange([this, mode] {
                matchMode_ = mode;
                if (!formLoading_ && matchChosen_)
                    matchChosen_();
            });
        layout->addWidget(parties, 0, 1, 2, 1);
        addList(kAccountTitle, "勘定科目", layout, 2);
        addList(kSubAccount, "補助科目", layout, 3);
    } else {
        addList(kToParty, "表示会計", layout, 1);
        addList(kAccountTitle, "勘定科目", layout, 2);
        addList(kSubAccount, "補助科目", layout, 3);
    }
}

void FilterControls::fill() {
    filterSel.fill(0);
    formLoading_ = true;
    parties_ = kind_ == Kind::Summary ? summaryPartyList() : cashBookPartyList();
    std::vector<std::string> partyTexts = parties_.texts;
    for (ComboBox* list : {lists[kToParty], lists[kFromParty]})
        if (list)
            setItems(list, partyTexts);
    setItems(lists[kAccountTitle], accountTitleItems());
    setItems(lists[kEntryType], entryTypeItems());
    lists[kSubAccount]->clear();
    for (int index : {kToParty, kFromParty, kAccountTitle, kEntryType})
        if (lists[index]) {
            lists[index]->setListIndex(-1);
            lists[index]->setListIndex(0);
        }
    if (matchOptions[0]) {
        matchOptions[0]->setChecked(true);
        matchMode_ = kBothMatch;
    }
    formLoading_ = false;
}

QString FilterControls::shownText(FilterList list) const {
    return lists[list] ? lists[list]->currentText() : QString();
}

void FilterControls::listChosen(int index) {
    filterSel[index] = std::max(lists[index]->listIndex(), 0);
    if (index == kAccountTitle) {
        const bool loading = formLoading_;
        formLoading_ = true;
        filterSel[kSubAccount] = 0;
        setItems(lists[kSubAccount], subAccountItems(filterSel[kAccountTitle]));
        if (lists[kSubAccount]->count() > 0)
            lists[kSubAccount]->setListIndex(0);
        formLoading_ = loading;
    }
    if (!formLoading_ && chosen_)
        chosen_(index);
}

} // namespace lukana
