// Everything one picture is made with: the picture state, the shared
// generator, the two canvases and the window's own surface, and the
// platform services. The window (or the headless renderer) owns one and
// hands it to every procedure explicitly.
#pragma once

#include <string>

#include "app/picture_state.h"
#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/events.h"
#include "platform/files.h"
#include "platform/prompt.h"
#include "platform/rng.h"

namespace gc {

// The platform services a picture flow talks to.
struct Services {
  Clock& clock;
  EventPump& events;
  Prompt& prompt;
  Files& files;
  std::string folder;  // where saves go, with a trailing separator
};

// Layout of the window's client area, in pixels.
inline constexpr int kCanvasWidth = 700, kCanvasHeight = 525;
inline constexpr int kPicture1Left = 32, kPicture1Top = 24;
inline constexpr int kClientWidth = 764, kClientHeight = 665;

struct Form1 {
  explicit Form1(Services services) : os(std::move(services)) {
    // The window's text (the caption's mark) shows white on its black.
    surface.fore_color = 0xFFFFFF;
  }

  PictureState st;
  Rng rnd;
  Canvas Picture1{kCanvasWidth, kCanvasHeight};
  Canvas Picture2{kCanvasWidth, kCanvasHeight};
  Canvas surface{kClientWidth, kClientHeight};  // the window's own client area
  Services os;

  // Set by "exit"; the host's event pump then ends the program at once by
  // throwing ProgramEnd out of the yield.
  bool end_requested = false;
};

// Unwinds every unfinished procedure when the program ends mid-picture. Not a
// RuntimeError, so no procedure that skips failures stops it.
struct ProgramEnd {};

}  // namespace gc
