// Words the core puts into sentences for people come from the caller: a program that speaks
// another language hands over its own sentence, with %1, %2, ... where the values go.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace kelvra {

// Given: format, UTF-8 with %1 .. %9 standing for values (each may appear in any order, more
// than once or not at all); values, the texts for %1, %2, ...
// Returns: format with each placeholder replaced in one pass, so a value holding "%2" is not
// read again; a '%' not followed by a digit that names a value stays as it is ("38%,").
inline std::string FillWords(std::string_view format, std::initializer_list<std::string> values) {
  std::string text;
  text.reserve(format.size() + 16);
  for (std::size_t i = 0; i < format.size(); ++i) {
    const char next = i + 1 < format.size() ? format[i + 1] : '\0';
    const auto index = static_cast<std::size_t>(next - '1');
    if (format[i] == '%' && next >= '1' && next <= '9' && index < values.size()) {
      text += *(values.begin() + index);
      ++i;
    } else {
      text += format[i];
    }
  }
  return text;
}

}  // namespace kelvra
