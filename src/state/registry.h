// The registry helpers: the program's only way into the Windows registry.
#pragma once

#include <string>

#include "common/outcome.h"

namespace cindermoor {

enum class RegRoot { LocalMachine, CurrentUser };

// Which view of HKEY_LOCAL_MACHINE\Software a read looks in. The voice client and the game
// are 32-bit programs whose installers write the 32-bit view.
enum class RegView { Native, Bit32 };

class Registry {
 public:
  virtual ~Registry() = default;

  // Each write fails when the registry refused it, with the system's reason ("Access is
  // denied (error 5)"); the caller says what it was writing.
  virtual Outcome CreateRegKey(RegRoot root, const std::string& subKey) = 0;
  // Deletes the one key; a key with sub-keys is refused, as Windows does.
  // A key that does not exist counts as deleted.
  virtual Outcome DeleteRegKey(RegRoot root, const std::string& subKey) = 0;
  // Deletes the key with everything below it.
  virtual Outcome DeleteRegTree(RegRoot root, const std::string& subKey) = 0;
  // A REG_SZ value of any length; anything else (missing key or value, other type) gives
  // defaultValue. Never creates a key.
  virtual std::string GetRegString(RegRoot root, const std::string& subKey,
                                   const std::string& valueName, const std::string& defaultValue,
                                   RegView view = RegView::Native) = 0;
  // Creates the key and its missing parents, then stores data as REG_SZ.
  virtual Outcome SetRegString(RegRoot root, const std::string& subKey,
                               const std::string& valueName, const std::string& data) = 0;
  // Deletes the one value; a value or key that does not exist counts as deleted, and no key
  // is made.
  virtual Outcome DeleteRegValue(RegRoot root, const std::string& subKey,
                                 const std::string& valueName) = 0;
};

}  // namespace cindermoor
