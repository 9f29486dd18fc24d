// The registry helpers on the Windows registry.
#pragma once

#include "state/registry.h"

namespace cindermoor::win32 {

class RegistryWin32 : public Registry {
 public:
  Outcome CreateRegKey(RegRoot root, const std::string& subKey) override;
  Outcome DeleteRegKey(RegRoot root, const std::string& subKey) override;
  Outcome DeleteRegValue(RegRoot root, const std::string& subKey,
                         const std::string& valueName) override;
  Outcome DeleteRegTree(RegRoot root, const std::string& subKey) override;
  std::string GetRegString(RegRoot root, const std::string& subKey, const std::string& valueName,
                           const std::string& defaultValue,
                           RegView view = RegView::Native) override;
  Outcome SetRegString(RegRoot root, const std::string& subKey, const std::string& valueName,
                       const std::string& data) override;
};

}  // namespace cindermoor::win32
