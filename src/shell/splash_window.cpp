#include "splash_window.h"

#include <QLabel>
#include <QLayout>
#include <QVBoxLayout>

#include <algorithm>

namespace lukana {

namespace {
// Room for a window manager's title bar above the window that opens over the splash.
constexpr int kTitleBarAllowance = 48;
} // namespace

SplashWindow::SplashWindow(QWidget* parent)
    : Window(parent), titleLabel_(new QLabel(QStringLiteral("KT売り上げ分析"), this)),
      versionLabel_(new QLabel(QStringLiteral("Ver. 2.0.2"), this)) {
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setStyleSheet(QStringLiteral("background:#1f3a5f; color:white;"));
    QFont big(QStringLiteral("ＭＳ Ｐゴシック"), 24, QFont::Bold);
    titleLabel_->setFont(big);
    titleLabel_->setAlignment(Qt::AlignCenter);
    versionLabel_->setAlignment(Qt::AlignCenter);
    // The texts stand at the top: the login window opens over the centre.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 32, 40, 32);
    layout->addWidget(titleLabel_);
    layout->addWidget(versionLabel_);
    layout->addStretch();
    resize(480, 320);
}

void SplashWindow::makeRoomBelowTitle(QWidget& coming) {
    layout()->activate();
    coming.adjustSize(); // the size it will open with
    const int textBottom = versionLabel_->geometry().bottom() + kTitleBarAllowance;
    // Centred on the splash, the coming window's top lies at height/2 - its height/2.
    const int height = std::max(this->height(), 2 * textBottom + coming.height());
    const int width = std::max(this->width(), coming.width() + 80);
    const QPoint centre = frameGeometry().center();
    resize(width, height);
    QRect frame = frameGeometry();
    frame.moveCenter(centre);
    move(frame.topLeft());
}

} // namespace lukana
