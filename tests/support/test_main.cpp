#include <gtest/gtest.h>

#ifdef QT_WIDGETS_LIB
#include <QApplication>
#endif

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
#ifdef QT_WIDGETS_LIB
    QApplication app(argc, argv);
#endif
    return RUN_ALL_TESTS();
}
