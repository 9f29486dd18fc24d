// A registry key for one test, under a parent only tests use, removed with everything in it.
#pragma once

#include <windows.h>

#include <random>
#include <string>
#include <utility>

#include "win32/text.h"
#include "win32/unique_handle.h"

namespace cindermoor::win32 {

// A name no earlier or parallel run is using.
inline std::string UniqueName(const std::string& prefix) {
  std::random_device random;
  return prefix + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(random());
}

class ThrowawayKey {
 public:
  // parent: a key used only by tests, e.g. "Software\CindermoorTest"; extraAccess selects a view.
  // Keys in several roots or views may share one name, so one path serves them all.
  ThrowawayKey(HKEY root, std::string parent, REGSAM extraAccess = 0,
               std::string name = UniqueName("run-"))
      : root_(root),
        parent_(std::move(parent)),
        extraAccess_(extraAccess),
        name_(std::move(name)) {}
  ThrowawayKey(const ThrowawayKey&) = delete;
  ThrowawayKey& operator=(const ThrowawayKey&) = delete;
  ~ThrowawayKey() {
    UniqueHkey parent;
    if (::RegOpenKeyExW(root_, Widen(parent_).c_str(), 0, KEY_ALL_ACCESS | extraAccess_,
                        parent.put()) == ERROR_SUCCESS) {
      ::RegDeleteTreeW(parent.get(), Widen(name_).c_str());
    } else {
      parent.release();
    }
    // Succeeds only when no other run still has a key under it.
    ::RegDeleteKeyExW(root_, Widen(parent_).c_str(), extraAccess_, 0);
  }

  const std::string& Name() const { return name_; }
  std::string Path() const { return parent_ + "\\" + name_; }

 private:
  HKEY root_;
  std::string parent_;
  REGSAM extraAccess_;
  std::string name_;
};

}  // namespace cindermoor::win32
