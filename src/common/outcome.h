// The result of a step whose failure its caller must act on.
#pragma once

#include <string>
#include <utility>

namespace cindermoor {

// Success, or why not in words a user can read. The type is [[nodiscard]], so no caller can
// drop a failure without saying so.
class [[nodiscard]] Outcome {
 public:
  static Outcome Success() { return Outcome(std::string()); }
  static Outcome Failure(std::string reason) { return Outcome(std::move(reason)); }

  bool Succeeded() const { return reason_.empty(); }
  const std::string& Reason() const { return reason_; }

 private:
  explicit Outcome(std::string reason) : reason_(std::move(reason)) {}

  std::string reason_;
};

}  // namespace cindermoor
