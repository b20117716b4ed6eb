// The window Form1: its own client area (a canvas), the visible canvas
// Picture1 and the three buttons, wired to the picture flow's handlers.
#pragma once

#include <QImage>
#include <QPushButton>
#include <QWidget>
#include <optional>

#include "app/form1.h"

namespace gc {

// Layout of the controls, in pixels of the client area.
struct ControlRect {
  int left, top, width, height;
};
inline constexpr ControlRect kPicture1Rect{32, 24, 700, 525};
inline constexpr ControlRect kCommand5Rect{656, 576, 73, 17};  // "repeat"
inline constexpr ControlRect kCommand3Rect{616, 600, 113, 17};  // "save on C:\wimgx"
inline constexpr ControlRect kCommand2Rect{696, 624, 33, 17};  // "exit"

// Converts the packed colours (red + 256 green + 65536 blue) of `area` into
// the same pixels of `image` (Format_RGB32, the canvas's size, made so if
// needed), ignoring whatever the top byte holds.
void CanvasToImage(const Canvas& canvas, QImage& image, const QRect& area);

// A push button that also answers Enter and Return when focused.
class FormButton final : public QPushButton {
  Q_OBJECT
 public:
  FormButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

// Shows one canvas; takes focus like any control in the tab order.
class CanvasView final : public QWidget {
  Q_OBJECT
 public:
  CanvasView(const Canvas& canvas, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const Canvas& canvas_;
  QImage image_;
};

class MainWindow final : public QWidget {
  Q_OBJECT
 public:
  explicit MainWindow(Form1& f);

  // Runs start-up. Returns the exit status when the program has to end
  // (exit or close during the first picture), nothing to go on idle.
  std::optional<int> Start();

  // Runs one button handler as the window does on a click: the other
  // buttons are disabled meanwhile; returns the exit status when the
  // program has to end.
  std::optional<int> Run(void (*handler)(Form1&));

  // Paints both canvases to the screen now. Picture1 is a child widget with
  // its own paint: repainting the window alone leaves it stale.
  void RepaintNow();

  bool building() const { return building_; }
  CanvasView* picture1() const { return picture1_; }
  FormButton* repeat_button() const { return repeat_; }
  FormButton* save_button() const { return save_; }
  FormButton* exit_button() const { return exit_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Click(void (*handler)(Form1&));
  void OnExit();
  void SetBuilding(bool building);
  void ReportRuntimeError(int number, const QString& description);

  Form1& f_;
  QImage surface_image_;
  CanvasView* picture1_;
  FormButton* repeat_;
  FormButton* save_;
  FormButton* exit_;
  bool building_ = false;
};

// Where saves go: C:\wimgx\ on Windows, $HOME/wimgx/ elsewhere.
std::string DefaultSaveFolder();

}  // namespace gc
