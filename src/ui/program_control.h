// Ending the whole program, as the OK button and the quit window do.
#pragma once

namespace cindermoor {

class ProgramControl {
 public:
  virtual ~ProgramControl() = default;
  // Ends the run at once: every window closes and no further handler runs.
  virtual void EndProgram() = 0;
};

}  // namespace cindermoor
