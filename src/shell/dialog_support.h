#pragma once
// Small helpers that the settings dialogs share.
#include "storage/text_format.h"

#include <QString>

namespace lukana {

// Sets a flag for the length of a handler; nested handlers see it set, and the flag gets back
// the value it had when the handler ends.
class FlagScope {
  public:
    explicit FlagScope(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = was_; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

  private:
    bool& flag_;
    bool was_;
};

// A number with one blank in front of it, as the date boxes show it: " 5".
inline QString blankNumber(int value) {
    return QString::fromStdString(formatInteger(value));
}

} // namespace lukana
