#include "window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QScreen>
#include <QWindow>

#include <algorithm>

namespace lukana::platform {
namespace {

ModalHook& modalHook() {
    static ModalHook h;
    return h;
}

std::vector<Window*>& loaded() {
    static std::vector<Window*> list;
    return list;
}

// The chain of open modal windows, innermost last, above the window that opened the first.
std::vector<Window*>& modalChain() {
    static std::vector<Window*> chain;
    return chain;
}

void forget(Window* w) {
    auto& list = loaded();
    list.erase(std::remove(list.begin(), list.end(), w), list.end());
}

} // namespace

Window::Window(QWidget* parent) : QWidget(parent, Qt::Window) {}

Window::~Window() {
    forget(this);
    auto& chain = modalChain();
    chain.erase(std::remove(chain.begin(), chain.end(), this), chain.end());
}

void Window::load() {
    if (loaded_)
        return;
    loaded_ = true;
    loaded().push_back(this);
    formLoad(); // it may unload itself here
}

void Window::activate() {
    formActivate();
}

void Window::endModal() {
    open_ = false;
    hide();
    if (loop_)
        loop_->quit();
}

bool Window::closeWindow() {
    if (!loaded_)
        return true;
    if (!queryUnload())
        return false;
    unloadWindow();
    return true;
}

void Window::unloadWindow() {
    if (!loaded_ || unloading_)
        return;
    unloading_ = true;
    formUnload();
    loaded_ = false;
    forget(this);
    endModal();
    unloading_ = false;
}

void Window::hideWindow() {
    endModal();
}

void Window::makeFixedDialog() {
    fixedDialog_ = true;
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
}

void Window::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && escapeButton_ &&
        escapeButton_->isEnabled()) {
        escapeButton_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

// Without a parent the window manager would put the window anywhere; the opener stays the
// owner (and keeps it above) through the transient parent.
void Window::placeOver(const QWidget* opener) {
    if (layout())
        layout()->activate(); // the size it will show with: never below its layout's minimum
    if (fixedDialog_) {
        adjustSize();
        setFixedSize(size());
    } else if (!testAttribute(Qt::WA_Resized)) {
        adjustSize();
    }
    QScreen* screen = opener ? opener->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // The frame is known only once the window is shown: the opener's stands for it.
    const QWidget* framed = opener ? opener : this;
    const QMargins frameMargins(framed->geometry().left() - framed->frameGeometry().left(),
                                framed->geometry().top() - framed->frameGeometry().top(),
                                framed->frameGeometry().right() - framed->geometry().right(),
                                framed->frameGeometry().bottom() - framed->geometry().bottom());
    QRect frame = QRect(QPoint(0, 0), size()).marginsAdded(frameMargins);
    frame.moveCenter(opener ? opener->frameGeometry().center() : area.center());
    // Whole on the screen where it fits; its top left corner first where it does not.
    frame.moveLeft(std::max(area.left(), std::min(frame.left(), area.right() - frame.width() + 1)));
    frame.moveTop(std::max(area.top(), std::min(frame.top(), area.bottom() - frame.height() + 1)));
    // The frame's corner: the window manager adds its title bar below that point, so the title
    // bar stays on the screen even where the estimate of the frame is short.
    move(frame.topLeft());
    if (opener && opener->windowHandle()) {
        winId(); // makes the native window, so that it has a handle
        windowHandle()->setTransientParent(opener->windowHandle());
    }
}

void Window::closeEvent(QCloseEvent* event) {
    // The layer hides and unloads itself; Qt only has to know whether the window stays.
    if (!loaded_ || !open_) {
        event->accept();
        return;
    }
    if (closeWindow())
        event->accept();
    else
        event->ignore();
}

void runModal(Window& window) {
    Window* opener = modalChain().empty() ? nullptr : modalChain().back();
    if (!opener) {
        auto& list = loaded();
        for (auto it = list.rbegin(); it != list.rend(); ++it)
            if (*it != &window && (*it)->isOpen()) {
                opener = *it;
                break;
            }
    }
    if (window.open_)
        return;
    window.load();
    if (!window.loaded_)
        return; // it closed itself while loading
    window.open_ = true;
    modalChain().push_back(&window);
    window.setWindowModality(Qt::ApplicationModal);
    window.placeOver(opener);
    window.show();
    window.activate();
    if (window.open_) {
        if (modalHook()) {
            modalHook()(window);
            if (window.open_)
                window.unloadWindow(); // the hook left it open: never leave a window up
        } else {
            QEventLoop loop;
            window.loop_ = &loop;
            loop.exec();
            window.loop_ = nullptr;
        }
    }
    auto& chain = modalChain();
    chain.erase(std::remove(chain.begin(), chain.end(), &window), chain.end());
    if (opener && opener->isOpen())
        opener->activate();
}

void showModeless(Window& window) {
    window.load();
    if (!window.loaded_)
        return;
    window.open_ = true;
    window.placeOver(nullptr);
    window.show();
    window.activate();
}

std::vector<Window*> loadedWindows() {
    return loaded();
}

QWidget* messageOwner() {
    const auto& chain = modalChain();
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
        if ((*it)->isOpen())
            return *it;
    return QApplication::activeWindow();
}

void setModalHook(ModalHook hook) {
    modalHook() = std::move(hook);
}

} // namespace lukana::platform
