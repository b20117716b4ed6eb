// The modal name prompt and the modal message box, as Qt dialogs.
#pragma once

#include <QDialog>
#include <string>

#include "platform/prompt.h"

class QLabel;
class QLineEdit;

namespace gc {

// Two lines of message, one empty text field, OK and Cancel, titled with
// the application's name. The field takes at most kMaxInput characters, one
// more than a name may have, so that a pasted flood is cut short at once
// and still refused as too long.
class NamePromptDialog final : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kMaxInput = 101;

  NamePromptDialog(const std::string& message, QWidget* parent);
  QLineEdit* field() const { return field_; }
  QLabel* label() const { return label_; }

 private:
  QLabel* label_;
  QLineEdit* field_;
};

class QtPrompt final : public Prompt {
 public:
  explicit QtPrompt(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  // Opens a fresh, empty prompt at (left, top) twips of the screen, kept
  // inside the screen's usable area.
  std::string Ask(const std::string& message, int left_twips, int top_twips) override;
  void ShowMessage(const std::string& text) override;

 private:
  QWidget* parent_;
};

// Screen pixels from twips: 15 twips to a pixel.
constexpr int TwipsToPixels(int twips) { return twips / 15; }

}  // namespace gc
