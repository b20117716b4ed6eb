#include "app/name_prompt.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QVBoxLayout>

#include "app/qt_event_pump.h"

namespace gc {

NamePromptDialog::NamePromptDialog(const std::string& message, QWidget* parent)
    : QDialog(parent), label_(new QLabel(this)), field_(new QLineEdit(this)) {
  setWindowTitle(QGuiApplication::applicationDisplayName());
  setModal(true);
  QString text = QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size()));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  label_->setTextFormat(Qt::PlainText);
  label_->setText(text);
  field_->setMaxLength(kMaxInput);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label_);
  layout->addWidget(field_);
  layout->addWidget(buttons);
  field_->setFocus();
}

std::string QtPrompt::Ask(const std::string& message, int left_twips, int top_twips) {
  NamePromptDialog dialog(message, parent_);
  dialog.adjustSize();
  QPoint at(TwipsToPixels(left_twips), TwipsToPixels(top_twips));
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect room = screen->availableGeometry();
    at.setX(std::max(room.left(), std::min(at.x(), room.right() + 1 - dialog.frameGeometry().width())));
    at.setY(std::max(room.top(), std::min(at.y(), room.bottom() + 1 - dialog.frameGeometry().height())));
  }
  dialog.move(at);
  const bool confirmed = dialog.exec() == QDialog::Accepted;
  ClearUpperVectorState();
  if (!confirmed) return {};
  return dialog.field()->text().toStdString();
}

void QtPrompt::ShowMessage(const std::string& text) {
  QMessageBox box(QMessageBox::Warning, QGuiApplication::applicationDisplayName(),
                  QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                  QMessageBox::Ok, parent_);
  box.exec();
  ClearUpperVectorState();
}

}  // namespace gc
