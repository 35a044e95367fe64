// Progress and cancellation of a run, between its stages and between the
// steps of a long stage.
#pragma once

#include <atomic>
#include <functional>

namespace spanwise {

class StepWatch {
 public:
  // progress in (may be empty): told the stage and its percent when either
  // changes; cancel in (may be null): set from another thread to stop.
  StepWatch(std::function<void(const char*, int)> progress, const std::atomic<bool>* cancel)
      : progress_(std::move(progress)), cancel_(cancel) {}

  // Step done of total (0 <= done <= total) of stage. Fault: RunCancelled
  // when cancel is set.
  void Step(const char* stage, long done, long total);

 private:
  std::function<void(const char*, int)> progress_;
  const std::atomic<bool>* cancel_;
  const char* stage_ = nullptr;
  int percent_ = -1;
};

}  // namespace spanwise
