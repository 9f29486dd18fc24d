// A failure the program cannot go on after: a program that will not start, a window that
// cannot be made, a setting that cannot be stored.
#pragma once

#include <stdexcept>

namespace cindermoor {

// Thrown where the failure is found and reported in one place at the top, which shows the
// message and ends the run. The message names what failed and the system's reason.
class FatalError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace cindermoor
