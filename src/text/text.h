// Every text the program shows, in the language chosen at start: looked up by its key in the
// tables of src/text/languages/, with named places filled in by the caller.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

#include "text_tables.h"

namespace cindermoor {

// A text's key, checked against the English table while compiling.
class TextKey {
 public:
  consteval TextKey(const char* key) : index_(IndexOf(key)) {}  // NOLINT: implicit by design
  constexpr std::size_t Index() const { return index_; }

 private:
  static consteval std::size_t IndexOf(std::string_view key) {
    for (std::size_t i = 0; i < text_tables::kKeyCount; ++i) {
      if (text_tables::kKeys[i] == key) return i;
    }
    throw "no text has this key";
  }
  std::size_t index_;
};

// What goes into the place written {name} in a text.
struct TextPlace {
  std::string_view name;
  std::string_view value;
};

// The text of key in the language in use, its places filled.
std::string Text(TextKey key, std::initializer_list<TextPlace> places = {});

// The same in a given language (an index into the list of languages).
std::string TextIn(std::size_t language, TextKey key, std::initializer_list<TextPlace> places = {});

}  // namespace cindermoor
