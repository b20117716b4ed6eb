// The scan's per-row yield in the window: handle pending events every row,
// repaint at most every ~16 ms, and end the program once "exit" or a close
// has asked for it.
#pragma once

#include <chrono>
#include <functional>

#include "app/form1.h"
#include "platform/events.h"

namespace gc {

class QtEventPump final : public EventPump {
 public:
  static constexpr std::chrono::milliseconds kRepaintInterval{16};

  // `form` is watched for end_requested (may be null); `repaint_now`
  // brings the screen up to date with the canvases while a picture builds.
  void Attach(const Form1* form, std::function<void()> repaint_now) {
    form_ = form;
    repaint_now_ = std::move(repaint_now);
  }

  // Throws ProgramEnd, after the events are handled, when the program has
  // been asked to end; never from inside Qt's event dispatch.
  void DoEvents() override;

 private:
  const Form1* form_ = nullptr;
  std::function<void()> repaint_now_;
  std::chrono::steady_clock::time_point last_paint_{};
};

// Qt's image fills and blits leave the upper halves of the AVX registers
// dirty, which makes the scan's plain SSE code afterwards several times
// slower (a state-transition penalty) until something clears them. Call
// after handing control to Qt.
void ClearUpperVectorState();

}  // namespace gc
