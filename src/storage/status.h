#pragma once
#include <string>
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

} // namespace lukana
