#pragma once
// Registers a first department by name while the department register is not yet part of the
// program; the main window's first start opens it in the register's place.
#include "platform/controls.h"
#include "platform/window.h"
#include "storage/status.h"

#include <string>

class QPushButton;

namespace lukana {

// Appends a department: checks the name, issues its id from ttidKyoutuu, makes its folder and
// writes misena.dat and ttid.dat. Memory is left as it was when anything fails.
Status addDepartment(const std::string& name);

class DepartmentStandIn : public platform::Window {
    Q_OBJECT
  public:
    explicit DepartmentStandIn(QWidget* parent = nullptr);
    platform::TextBox* txtName;
    QPushButton* addButton;
    QPushButton* closeButton;
    void onAddClicked();
};

} // namespace lukana
