#pragma once

// The two languages the program speaks, and the one way a text (or anything else that differs
// by language: a picture name, a position, a table of words) is chosen by language.

namespace tessla {

enum class Language { Swedish, English };

// A value in each language, as a table holds it.
template <typename T>
struct Bilingual {
    T swedish;
    T english;
};

// The value of `language`: `swedish` or `english`. Two string literals of different lengths
// meet as `const char*`.
template <typename T>
constexpr T inLanguage(Language language, T swedish, T english) {
    return language == Language::English ? english : swedish;
}

template <typename T>
constexpr const T& inLanguage(Language language, const Bilingual<T>& value) {
    return language == Language::English ? value.english : value.swedish;
}

}  // namespace tessla
