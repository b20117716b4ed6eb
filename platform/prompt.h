// The modal text prompt.
#pragma once

#include <string>

namespace gc {

class Prompt {
 public:
  virtual ~Prompt() = default;
  // Shows `message` (lines separated by '\r'), with the application's title,
  // an empty text field, its top-left corner at (left, top) in twips of the
  // screen. Returns the typed text as UTF-8, or "" when cancelled.
  virtual std::string Ask(const std::string& message, int left_twips, int top_twips) = 0;
};

}  // namespace gc
