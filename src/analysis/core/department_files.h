#pragma once
// The files of a department that an analysis reads when the department is chosen: closing
// days, menu items and menu categories, into the shared state.
#include <string>
#include <vector>

namespace lukana {

// Reads simebi.dat (a closing day of 0 becomes 31), menud.dat and mbun.dat of the department.
// A missing file leaves its list empty; so does one that exists but cannot be read, whose name
// is returned so that the user can be told (the file itself stays untouched).
std::vector<std::string> readDepartmentFiles(const std::string& departmentName);

} // namespace lukana
