#pragma once
#include "platform/window.h"

namespace lukana {

// Shown while the program starts: the product title and the version.
class frmSplash : public platform::Window {
    Q_OBJECT
  public:
    explicit frmSplash(QWidget* parent = nullptr);
};

} // namespace lukana
