#include <gtest/gtest.h>

#ifdef QT_WIDGETS_LIB
#include <QApplication>
#endif

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
#ifdef QT_WIDGETS_LIB
    // Windows are tested headless, also when the build lists the tests.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
#endif
    return RUN_ALL_TESTS();
}
