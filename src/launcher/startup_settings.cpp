#include "launcher/startup_settings.h"

namespace cindermoor {

StartupSettings::StartupSettings(LauncherSettings& settings) {
  for (const SettingRow& row : kSettingRows) {
    if (row.shown != Shown::MainWindow) continue;
    const std::optional<std::string> read = ReadAs(row, settings.Read(row.name));
    values_[row.name] = {read.value_or(row.byDefault), !read};
  }
}

const std::string& StartupSettings::operator[](const std::string& name) const {
  return values_.at(name).text;
}

bool StartupSettings::Defaulted(const std::string& name) const {
  return values_.at(name).defaulted;
}

void StartupSettings::Put(const std::string& name, const std::string& value) {
  values_[name] = {value, false};
}

}  // namespace cindermoor
