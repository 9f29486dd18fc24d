#include "text/text.h"

#include "text/language.h"

namespace cindermoor {
namespace {

std::string Fill(std::string_view text, std::initializer_list<TextPlace> places) {
  std::string filled;
  filled.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const TextPlace* found = nullptr;
    if (text[i] == '{') {
      for (const TextPlace& place : places) {
        if (text.substr(i + 1, place.name.size()) == place.name &&
            text.substr(i + 1 + place.name.size(), 1) == "}") {
          found = &place;
        }
      }
    }
    if (found) {
      filled += found->value;
      i += found->name.size() + 1;
    } else {
      filled += text[i];
    }
  }
  return filled;
}

}  // namespace

std::string TextIn(std::size_t language, TextKey key, std::initializer_list<TextPlace> places) {
  const char* text = text_tables::kLanguages[language].texts[key.Index()];
  // A table without the key is a fault the text tests report; the key itself shows where,
  // rather than English passing unnoticed for a translation.
  if (!text) return "[" + std::string(text_tables::kKeys[key.Index()]) + "]";
  return Fill(text, places);
}

std::string Text(TextKey key, std::initializer_list<TextPlace> places) {
  return TextIn(LanguageInUse(), key, places);
}

}  // namespace cindermoor
