#include "break_time_window.h"

#include "platform/message_box.h"
#include "storage/atomic_file.h"
#include "storage/paths.h"
#include "storage/routines.h"
#include "storage/state.h"
#include "storage/text_format.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include <cmath>

namespace lukana {

using namespace platform;

std::array<int, 6> breakStartHour{}, breakStartMinute{}, breakMinutes{};

Status readBreakTimes(const std::string& path) {
    std::string bytes;
    if (Status s = readWholeFile(path, bytes); !s)
        return s;
    TextReader reader(bytes);
    for (size_t i = 0; i < 6; ++i)
        if (!reader.readInteger(breakStartHour[i]) || !reader.readInteger(breakStartMinute[i]) ||
            !reader.readInteger(breakMinutes[i]))
            break;
    return {};
}

Status writeBreakTimes(const std::string& path) {
    TextWriter writer;
    for (size_t i = 0; i < 6; ++i) {
        writer.putInteger(breakStartHour[i]);
        writer.putInteger(breakStartMinute[i]);
        writer.putInteger(breakMinutes[i]);
    }
    return writer.commit(path);
}

Status kkJikanModosi() {
    return readBreakTimes(filePath);
}

Status kkJikanHozon() {
    return writeBreakTimes(filePath);
}

namespace {

enum Col { StartHour, StartMinute, EndHour, EndMinute, Break };

int upperBound(int col) {
    switch (col) {
    case StartHour:
    case EndHour:
        return 24;
    case Break:
        return 200;
    default:
        return 60;
    }
}

// A time moved by some minutes, across midnight.
std::pair<int, int> shifted(int hour, int minute, int by) {
    int total = ((hour * 60 + minute + by) % 1440 + 1440) % 1440;
    return {total / 60, total % 60};
}

} // namespace

BreakTimeWindow::BreakTimeWindow(QWidget* parent)
    : Window(parent), okButton_(new QPushButton(QStringLiteral("ok"), this)),
      cancelButton_(new QPushButton(QStringLiteral("キャンセル"), this)) {
    setWindowTitle(QStringLiteral("休憩時間設定"));
    makeFixedDialog();
    setEscapeButton(cancelButton_);
    auto* grid = new QGridLayout(this);
    const char* captions[] = {"時間", "分　～", "時間", "分", "分"};
    for (int r = 0; r < kRows; ++r) {
        grid->addWidget(new QLabel(QStringLiteral("労働時間"), this), r, 0);
        int column = 1;
        for (int c = 0; c < 5; ++c) {
            if (c == Break)
                grid->addWidget(new QLabel(QStringLiteral("休憩"), this), r, column++);
            auto* box = new TextBox(this);
            box->setStripCommas(true);
            box->setFixedWidth(40);
            auto* spinner = new Spinner(this);
            spinner->setRange(-1, upperBound(c) + (c == Break ? 1 : 0));
            timeBoxes_[r][c] = box;
            timeSpinners_[r][c] = spinner;
            grid->addWidget(box, r, column++);
            grid->addWidget(spinner, r, column++);
            grid->addWidget(new QLabel(QString::fromUtf8(captions[c]), this), r, column++);
            box->onChange([this, r, c] { boxChanged(r, c); });
            spinner->onChange([this, r, c] { spinChanged(r, c); });
        }
    }
    auto* note =
        new QLabel(QStringLiteral("シフト表の出勤時間と単純給料の画面において、時給計算の労働"
                                  "者に対して設定時間どおりの休憩を自動的にマイナスします。"),
                   this);
    note->setWordWrap(true);
    grid->addWidget(note, kRows, 0, 1, 12);
    grid->addWidget(okButton_, kRows + 1, 9, 1, 2);
    grid->addWidget(cancelButton_, kRows + 1, 11, 1, 3);
    connect(okButton_, &QPushButton::clicked, this, [this] { onOkClicked(); });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { closeWindow(); });
}

