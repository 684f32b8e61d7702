#include "splash_window.h"

#include <QLabel>
#include <QVBoxLayout>

namespace lukana {

SplashWindow::SplashWindow(QWidget* parent) : Window(parent) {
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setStyleSheet(QStringLiteral("background:#1f3a5f; color:white;"));
    auto* title = new QLabel(QStringLiteral("KT売り上げ分析"), this);
    auto* version = new QLabel(QStringLiteral("Ver. 2.0.2"), this);
    QFont big(QStringLiteral("ＭＳ Ｐゴシック"), 24, QFont::Bold);
    title->setFont(big);
    title->setAlignment(Qt::AlignCenter);
    version->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 40, 40, 40);
    layout->addStretch();
    layout->addWidget(title);
    layout->addWidget(version);
    layout->addStretch();
    resize(420, 240);
}

} // namespace lukana
