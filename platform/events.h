// The per-row yield of the raster scan: the host handles its pending events
// (repaints, button clicks) once, then control returns to the scan.
#pragma once

namespace gc {

class EventPump {
 public:
  virtual ~EventPump() = default;
  virtual void DoEvents() = 0;
};

// Headless hosts have no events to handle.
class NoEvents final : public EventPump {
 public:
  void DoEvents() override {}
};

}  // namespace gc
