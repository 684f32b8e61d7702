#pragma once
#include "openers.h"
#include "platform/controls.h"
#include "platform/message_box.h"
#include "platform/window.h"

#include <QString>

#include <vector>

class QPushButton;

namespace lukana {

// The main window: the current department and one button per window. It stays open for the
// whole run; closing it runs the exit routine (runExitRoutine) and ends the program.
class MainWindow : public platform::Window {
    Q_OBJECT
  public:
    explicit MainWindow(QWidget* parent = nullptr);

    // The exit routine; run by the window's own closing.
    void runExitRoutine();
    // The system ends the program: the window closes and the exit routine runs without the
    // automatic backup's question, and tells its failures on the error output, since nobody
    // is there to answer.
    void endBySystem();

    platform::ComboBox* departmentChoice() const { return departmentChoice_; }
    // Buttons by their object names (dailyReportButton, ...).
    QPushButton* button(const QString& name) const;

    void onDepartmentChosen();
    void onRecoveryClicked(); // recovery, guarded by the password

  signals:
    void programEnded();

  protected:
    void formLoad() override;
    void formActivate() override;
    void formUnload() override;

  private:
    struct Button {
        QPushButton* button;
        // One of the two; a register of a kind opens with it after the busy pointer.
        WindowLink MainWindowLinks::*link;
        KindLink MainWindowLinks::*kindLink;
        int registerKind;
    };
    bool hasLink(const Button& b) const;
    void openFromButton(const Button& b);
    void fillDepartmentChoice();
    void loadDepartmentList();
    void loadRegisters();

    // A notice of the exit routine: a box, or the error output when the system ends the run.
    void tellExitFailure(const QString& text, platform::Icon icon);

    platform::ComboBox* departmentChoice_;
    std::vector<Button> buttons_;
    bool filling_ = false;
    bool endedBySystem_ = false;
};

// Twips of a length in pixels at the screen's resolution.
int toTwips(int pixels, double dotsPerInch);

} // namespace lukana
