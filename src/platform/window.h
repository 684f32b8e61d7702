#pragma once
// Every window of the program derives from Window and is opened through this layer, so that
// its loading, activation and closing follow one set of rules:
// - loaded once (formLoad) before it is first shown;
// - activated (formActivate) when it is first shown and whenever a window that it opened
//   through the layer closes; never after a message box, a file or printer dialog, or a
//   focus change between applications;
// - a close request (close box, closeWindow) asks queryUnload, which may refuse it;
// - it opens centred on the window that opened it (the screen, for the first window).
#include <QWidget>

#include <functional>
#include <vector>

class QAbstractButton;
class QEventLoop;

namespace lukana::platform {

class Window : public QWidget {
    Q_OBJECT
  public:
    explicit Window(QWidget* parent = nullptr);
    ~Window() override;

    bool isLoaded() const { return loaded_; }
    // Open: loaded and neither hidden nor unloaded since.
    bool isOpen() const { return open_; }

    // Loads the window when it is not loaded yet: formLoad runs once.
    void load();
    // A close request as the close box makes it: queryUnload may refuse, else the window
    // unloads. Returns true when the window is no longer open.
    bool closeWindow();
    // Unloads without asking (the exit routine's unloading of other windows).
    void unloadWindow();
    // Hides the window; it stays loaded, its opener resumes.
    void hideWindow();

  protected:
    virtual void formLoad() {}
    virtual void formActivate() {}
    // False refuses the close.
    virtual bool queryUnload() { return true; }
    virtual void formUnload() {}

    // A dialog sized to its content: it keeps that size and has no maximise button. Called
    // by the constructor.
    void makeFixedDialog();
    // Escape clicks this button, as a Cancel.
    void setEscapeButton(QAbstractButton* button) { escapeButton_ = button; }
    // Enter clicks this button, as an OK, unless another button has the focus.
    void setDefaultButton(QAbstractButton* button);

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    friend void runModal(Window&);
    friend void showModeless(Window&);
    void activate();
    void endModal();
    void placeOver(const QWidget* opener);

    bool loaded_ = false;
    bool open_ = false;
    bool unloading_ = false;
    bool fixedDialog_ = false;
    QAbstractButton* escapeButton_ = nullptr;
    QAbstractButton* defaultButton_ = nullptr;
    QEventLoop* loop_ = nullptr;
};

// Opens the window modally and returns when it has closed (hidden or unloaded); the window
// beneath it is then activated. A window that closes itself while it loads is never shown.
void runModal(Window& window);

// Makes a window of type W and runs it modally.
template <class W> void openModal() {
    W window;
    runModal(window);
}

// Loads (if needed), shows and activates a window that is not modal: the main window.
void showModeless(Window& window);

// Loaded windows, oldest first.
std::vector<Window*> loadedWindows();

// The window a message box belongs to: the innermost open modal window, which is not the
// active one yet while it is being shown; else the active window.
QWidget* messageOwner();

// Test seam: when set, runModal loads, shows and activates the window and then hands it to
// the hook instead of entering a nested event loop. The hook acts on the window and closes it.
using ModalHook = std::function<void(Window&)>;
void setModalHook(ModalHook hook);

} // namespace lukana::platform
