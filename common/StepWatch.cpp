#include "common/StepWatch.h"

#include "common/WriteError.h"

namespace spanwise {

void StepWatch::Step(const char* stage, long done, long total) {
  if (cancel_ != nullptr && cancel_->load(std::memory_order_relaxed)) throw RunCancelled();
  if (!progress_) return;
  const int percent =
      total <= 0 ? 0
                 : static_cast<int>(100.0 * static_cast<double>(done) / static_cast<double>(total));
  if (stage == stage_ && percent == percent_) return;
  stage_ = stage;
  percent_ = percent;
  progress_(stage, percent);
}

}  // namespace spanwise
