#pragma once
#include <string>
#include <system_error>
#include <utility>

namespace lukana {

// The outcome of a storage procedure: success, or a failure with a reason that can be shown.
class [[nodiscard]] Status {
  public:
    Status() = default;
    static Status failure(std::string message) { return Status(std::move(message)); }
    bool ok() const { return ok_; }
    explicit operator bool() const { return ok_; }
    const std::string& message() const { return message_; }

  private:
    explicit Status(std::string message) : ok_(false), message_(std::move(message)) {}
    bool ok_ = true;
    std::string message_;
};

// Why a system call failed, in the user's words: the common causes (a missing folder, no
// permission, a full disk, a read-only medium, a folder in the way) in Japanese, any other in
// the system's own text.
std::string systemReason(int err);
std::string systemReason(const std::error_code& ec);

// "what: path (reason)".
Status systemFailure(const std::string& what, const std::string& path, int err);
Status systemFailure(const std::string& what, const std::string& path, const std::error_code& ec);

// A data file whose contents could not be read: "path を読めません: why".
inline Status unreadableFile(const std::string& path, const std::string& why) {
    return Status::failure(path + " を読めません: " + why);
}

} // namespace lukana
