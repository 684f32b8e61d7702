#pragma once
// The break-time settings and the print-method choice: complete windows that no command of
// the program opens and whose results nothing reads.
#include "platform/controls.h"
#include "platform/window.h"
#include "storage/status.h"

#include <array>
#include <string>

class QPushButton;

namespace lukana {

// Break times (kkJikan.dat of the data root): six entries, of which the window edits 0 to 4.
extern std::array<int, 6> breakStartHour, breakStartMinute, breakMinutes;
Status readBreakTimes(const std::string& path); // tolerant after opening
Status writeBreakTimes(const std::string& path);
// The same on the file at filePath.
Status kkJikanModosi();
Status kkJikanHozon();

class BreakTimeWindow : public platform::Window {
    Q_OBJECT
  public:
    explicit BreakTimeWindow(QWidget* parent = nullptr);

    static constexpr int kRows = 5;
    using TimeBoxes = std::array<std::array<platform::TextBox*, 5>, kRows>;
    using TimeSpinners = std::array<std::array<platform::Spinner*, 5>, kRows>;
    const TimeBoxes& timeBoxes() const { return timeBoxes_; }
    const TimeSpinners& timeSpinners() const { return timeSpinners_; }
    QPushButton* okButton() const { return okButton_; }

    void onOkClicked();

  protected:
    void formLoad() override;

  private:
    void boxChanged(int row, int col);
    void spinChanged(int row, int col);
    void setTime(int row, int hourCol, int hour, int minute);

    // Per row: start hour, start minute, end hour, end minute, break minutes, each with its
    // spinner.
    TimeBoxes timeBoxes_{};
    TimeSpinners timeSpinners_{};
    QPushButton* okButton_;
    QPushButton* cancelButton_;
    bool updating_ = false;
};

} // namespace lukana
