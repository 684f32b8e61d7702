#include "storage/paths.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("ルカナ ver2.0.2"));
    label.show();
    return app.exec();
}
