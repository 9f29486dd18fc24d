// Which of the program's languages its texts are in: Windows' display language unless the
// Language setting names another.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace cindermoor {

// A language is its place in the list of src/text/languages/languages.txt; English is 0.
inline constexpr std::size_t kEnglish = 0;

std::size_t LanguageCount();
// "en", "de", "pt-BR", …
std::string_view LanguageTag(std::size_t language);

// The language a Language setting names ("de", "pt-BR"; any letter case), if it names one.
std::optional<std::size_t> LanguageTagged(std::string_view tag);

// The Windows character set the windows' font needs for the language's letters.
int LanguageCharacterSet(std::size_t language);

// The closest language to a Windows language id: the same primary language, whatever its
// country (Portuguese of Portugal gets Brazilian Portuguese), else English.
std::size_t LanguageForWindows(std::uint16_t languageId);

// The Language setting when it names a language, else Windows' display language.
std::size_t ChooseLanguage(std::string_view setting, std::uint16_t windowsLanguageId);

// The language Text() speaks. The program chooses it once at start, before any window shows
// a text; tests choose it for their case.
void UseLanguage(std::size_t language);
std::size_t LanguageInUse();

}  // namespace cindermoor