void BreakTimeWindow::formLoad() {
    (void)readBreakTimes(rootFilePath("kkJikan.dat"));
    hyoujiChu = 1;
    for (int r = 0; r < kRows; ++r) {
        const auto i = static_cast<size_t>(r);
        timeBoxes_[r][StartHour]->setText(QString::number(breakStartHour[i]));
        timeBoxes_[r][StartMinute]->setText(QString::number(breakStartMinute[i]));
        timeBoxes_[r][Break]->setText(QString::number(breakMinutes[i]));
    }
    for (int r = 0; r < kRows; ++r) {
        const auto next = static_cast<size_t>((r + 1) % kRows);
        auto [h, m] = shifted(breakStartHour[next], breakStartMinute[next], -1);
        setTime(r, EndHour, h, m);
    }
    hyoujiChu = 0;
}

void BreakTimeWindow::setTime(int row, int hourCol, int hour, int minute) {
    timeBoxes_[row][hourCol]->setText(QString::number(hour));
    timeBoxes_[row][hourCol + 1]->setText(QString::number(minute));
}

void BreakTimeWindow::boxChanged(int row, int col) {
    TextBox* box = timeBoxes_[row][col];
    const double v = leadingNumber(box->text().toStdString());
    if (v < 0) {
        box->setText(QStringLiteral("0"));
        return;
    }
    if (v > upperBound(col)) {
        box->setText(QString::number(upperBound(col)));
        return;
    }
    timeSpinners_[row][col]->setValueFromBox(static_cast<int>(std::nearbyint(v)));
    if (hyoujiChu == 1 || updating_)
        return;
    const auto number = [&](int c) {
        return static_cast<int>(leadingNumber(timeBoxes_[row][c]->text().toStdString()));
    };
    updating_ = true;
    if ((col == StartHour || col == StartMinute) && row >= 1) {
        auto [h, m] = shifted(number(StartHour), number(StartMinute), -1);
        setTime(row - 1, EndHour, h, m);
    } else if ((col == EndHour || col == EndMinute) && row <= kRows - 2) {
        // One second after an end on the full minute is still that minute.
        auto [h, m] = shifted(number(EndHour), number(EndMinute), 0);
        setTime(row + 1, StartHour, h, m);
    }
    updating_ = false;
}

void BreakTimeWindow::spinChanged(int row, int col) {
    Spinner* s = timeSpinners_[row][col];
    const int v = s->value();
    const int top = upperBound(col);
    const bool minute = col == StartMinute || col == EndMinute;
    if (v == (col == Break ? top + 1 : top)) {
        s->setValue(0);
        if (minute)
            timeSpinners_[row][col - 1]->setValue(timeSpinners_[row][col - 1]->value() + 1);
        return;
    }
    if (v == -1) {
        s->setValue(col == Break ? top : top - 1);
        if (minute)
            timeSpinners_[row][col - 1]->setValue(timeSpinners_[row][col - 1]->value() - 1);
        return;
    }
    if (!s->fromBox())
        timeBoxes_[row][col]->setText(QString::number(v));
}

void BreakTimeWindow::onOkClicked() {
    for (int r = 0; r < kRows; ++r) {
        const auto i = static_cast<size_t>(r);
        auto value = [&](int c) {
            return static_cast<int>(
                std::nearbyint(leadingNumber(timeBoxes_[r][c]->text().toStdString())));
        };
        breakStartHour[i] = value(StartHour);
        breakStartMinute[i] = value(StartMinute);
        breakMinutes[i] = value(Break);
    }
    if (Status s = writeBreakTimes(rootFilePath("kkJikan.dat")); !s) {
        msgBox(QStringLiteral("kkJikan.dat を保存できませんでした。\r%1")
                   .arg(QString::fromStdString(s.message())),
               Buttons::Ok, Icon::Critical);
        return;
    }
    closeWindow();
}

} // namespace lukana
