#pragma once
// Scripted answers for tests: while a UiScript lives, message boxes, modal windows and the
// common dialogs take their answers from it in order, and every box shown is recorded.
// Anything the script did not expect is reported through the failure function.
#include "dialogs.h"
#include "message_box.h"
#include "print_recording.h"
#include "printer.h"
#include "window.h"

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <typeinfo>
#include <vector>

namespace lukana::platform {

class UiScript {
  public:
    using Failure = std::function<void(const QString&)>;
    explicit UiScript(Failure fail);
    ~UiScript(); // reports expectations that were never met
    UiScript(const UiScript&) = delete;
    UiScript& operator=(const UiScript&) = delete;

    // The next message box gets this answer.
    UiScript& answer(Answer a);
    // The next modal window is handed to act, which must close it.
    UiScript& window(std::function<void(Window&)> act);
    template <class W> UiScript& window(std::function<void(W&)> act) {
        return window([this, act](Window& w) {
            if (auto* typed = dynamic_cast<W*>(&w))
                act(*typed);
            else
                fail_(QStringLiteral("unexpected window %1 in place of %2")
                          .arg(QString::fromLatin1(typeid(w).name()),
                               QString::fromLatin1(typeid(W).name())));
        });
    }
    // The next file-save dialog returns this path (nothing: cancelled).
    UiScript& saveFile(std::optional<QString> path);
    // The next printer choice returns this. A printout started on it is recorded; with
    // failAtCall k > 0 its k-th call fails.
    UiScript& printer(bool chosen, int failAtCall = 0);
    // The next printer choice returns a printer of this resolution, at which the recording
    // measures texts.
    UiScript& printerAt(int dotsPerInch);
    // The next printout finds the printer chosen unable to take the document.
    UiScript& printerUnavailable();
    // The next printout finds no printer at all.
    UiScript& noPrinter();

    const std::vector<MessageBoxRecord>& boxes() const { return boxes_; }
    // Every file-save dialog shown, as it was asked for.
    const std::vector<SaveFileRequest>& saveRequests() const { return saveRequests_; }
    int windowsShown() const { return windowsShown_; }
    // Every printout started while the script lived, in order.
    std::vector<PrintRecording> printouts() const;
    // True when every answer given has been used.
    bool done() const;

  private:
    Failure fail_;
    std::deque<Answer> answers_;
    std::deque<std::function<void(Window&)>> windows_;
    struct SaveAnswer {
        bool chosen;
        QString path;
    };
    std::deque<SaveAnswer> saveFiles_;
    struct PrinterAnswer {
        enum class Kind { Cancelled, Chosen, Unavailable, None } kind;
        int failAtCall;
        int dotsPerInch = 1200;
    };
    std::deque<PrinterAnswer> printers_;
    std::vector<std::shared_ptr<PrintRecording>> printouts_;
    std::vector<MessageBoxRecord> boxes_;
    std::vector<SaveFileRequest> saveRequests_;
    int windowsShown_ = 0;
};

} // namespace lukana::platform
