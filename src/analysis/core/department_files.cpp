#include "department_files.h"

#include "storage/masters.h"
#include "storage/paths.h"
#include "storage/settings.h"
#include "storage/state.h"

#include <filesystem>

namespace lukana {
namespace {

bool exists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::exists(path, ec);
}

// True when the file is there but could not be read whole.
bool readDamaged(const std::string& departmentName, const char* fileName, PathReader reader,
                 int& count) {
    const std::string path = busyoFilePath(departmentName, fileName);
    const bool there = exists(path);
    if (there && reader(path).ok())
        return false;
    count = 0;
    return there;
}

} // namespace

std::vector<std::string> readDepartmentFiles(const std::string& departmentName) {
    const std::string closingDays = busyoFilePath(departmentName, "simebi.dat");
    if (!exists(closingDays) || !readClosingDays(closingDays).ok())
        simeKinmu = simeGenkin = simeKyuuryou = simeKurejitto = 0;
    for (int* day : {&simeKinmu, &simeGenkin, &simeKyuuryou, &simeKurejitto})
        if (*day == 0)
            *day = 31;

    std::vector<std::string> damaged;
    if (readDamaged(departmentName, "menud.dat", readMenuItems, menudCount))
        damaged.push_back("menud.dat");
    if (readDamaged(departmentName, "mbun.dat", readMenuCategories, mbunCount))
        damaged.push_back("mbun.dat");
    return damaged;
}

} // namespace lukana
