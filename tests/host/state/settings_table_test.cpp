// Every row of the settings table: what a stored text reads as, the default, and the value
// written back.
#include "common/settings_table.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "doubles/memory_settings_store.h"
#include "state/launcher_settings.h"

namespace cindermoor {
namespace {

struct Sample {
  std::string stored;               // "" is not there
  std::optional<std::string> read;  // nullopt: the row's default
};

// Texts of each kind and of none, hostile ones beside the plain.
const std::map<Reading, std::vector<Sample>> kSamples = {
    {Reading::Flag,
     {{"1", "1"},
      {"0", "0"},
      {"0.6", "1"},
      {" 1", "1"},
      {"1.0", "1"},
      {"7", {}},
      {"-1", {}},
      {"abc", {}},
      {"", {}}}},
    {Reading::Number, {{"01", "01"}, {"0", "0"}, {"2", "2"}, {"abc", {}}, {"", {}}}},
    {Reading::Text, {{" C:\\Dynamix\\Tribes ", " C:\\Dynamix\\Tribes "}, {"Zoë", "Zoë"}, {"", {}}}},
    {Reading::Choice, {{"Mumble", "Mumble"}, {"pt-BR", "pt-BR"}, {"", {}}}},
};

std::string ReadThrough(const SettingRow& row, MemorySettingsStore& store) {
  LauncherSettings settings{store};  // a new run: read from the store itself
  return ReadAs(row, settings.Read(row.name)).value_or(row.byDefault);
}

TEST(SettingsTableTest, EveryRowReadsItsKindDefaultsAndWritesBack) {
  std::set<std::string> names;
  for (const SettingRow& row : kSettingRows) {
    SCOPED_TRACE(row.name);
    EXPECT_TRUE(names.insert(row.name).second) << "a name twice";
    EXPECT_TRUE(!*row.byDefault || ReadAs(row, row.byDefault) == row.byDefault);
    for (const Sample& sample : kSamples.at(row.reading)) {
      SCOPED_TRACE("stored \"" + sample.stored + "\"");
      MemorySettingsStore store;
      LauncherSettings settings{store};
      if (!sample.stored.empty()) settings.Write(row.name, sample.stored);
      const std::string value = ReadThrough(row, store);
      EXPECT_EQ(value, sample.read.value_or(row.byDefault));
      settings.Write(row.name, value);
      EXPECT_EQ(ReadThrough(row, store), value);
    }
  }
}

}  // namespace
}  // namespace cindermoor
