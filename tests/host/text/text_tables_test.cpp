#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

#include "text/language.h"
#include "text/text.h"

namespace cindermoor {
namespace {

std::set<std::string> PlacesIn(const std::string& text) {
  static const std::regex place(R"(\{[a-z_]+\})");
  std::set<std::string> places;
  for (std::sregex_iterator i(text.begin(), text.end(), place), end; i != end; ++i) {
    places.insert(i->str());
  }
  return places;
}

// A language's table must hold every English key with the same places to fill, or the
// program would show a key, or lose what a place carries, in that language.
TEST(TextTablesTest, EveryLanguageHasEveryTextWithItsPlaces) {
  for (std::size_t language = 0; language < LanguageCount(); ++language) {
    for (std::size_t key = 0; key < text_tables::kKeyCount; ++key) {
      SCOPED_TRACE(std::string(LanguageTag(language)) + ": " +
                   std::string(text_tables::kKeys[key]));
      const char* text = text_tables::kLanguages[language].texts[key];
      if (!text) {
        ADD_FAILURE() << "missing";
        continue;
      }
      EXPECT_EQ(PlacesIn(text), PlacesIn(text_tables::kLanguages[kEnglish].texts[key]));
    }
  }
}

TEST(TextTablesTest, FillsNamedPlaces) {
  UseLanguage(kEnglish);
  EXPECT_EQ(Text("locator.folder_cannot_open", {{"folder", "C:\\{folder}"}}),
            "The folder C:\\{folder} cannot be opened.");
}

TEST(LanguageChoiceTest, SettingFirstThenWindowsClosestLanguage) {
  const struct {
    const char* setting;
    std::uint16_t windows;
    const char* chosen;
  } cases[] = {
      {"", 0x0407, "de"},    {"", 0x0807, "de"},        {"", 0x040c, "fr"},
      {"", 0x0c0a, "es"},    {"", 0x0415, "pl"},        {"", 0x0419, "ru"},
      {"", 0x0416, "pt-BR"}, {"", 0x0816, "pt-BR"},     {"", 0x0411, "en"},
      {"", 0x0409, "en"},    {"en", 0x0407, "en"},      {"PT-br", 0x0409, "pt-BR"},
      {"ru", 0x0407, "ru"},  {"klingon", 0x0407, "de"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LanguageTag(ChooseLanguage(c.setting, c.windows)), c.chosen)
        << c.setting << " on " << std::hex << c.windows;
  }
}

}  // namespace
}  // namespace cindermoor
