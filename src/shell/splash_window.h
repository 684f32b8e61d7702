#pragma once
#include "platform/window.h"

class QLabel;

namespace lukana {

// Shown while the program starts: the product title and the version.
class SplashWindow : public platform::Window {
    Q_OBJECT
  public:
    explicit SplashWindow(QWidget* parent = nullptr);

    // Grows downwards so that the window about to open over its centre (the login window)
    // leaves the title and version readable above it, its title bar included.
    void makeRoomBelowTitle(QWidget& coming);

    QLabel* titleLabel() const { return titleLabel_; }
    QLabel* versionLabel() const { return versionLabel_; }

  private:
    QLabel* titleLabel_;
    QLabel* versionLabel_;
};

} // namespace lukana
