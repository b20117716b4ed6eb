#include "app/main_window.h"

#include <pwd.h>
#include <unistd.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QShortcut>
#include <cstdlib>

#include "app/flow.h"
#include "app/qt_event_pump.h"

namespace gc {
namespace {

void Place(QWidget* w, const ControlRect& r) { w->setGeometry(r.left, r.top, r.width, r.height); }

}  // namespace

void CanvasToImage(const Canvas& canvas, QImage& image, const QRect& area) {
  if (image.width() != canvas.width() || image.height() != canvas.height() ||
      image.format() != QImage::Format_RGB32)
    image = QImage(canvas.width(), canvas.height(), QImage::Format_RGB32);
  const QRect r = area.intersected(image.rect());
  for (int y = r.top(); y <= r.bottom(); ++y) {
    const std::uint32_t* in = canvas.pixels() + static_cast<size_t>(y) * canvas.width();
    auto* out = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
    for (int x = r.left(); x <= r.right(); ++x) {
      const std::uint32_t v = in[x];
      // 0xffRRGGBB from 0x??BBGGRR.
      out[x] = 0xFF000000u | ((v & 0xFFu) << 16) | (v & 0xFF00u) | ((v >> 16) & 0xFFu);
    }
  }
}

void FormButton::keyPressEvent(QKeyEvent* event) {
  if (!event->isAutoRepeat() && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
    animateClick();
    return;
  }
  QPushButton::keyPressEvent(event);
}

CanvasView::CanvasView(const Canvas& canvas, QWidget* parent) : QWidget(parent), canvas_(canvas) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
}

void CanvasView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  for (const QRect& r : event->region()) {
    CanvasToImage(canvas_, image_, r);
    painter.drawImage(r.topLeft(), image_, r);
  }
}

MainWindow::MainWindow(Form1& f) : f_(f) {
  setWindowTitle(QStringLiteral("Form1"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFixedSize(kClientWidth, kClientHeight);

  picture1_ = new CanvasView(f_.Picture1, this);
  Place(picture1_, kPicture1Rect);
  // Picture2 is a save buffer only and is never shown.

  QFont small = font();
  small.setPixelSize(11);
  repeat_ = new FormButton(QStringLiteral("repeat"), this);
  save_ = new FormButton(QStringLiteral("save on C:\\wimgx"), this);
  exit_ = new FormButton(QStringLiteral("exit"), this);
  for (auto [button, rect] : {std::pair{repeat_, kCommand5Rect}, {save_, kCommand3Rect}, {exit_, kCommand2Rect}}) {
    button->setFont(small);
    Place(button, rect);
  }
  save_->setToolTip(QStringLiteral("Saves the picture as a BMP file in ") +
                    QString::fromStdString(f_.os.folder));

  // Tab order: Picture1, exit, repeat, save.
  setTabOrder(picture1_, exit_);
  setTabOrder(exit_, repeat_);
  setTabOrder(repeat_, save_);
  picture1_->setFocus();

  connect(repeat_, &QPushButton::clicked, this, [this] { Click(&Command5_Click); });
  connect(save_, &QPushButton::clicked, this, [this] { Click(&Command3_Click); });
  connect(exit_, &QPushButton::clicked, this, [this] { OnExit(); });
  // Alt+F4 is the window manager's; without one it still closes.
  auto* alt_f4 = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), this);
  connect(alt_f4, &QShortcut::activated, this, &QWidget::close);
}

std::optional<int> MainWindow::Start() { return Run(&Form_Load); }

std::optional<int> MainWindow::Run(void (*handler)(Form1&)) {
  SetBuilding(true);
  try {
    handler(f_);
  } catch (const ProgramEnd&) {
    return 0;
  } catch (const RuntimeError& e) {
    ReportRuntimeError(e.number, QString::fromUtf8(e.what()));
    return 1;
  }
  SetBuilding(false);
  update();
  picture1_->update();
  if (f_.end_requested) return 0;
  return std::nullopt;
}

void MainWindow::Click(void (*handler)(Form1&)) {
  if (building_) return;  // never a handler inside a picture's yield
  if (const auto status = Run(handler)) {
    hide();
    QCoreApplication::exit(*status);
  }
}

void MainWindow::OnExit() {
  Command2_Click(f_);
  // Inside a yield the event pump ends the picture; when idle, end here.
  if (!building_) {
    hide();
    QCoreApplication::exit(0);
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  f_.end_requested = true;
  event->accept();
  if (!building_) QCoreApplication::exit(0);
}

void MainWindow::RepaintNow() {
  if (!isVisible()) return;
  repaint();
  picture1_->repaint();
}

void MainWindow::SetBuilding(bool building) {
  building_ = building;
  repeat_->setEnabled(!building);
  save_->setEnabled(!building);
}

void MainWindow::paintEvent(QPaintEvent* event) {
  // Only what is exposed: Picture1 covers most of the client area and is
  // left out of the region.
  QPainter painter(this);
  for (const QRect& r : event->region()) {
    CanvasToImage(f_.surface, surface_image_, r);
    painter.drawImage(r.topLeft(), surface_image_, r);
  }
}

void MainWindow::ReportRuntimeError(int number, const QString& description) {
  QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationDisplayName(),
                  QStringLiteral("Run-time error '%1':\n\n%2").arg(number).arg(description),
                  QMessageBox::Ok, this);
  box.exec();
}

std::string DefaultSaveFolder() {
#ifdef _WIN32
  return "C:\\wimgx\\";
#else
  const char* home = std::getenv("HOME");
  std::string base = home && *home ? home : "";
  if (base.empty())
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) base = pw->pw_dir;
  if (base.empty()) base = ".";
  if (base.back() != '/') base += '/';
  return base + "wimgx/";
#endif
}

}  // namespace gc
