#pragma once
#include "platform/window.h"

namespace lukana {

// Shown while the program starts: the product title and the version.
class SplashWindow : public platform::Window {
    Q_OBJECT
  public:
    explicit SplashWindow(QWidget* parent = nullptr);
};

} // namespace lukana
