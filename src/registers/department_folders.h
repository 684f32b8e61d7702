#pragma once
// The data folder of a department, named after the department in the data root.
#include "storage/status.h"

#include <string>

namespace lukana {

// The message for a name that cannot be a folder name.
extern const char* const kUnsafeDepartmentName;

// Makes the folder of a new department. A folder that exists already is used as it is, with
// whatever it holds; a folder that cannot be made is passed over.
void makeDepartmentFolder(const std::string& name);

// Renames the folder of a department. Fails, leaving both names as they were, when the new
// name cannot be a folder name, a folder or file of the new name exists, the old folder is
// missing, or the file system refuses.
Status moveDepartmentFolder(const std::string& oldName, const std::string& newName);

// Position in busyoIds of the department with this id, -1 when there is none.
int departmentPositionOfId(int id);

} // namespace lukana
