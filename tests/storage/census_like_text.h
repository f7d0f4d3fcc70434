#pragma once

// Deterministic plain data for codec tests and benchmarks: census-like records (Windows-1252 text with
// Swedish names, parishes, years and occupations, one record per line, fields separated by tabs), and
// random bytes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tessla::testing {

class SmallRandom {
  public:
    explicit SmallRandom(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15u + 1) {}
    std::uint64_t next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return state_;
    }
    std::size_t below(std::size_t n) { return static_cast<std::size_t>(next() % n); }

  private:
    std::uint64_t state_;
};

inline std::vector<std::uint8_t> randomBytes(std::size_t size, std::uint64_t seed) {
    SmallRandom random(seed);
    std::vector<std::uint8_t> bytes(size);
    for (auto& byte : bytes) byte = static_cast<std::uint8_t>(random.next() >> 32);
    return bytes;
}

// About size bytes of records; the same size and seed give the same bytes.
inline std::vector<std::uint8_t> censusLikeText(std::size_t size, std::uint64_t seed = 1) {
    static const char* const lastNames[] = {"Andersson",
                                            "Johansson",
                                            "Karlsson",
                                            "Nilsson",
                                            "Eriksson",
                                            "Larsson",
                                            "Olsson",
                                            "Persson",
                                            "Svensson",
                                            "Gustafsson",
                                            "Pettersson",
                                            "Jonsson",
                                            "Jansson",
                                            "Hansson",
                                            "Bengtsson",
                                            "J\xF6nsson",
                                            "Lindberg",
                                            "Jakobsson",
                                            "Magnusson",
                                            "Olofsson",
                                            "Lindstr\xF6m",
                                            "Lindqvist",
                                            "Lindgren",
                                            "Berg",
                                            "Axelsson",
                                            "Bergstr\xF6m",
                                            "Lundberg",
                                            "Lind",
                                            "Lundgren",
                                            "Lundqvist",
                                            "Mattsson",
                                            "Berglund",
                                            "Fredriksson",
                                            "Sandberg",
                                            "Henriksson",
                                            "Sj\xF6"
                                            "berg",
                                            "Forsberg",
                                            "\xC5"
                                            "berg",
                                            "Holm",
                                            "Nord"};
    static const char* const firstNames[] = {
        "Anna",    "Maria",    "Karl",     "Johan",   "Erik",     "Lars",      "Per",   "Nils",
        "Anders",  "Gustaf",   "Kristina", "Johanna", "Elisabet", "Margareta", "Brita", "Hedvig",
        "Sofia",   "Matilda",  "Olof",     "Sven",    "August",   "Axel",      "Hilda", "Ida",
        "Augusta", "Carolina", "Fredrik",  "Emil",    "Gunnar",   "Ingrid",    "Stina", "M\xE4rta"};
    static const char* const parishes[] = {"Uppsala domkyrkof\xF6rsamling",
                                           "Stockholms Katarina",
                                           "G\xF6teborgs domkyrkof\xF6rsamling",
                                           "Lunds stadsf\xF6rsamling",
                                           "Norrk\xF6pings S:t Olai",
                                           "Link\xF6pings domkyrkof\xF6rsamling",
                                           "V\xE4ster\xE5s domkyrkof\xF6rsamling",
                                           "\xD6rebro S:t Nikolai",
                                           "J\xE4rf\xE4lla",
                                           "Tierp",
                                           "\xC5mm\xE5l",
                                           "Bj\xF6rklinge",
                                           "Skellefte\xE5 landsf\xF6rsamling",
                                           "Ume\xE5 landsf\xF6rsamling",
                                           "Kalmar",
                                           "Visby",
                                           "\xD6stersund",
                                           "Falu Kristine",
                                           "Mora",
                                           "Torsby"};
    static const char* const counties[] = {
        "Uppsala l\xE4n",     "Stockholms l\xE4n",          "G\xF6teborgs och Bohus l\xE4n",
        "Malm\xF6hus l\xE4n", "\xD6sterg\xF6tlands l\xE4n", "V\xE4stmanlands l\xE4n",
        "\xD6rebro l\xE4n",   "Kopparbergs l\xE4n",         "V\xE4sterbottens l\xE4n"};
    static const char* const occupations[] = {"Dr\xE4ng",
                                              "Piga",
                                              "Bonde",
                                              "Hemmans\xE4gare",
                                              "Torpare",
                                              "Arbetare",
                                              "Skomakare",
                                              "Smed",
                                              "Snickare",
                                              "Hustru",
                                              "Son",
                                              "Dotter",
                                              "Inhyses",
                                              "Backstugusittare",
                                              "Sj\xF6man",
                                              "Fabriksarbetare",
                                              "L\xE4rarinna",
                                              "Kyrkoherde",
                                              "Handlande",
                                              "Skr\xE4"
                                              "ddare",
                                              "Mj\xF6lnare",
                                              "Statdr\xE4ng",
                                              "Fosterbarn",
                                              "Tj\xE4nstepiga"};
    static const char* const statuses[] = {"G", "O", "\xC4", "F"};
    static const char* const roles[] = {"Hf", "Hu", "Ba", "Tj", "In"};

    SmallRandom random(seed);
    auto pick = [&](const auto& list) { return std::string(list[random.below(std::size(list))]); };
    std::string text;
    text.reserve(size + 256);
    for (unsigned id = 1; text.size() < size; ++id) {
        text += std::to_string(100000 + id) + '\t' + pick(lastNames) + '\t' + pick(firstNames);
        if (random.below(3) == 0) text += ' ' + pick(firstNames);
        text += '\t' + pick(roles) + '\t' + pick(occupations) + '\t' +
                std::to_string(1800 + random.below(91)) + '\t' + pick(parishes) + '\t' + pick(counties) +
                '\t' + pick(parishes) + '\t' + pick(statuses) + "\tsv\tSverige\r\n";
    }
    text.resize(size);
    return {text.begin(), text.end()};
}

}  // namespace tessla::testing
