#include "text/language.h"

#include <atomic>

#include "common/ascii_text.h"
#include "text_tables.h"

namespace cindermoor {
namespace {

// Windows keeps the primary language in a language id's low ten bits, the country above.
constexpr std::uint16_t kPrimaryLanguageMask = 0x3ff;

// Set once at start before any text is shown, read from then on.
std::atomic<std::size_t> languageInUse{kEnglish};

}  // namespace

std::size_t LanguageCount() { return text_tables::kLanguageCount; }

std::string_view LanguageTag(std::size_t language) { return text_tables::kLanguages[language].tag; }

int LanguageCharacterSet(std::size_t language) {
  return text_tables::kLanguages[language].windowsCharacterSet;
}

std::optional<std::size_t> LanguageTagged(std::string_view tag) {
  for (std::size_t language = 0; language < LanguageCount(); ++language) {
    if (SameIgnoringCase(tag, LanguageTag(language))) return language;
  }
  return std::nullopt;
}

std::size_t LanguageForWindows(std::uint16_t languageId) {
  const int primary = languageId & kPrimaryLanguageMask;
  for (std::size_t language = 0; language < LanguageCount(); ++language) {
    if (text_tables::kLanguages[language].windowsPrimaryLanguage == primary) return language;
  }
  return kEnglish;
}

std::size_t ChooseLanguage(std::string_view setting, std::uint16_t windowsLanguageId) {
  return LanguageTagged(setting).value_or(LanguageForWindows(windowsLanguageId));
}

void UseLanguage(std::size_t language) {
  languageInUse = language < LanguageCount() ? language : kEnglish;
}

std::size_t LanguageInUse() { return languageInUse; }

}  // namespace cindermoor
