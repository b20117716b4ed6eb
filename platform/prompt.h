// The modal text prompt, and the message box the save reports failures in.
#pragma once

#include <deque>
#include <string>
#include <utility>
#include <vector>

namespace gc {

class Prompt {
 public:
  virtual ~Prompt() = default;
  // Shows `message` (lines separated by '\r'), with the application's title,
  // an empty text field, its top-left corner at (left, top) in twips of the
  // screen. Returns the typed text as UTF-8, or "" when cancelled.
  virtual std::string Ask(const std::string& message, int left_twips, int top_twips) = 0;
  // Shows a modal message and waits until it is dismissed.
  virtual void ShowMessage(const std::string& text) = 0;
};

// Answers from a script, in order; a prompt beyond the script is cancelled.
// Used by tests and by the headless renderer.
class ScriptedPrompt final : public Prompt {
 public:
  explicit ScriptedPrompt(std::vector<std::string> answers = {})
      : answers_(answers.begin(), answers.end()) {}
  std::string Ask(const std::string& message, int, int) override {
    asked.push_back(message);
    if (answers_.empty()) return "";
    std::string a = std::move(answers_.front());
    answers_.pop_front();
    return a;
  }
  void ShowMessage(const std::string& text) override { messages.push_back(text); }

  std::vector<std::string> asked;     // every message shown, one per opening
  std::vector<std::string> messages;  // every message box shown

 private:
  std::deque<std::string> answers_;
};

}  // namespace gc
