#pragma once
// A text of a recorded printout as the recording lists it: "x,y text".
#include <QString>

#include <string>

inline QString at(double x, double y, const QString& text) {
    return QStringLiteral("%1,%2 %3").arg(x, 0, 'g', 10).arg(y, 0, 'g', 10).arg(text);
}

inline QString at(double x, double y, const std::string& text) {
    return at(x, y, QString::fromStdString(text));
}

inline QString at(double x, double y, const char* text) {
    return at(x, y, QString::fromUtf8(text));
}
