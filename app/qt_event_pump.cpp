#include "app/qt_event_pump.h"

#include <immintrin.h>

#include <QCoreApplication>

namespace gc {
namespace {

__attribute__((target("avx"))) void ZeroUpperAvx() { _mm256_zeroupper(); }

}  // namespace

void ClearUpperVectorState() {
  if (__builtin_cpu_supports("avx")) ZeroUpperAvx();
}

void QtEventPump::DoEvents() {
  const auto now = std::chrono::steady_clock::now();
  if (repaint_now_ && now - last_paint_ >= kRepaintInterval) {
    repaint_now_();
    last_paint_ = now;
  }
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  ClearUpperVectorState();
  if (form_ && form_->end_requested) throw ProgramEnd{};
}

}  // namespace gc
