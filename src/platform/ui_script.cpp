#include "ui_script.h"

namespace lukana::platform {

UiScript::UiScript(Failure fail) : fail_(std::move(fail)) {
    setMessageBoxHook([this](const MessageBoxRecord& box) {
        boxes_.push_back(box);
        if (answers_.empty()) {
            fail_(QStringLiteral("unexpected message box \"%1\" (%2)").arg(box.text, box.title));
            return dismissAnswer(box.buttons);
        }
        Answer a = answers_.front();
        answers_.pop_front();
        return a;
    });
    setModalHook([this](Window& w) {
        ++windowsShown_;
        if (windows_.empty()) {
            fail_(QStringLiteral("unexpected window %1 \"%2\"")
                      .arg(QString::fromLatin1(typeid(w).name()), w.windowTitle()));
            return;
        }
        auto act = std::move(windows_.front());
        windows_.pop_front();
        act(w);
        if (w.isOpen())
            fail_(QStringLiteral("window \"%1\" was left open").arg(w.windowTitle()));
    });
    setSaveFileHook([this](const SaveFileRequest& request) -> std::optional<QString> {
        saveRequests_.push_back(request);
        if (saveFiles_.empty()) {
            fail_(QStringLiteral("unexpected file-save dialog \"%1\"").arg(request.title));
            return std::nullopt;
        }
        SaveAnswer next = saveFiles_.front();
        saveFiles_.pop_front();
        if (!next.chosen)
            return std::nullopt;
        return next.path;
    });
    setPrinterHook([this](QPrinter&) {
        if (printers_.empty()) {
            fail_(QStringLiteral("unexpected printer choice"));
            return false;
        }
        PrinterAnswer next = printers_.front();
        printers_.pop_front();
        return next.kind == PrinterAnswer::Kind::Chosen;
    });
    setPrintoutHook([this](Orientation orientation, const QString& documentName) -> Printout {
        if (printers_.empty()) {
            fail_(QStringLiteral("unexpected printer choice for \"%1\"").arg(documentName));
            return {Printout::Status::Cancelled, nullptr};
        }
        PrinterAnswer next = printers_.front();
        printers_.pop_front();
        switch (next.kind) {
        case PrinterAnswer::Kind::Cancelled:
            return {Printout::Status::Cancelled, nullptr};
        case PrinterAnswer::Kind::Unavailable:
            return {Printout::Status::Failed, nullptr};
        case PrinterAnswer::Kind::None:
            return {Printout::Status::NoPrinter, nullptr};
        case PrinterAnswer::Kind::Chosen:
            break;
        }
        auto recording = std::make_shared<PrintRecording>();
        recording->orientation = orientation;
        recording->documentName = documentName;
        recording->dotsPerInch = next.dotsPerInch;
        printouts_.push_back(recording);
        return {Printout::Status::Ready,
                std::make_unique<RecordingPageWriter>(recording, next.failAtCall)};
    });
}

UiScript::~UiScript() {
    setMessageBoxHook({});
    setModalHook({});
    setSaveFileHook({});
    setPrinterHook({});
    setPrintoutHook({});
    if (!answers_.empty())
        fail_(QStringLiteral("%1 scripted message box answer(s) never used").arg(answers_.size()));
    if (!windows_.empty())
        fail_(QStringLiteral("%1 scripted window(s) never opened").arg(windows_.size()));
    if (!saveFiles_.empty() || !printers_.empty())
        fail_(QStringLiteral("scripted dialog answers never used"));
}

UiScript& UiScript::answer(Answer a) {
    answers_.push_back(a);
    return *this;
}

UiScript& UiScript::window(std::function<void(Window&)> act) {
    windows_.push_back(std::move(act));
    return *this;
}

UiScript& UiScript::saveFile(std::optional<QString> path) {
    saveFiles_.push_back({path.has_value(), path.value_or(QString())});
    return *this;
}

UiScript& UiScript::printer(bool chosen, int failAtCall) {
    printers_.push_back(
        {chosen ? PrinterAnswer::Kind::Chosen : PrinterAnswer::Kind::Cancelled, failAtCall});
    return *this;
}

UiScript& UiScript::printerAt(int dotsPerInch) {
    printers_.push_back({PrinterAnswer::Kind::Chosen, 0, dotsPerInch});
    return *this;
}

UiScript& UiScript::printerUnavailable() {
    printers_.push_back({PrinterAnswer::Kind::Unavailable, 0});
    return *this;
}

UiScript& UiScript::noPrinter() {
    printers_.push_back({PrinterAnswer::Kind::None, 0});
    return *this;
}

std::vector<PrintRecording> UiScript::printouts() const {
    std::vector<PrintRecording> out;
    for (const auto& recording : printouts_)
        out.push_back(*recording);
    return out;
}

bool UiScript::done() const {
    return answers_.empty() && windows_.empty() && saveFiles_.empty() && printers_.empty();
}

} // namespace lukana::platform
