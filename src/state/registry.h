// The registry helpers: the program's only way into the Windows registry.
#pragma once

#include <string>

namespace cindermoor {

enum class RegRoot { LocalMachine, CurrentUser };

// Which view of HKEY_LOCAL_MACHINE\Software a read looks in. The voice client and the game
// are 32-bit programs whose installers write the 32-bit view.
enum class RegView { Native, Bit32 };

class Registry {
 public:
  virtual ~Registry() = default;

  // Each write returns false when the registry refused it (for example access denied).
  [[nodiscard]] virtual bool CreateRegKey(RegRoot root, const std::string& subKey) = 0;
  // Deletes the one key; a key with sub-keys is refused, as Windows does.
  // A key that does not exist counts as deleted.
  [[nodiscard]] virtual bool DeleteRegKey(RegRoot root, const std::string& subKey) = 0;
  // Deletes the key with everything below it.
  [[nodiscard]] virtual bool DeleteRegTree(RegRoot root, const std::string& subKey) = 0;
  // A REG_SZ value of any length; anything else (missing key or value, other type) gives
  // defaultValue. Never creates a key.
  virtual std::string GetRegString(RegRoot root, const std::string& subKey,
                                   const std::string& valueName, const std::string& defaultValue,
                                   RegView view = RegView::Native) = 0;
  // Creates the key and its missing parents, then stores data as REG_SZ.
  [[nodiscard]] virtual bool SetRegString(RegRoot root, const std::string& subKey,
                                          const std::string& valueName,
                                          const std::string& data) = 0;
};

}  // namespace cindermoor
