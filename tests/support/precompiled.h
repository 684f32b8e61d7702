// Headers every test source includes; the test builds precompile them once per kind of test
// program (LUKANA_PCH): GoogleTest alone for the Qt-free cores, with Qt for the windows.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#ifdef QT_WIDGETS_LIB
#include "qt_precompiled.h"
#else
#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>
#endif
