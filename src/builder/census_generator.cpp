#include "builder/census_generator.h"

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <span>
#include <stdexcept>

#include "builder/generator_tables.h"

namespace tessla {

namespace {

enum Field {
    kPostId,
    kHemlen,
    kHemfo,
    kHemby,
    kHushnr,
    kFamst,
    kFamnr,
    kFamstkod,
    kFnamn,
    kEnamn,
    kTitel,
    kYrke,
    kYrkeskod,
    kLyte,
    kFodar,
    kFofors,
    kFofors1890,
    kFolen1890,
    kFoland1890,
    kScb1989,
    kGenus,
    kCivst,
    kTro,
    kNation,
    kFranv,
    kStruken,
    kOvrigt,
    kFieldCount
};
static_assert(kFieldCount == kCensusColumns.size());

constexpr int kCensusYear = 1890;

// A text and its weight, for the roll's small vocabularies that live in the code's structure.
struct Choice {
    std::string_view text;
    std::uint32_t weight;
};

std::string_view pick(GeneratorRandom& random, std::span<const Choice> choices) {
    std::uint64_t total = 0;
    for (const Choice& choice : choices) total += choice.weight;
    std::uint64_t r = random.below(total);
    for (const Choice& choice : choices) {
        if (r < choice.weight) return choice.text;
        r -= choice.weight;
    }
    return choices.back().text;
}

// A curve through (age, parts per million) points, linear between them and flat beyond the ends.
struct Point {
    int age;
    std::uint32_t perMillion;
};

std::uint32_t curve(std::span<const Point> points, int age) {
    if (age <= points.front().age) return points.front().perMillion;
    for (std::size_t i = 1; i < points.size(); ++i) {
        const Point& a = points[i - 1];
        const Point& b = points[i];
        if (age <= b.age) {
            const std::int64_t span = b.age - a.age;
            return static_cast<std::uint32_t>(a.perMillion +
                                              (static_cast<std::int64_t>(b.perMillion) - a.perMillion) *
                                                  (age - a.age) / span);
        }
    }
    return points.back().perMillion;
}

// Shares married by age about 1890 (public knowledge, rounded): heads of couples are drawn from these.
constexpr Point kMarriedMen[] = {{21, 0},      {24, 150000}, {28, 450000}, {33, 700000}, {40, 820000},
                                 {55, 800000}, {65, 680000}, {75, 480000}, {90, 250000}};
constexpr Point kWidowed[] = {{30, 20000},  {45, 100000}, {60, 300000},
                              {70, 500000}, {80, 700000}, {95, 850000}};
// Chance that a woman of an age bore a child in a year, counting only children alive at the census.
constexpr Point kFertility[] = {{17, 0},      {19, 75000},  {22, 230000}, {27, 280000},
                                {34, 255000}, {39, 185000}, {43, 85000},  {46, 0}};
// Chance that a child of an age still lives with its parents.
constexpr Point kAtHome[] = {{0, 990000},  {14, 970000}, {16, 700000}, {20, 450000},
                             {25, 250000}, {30, 100000}, {36, 0}};

// Household kinds by setting (countryside, town); weights per thousand households.
enum class HouseholdKind { couple, widow, widower, singleMan, singleWoman, unmarriedMother };
constexpr std::uint32_t kHouseholdWeights[2][6] = {{660, 90, 30, 40, 60, 20}, {600, 100, 25, 80, 110, 50}};

// Rates in parts per million.
constexpr std::uint32_t kPatronymic[2] = {700000, 450000};
constexpr std::uint32_t kHeadAbroad[2] = {15000, 35000};
constexpr std::uint32_t kPersonAbroad = 10000;
constexpr std::uint32_t kServants = 550000;  // farmers' households with farm servants
constexpr std::uint32_t kTownMaid = 150000;
constexpr std::uint32_t kLodgerAlone[2] = {90000, 180000};
constexpr std::uint32_t kLodgerFamily[2] = {30000, 60000};
constexpr std::uint32_t kElderParent = 150000;
constexpr std::uint32_t kSecondGeneration = 120000;  // married child's family, heads over 50
constexpr std::uint32_t kSibling = 20000;
constexpr std::uint32_t kAloneOld = 400000;  // persons alone drawn from the old
constexpr std::uint32_t kFoster = 20000;
constexpr std::uint32_t kWifeOwnSurname = 200000;
constexpr std::uint32_t kDaughterForm = 400000;  // of older country wives keeping a patronymic
constexpr std::uint32_t kSoldierName = 800000;
constexpr std::uint32_t kDivorced = 2000;
constexpr std::uint32_t kUnknownCivil = 1000;
constexpr std::uint32_t kHouseholdFaith = 6000;
constexpr std::uint32_t kPersonFaith = 1000;
constexpr std::uint32_t kDisability = 2500;
constexpr std::uint32_t kAbsent = 6000;
constexpr std::uint32_t kStruck = 2500;
constexpr std::uint32_t kRemark = 10000;
constexpr std::uint32_t kNationality = 500000;
constexpr std::uint32_t kBracketedCountry = 50000;
constexpr std::uint32_t kBracketedProvince = 10000;
constexpr std::uint32_t kUnknownBirthParish = 10000;
constexpr std::uint32_t kYearMissing = 3000;
constexpr std::uint32_t kYearIrregular = 4000;
constexpr std::uint32_t kRoleIrregular = 800;  // "b" or "B " for "B"
constexpr std::uint32_t kNameBlank = 500;
constexpr std::uint32_t kTitle[2] = {10000, 20000};
constexpr std::uint32_t kSingleWomanTitle[2] = {30000, 150000};
constexpr std::uint32_t kMarriedWomanTitle[2] = {2000, 30000};
constexpr std::uint32_t kCottage = 150000;
constexpr std::uint32_t kNextVillage = 150000;
constexpr std::uint32_t kNextAddress = 300000;
// The source writes a few households of Hammar (Örebro län) under a wrong parish and province; the
// program corrects exactly this text when it shows a residence, so the census carries it.
constexpr std::uint32_t kMiswrittenHammar = 30000;

constexpr Choice kHeadFamst[] = {{"Husbonde", 80}, {"Husfader", 10}, {"Man", 10}};
constexpr Choice kWifeFamst[] = {{"Hustru", 90}, {"Maka", 5}, {"Hustrun", 5}};
constexpr Choice kWidowFamst[] = {{"Änka", 80}, {"Husmoder", 20}};
constexpr Choice kAloneFamst[] = {{"Ensam", 40}, {"", 15}, {"Ogift", 25}, {"Inhyses", 20}};
constexpr Choice kYearForms[] = {{"%d?", 30}, {"omkr. %d", 25}, {"ca %d", 20}, {"abt %d", 15}, {" %d", 10}};
constexpr Choice kBirthParishForms[] = {{"%s", 700},      {"%s sn", 80}, {"%s socken", 30}, {"%s, %s", 60},
                                        {"%s förs.", 30}, {"", 80},      {"D:o", 20}};

struct Person {
    Sex sex = Sex::man;
    int age = 0;
    char role = 'E';
    std::string_view famst;
    int family = 1;
    std::string firstNames;
    std::string surname;
    char civil = 'O';
    const Occupation* occupation = nullptr;
    const Country* country = nullptr;  // born abroad
    std::string_view faith;
};

// How a family's members are written: the head's and spouse's FAMST and groups, the children's FAMST.
struct FamilyStyle {
    std::string_view head, wife, son, daughter;
    std::string_view headGroup, wifeGroup;
};

const char* kSexCode[2] = {"M", "K"};

void appendField(std::string& line, std::string_view value) {
    if (value.find_first_of(",\"\r\n") == std::string_view::npos) {
        line += value;
        return;
    }
    line += '"';
    for (char c : value) {
        if (c == '"') line += '"';
        line += c;
    }
    line += '"';
}

// The same name or another spelling of it (Karl and Carl, Johan and Johannes): not given twice.
bool sameName(std::string_view a, std::string_view b) {
    return a.substr(1, 3) == b.substr(1, 3);
}

std::string format(std::string_view pattern, int number) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, std::string(pattern).c_str(), number);
    return buffer;
}

}  // namespace

class CensusGenerator::Impl {
  public:
    Impl(std::uint64_t persons, std::uint64_t seed)
        : total_(persons), random_(seed), tables_(generatorTables()) {
        for (int setting = 0; setting < 2; ++setting) {
            for (int k = 0; k < 6; ++k) {
                householdKinds_[setting].add(static_cast<HouseholdKind>(k), kHouseholdWeights[setting][k]);
            }
        }
        placeParishes();
    }

    bool writeNextHousehold(std::ostream& out) {
        if (written_ >= total_) return false;
        while (written_ >= parishTarget_[parish_]) enterParish(parish_ + 1);
        makeHousehold();
        const std::size_t count = std::min<std::uint64_t>(members_.size(), total_ - written_);
        for (std::size_t i = 0; i < count; ++i) writePerson(members_[i], out);
        written_ += count;
        return true;
    }

    std::uint64_t written_ = 0;
    const std::uint64_t total_;

  private:
    // Each parish gets the persons of its share of its county's 1890 population, parishes of one county
    // differing in size and towns larger; the census is written parish by parish.
    void placeParishes() {
        const std::vector<Parish>& parishes = tables_.parishes;
        std::vector<std::uint64_t> size(parishes.size());
        std::map<int, std::uint64_t> countySize;
        for (std::size_t i = 0; i < parishes.size(); ++i) {
            size[i] = (100 + random_.below(300)) * (parishes[i].town ? 4 : 1);
            countySize[parishes[i].county] += size[i];
        }
        std::uint64_t sum = 0;
        for (std::size_t i = 0; i < parishes.size(); ++i) {
            const int county = parishes[i].county;
            sum += tables_.county(county).population * 1000 * size[i] / countySize[county];
            parishWeight_.push_back(sum);
        }
        for (std::uint64_t cumulative : parishWeight_) parishTarget_.push_back(total_ * cumulative / sum);
        parishTarget_.back() = total_;
        enterParish(0);
    }

    void enterParish(std::size_t index) {
        parish_ = index;
        household_ = 0;
        postNumber_ = 0;
        const Parish& parish = tables_.parishes[index];
        countyBegin_ = countyEnd_ = index;
        while (countyBegin_ > 0 && tables_.parishes[countyBegin_ - 1].county == parish.county) --countyBegin_;
        while (countyEnd_ < tables_.parishes.size() && tables_.parishes[countyEnd_].county == parish.county) {
            ++countyEnd_;
        }
        setting_ = parish.town ? 1 : 0;
        residence_ = parish.name + " (" + tables_.county(parish.county).name + ");" + parish.province;
        moveOn();
    }

    const Parish& parish() const { return tables_.parishes[parish_]; }

    // The next village (countryside) or address (town) of the parish.
    void moveOn() {
        if (setting_ == 1) {
            street_ =
                tables_.places.at("street").pick(random_) + " " + std::to_string(random_.between(1, 80));
            return;
        }
        village_.clear();
        if (random_.chance(120000)) village_ = tables_.places.at("qualifier").pick(random_);
        village_ += tables_.places.at("stem").pick(random_);
        village_ += tables_.places.at("ending").pick(random_);
    }

    std::string place() {
        if (setting_ == 1) {
            if (random_.chance(kNextAddress)) moveOn();
            return street_;
        }
        if (random_.chance(kNextVillage)) moveOn();
        if (!random_.chance(kCottage)) return village_;
        return village_ + ", " + tables_.places.at("cottage").pick(random_);
    }

    // ---- Household composition ----

    void makeHousehold() {
        members_.clear();
        nextFamily_ = 1;
        ++household_;
        place_ = place();
        hemfo_ = residence_;
        if (parish().name == "Hammar" && parish().county == 18 && random_.chance(kMiswrittenHammar)) {
            hemfo_ = "Västra Ny (Örebro län);Östergötland";
        }
        switch (householdKinds_[setting_].pick(random_)) {
            case HouseholdKind::couple:
                makeCoupleHousehold();
                break;
            case HouseholdKind::widow:
                makeWidowedHousehold(Sex::woman);
                break;
            case HouseholdKind::widower:
                makeWidowedHousehold(Sex::man);
                break;
            case HouseholdKind::singleMan:
                addAlone(Sex::man, 20, 95);
                break;
            case HouseholdKind::singleWoman:
                addAlone(Sex::woman, 20, 95);
                break;
            case HouseholdKind::unmarriedMother:
                makeUnmarriedMother();
                break;
        }
        if (random_.chance(kHouseholdFaith)) {
            const std::string& faith = tables_.marks.at("faith").pick(random_);
            for (Person& person : members_) {
                if (person.family == 1) person.faith = faith;
            }
        }
    }

    void makeCoupleHousehold() {
        const int headAge = marriedAge();
        const Occupation& occupation = pickOccupation("head", Sex::man);
        const bool abroad = random_.chance(kHeadAbroad[setting_]);
        const Country* country = abroad ? &tables_.countries.pick(random_) : nullptr;
        const std::string surname = familySurname(occupation, country);
        const FamilyStyle style{
            pick(random_, kHeadFamst), pick(random_, kWifeFamst), "Son", "Dotter", "head", "wife"};
        addFamily(style, headAge, surname, &occupation, country);
        const bool farmer = occupation.code == "61110" || occupation.code == "61120";
        if (farmer && random_.chance(kServants)) addServants(1 + static_cast<int>(random_.below(3)));
        if (setting_ == 1 && random_.chance(kTownMaid)) addServant(Sex::woman);
        addRelatives(headAge, surname);
        addLodgers();
    }

    void makeWidowedHousehold(Sex sex) {
        const int age = widowedAge(sex);
        Person& head = addPerson(sex, age, 'E', nextFamily_++);
        head.famst = sex == Sex::woman ? pick(random_, kWidowFamst) : std::string_view("Änkling");
        head.civil = 'E';
        head.occupation = &pickOccupation(sex == Sex::woman ? "widow" : "head", sex);
        head.surname = sex == Sex::woman ? ownSurname(sex, age) : familySurname(*head.occupation, nullptr);
        const std::string surname = head.surname;
        const int motherAge = sex == Sex::woman ? age : age - random_.between(0, 8);
        if (addChildren(1, motherAge, age, surname, "Son", "Dotter") > 0)
            members_.front().role = sex == Sex::man ? 'F' : 'M';
        if (random_.chance(kServants / 3)) addServants(1);
        addLodgers();
    }

    void makeUnmarriedMother() {
        const int age = random_.between(19, 42);
        Person& mother = addPerson(Sex::woman, age, 'M', nextFamily_++);
        mother.famst = "Ogift";
        mother.surname = ownSurname(Sex::woman, age);
        mother.occupation = &pickOccupation("single", Sex::woman);
        const std::string surname = mother.surname;
        const bool written = random_.chance(300000);
        if (addChildren(1, age, age, surname, written ? "Oäkta son" : "Son",
                        written ? "Oäkta dotter" : "Dotter") == 0) {
            members_.front().role = 'E';
        }
    }

    // Head (F), wife (M) and their children (B) as one family; returns nothing, members are appended.
    void addFamily(const FamilyStyle& style, int headAge, const std::string& surname,
                   const Occupation* occupation, const Country* country) {
        const int family = nextFamily_++;
        Person& head = addPerson(Sex::man, headAge, 'F', family);
        head.famst = style.head;
        head.civil = 'G';
        head.surname = surname;
        head.occupation = occupation ? occupation : &pickOccupation(style.headGroup, Sex::man);
        head.country = country;
        const int wifeAge = std::max(18, headAge - random_.between(-3, 4) - random_.between(0, 7));
        Person& wife = addPerson(Sex::woman, wifeAge, 'M', family);
        wife.famst = style.wife;
        wife.civil = 'G';
        wife.surname = random_.chance(kWifeOwnSurname) ? ownSurname(Sex::woman, wifeAge) : surname;
        wife.occupation = &pickOccupation(style.wifeGroup, Sex::woman);
        if (country && random_.chance(400000)) wife.country = country;
        addChildren(family, wifeAge, headAge, surname, style.son, style.daughter);
    }

    // Children of a mother and father of the given ages (parents 18 to 50 years older); returns how many.
    int addChildren(int family, int motherAge, int fatherAge, const std::string& surname,
                    std::string_view son, std::string_view daughter) {
        int count = 0;
        const int youngest = std::max(0, fatherAge - 50);
        for (int age = youngest; age <= std::min(motherAge, fatherAge) - 18; ++age) {
            const std::uint64_t chance = static_cast<std::uint64_t>(curve(kFertility, motherAge - age)) *
                                         curve(kAtHome, age) / 1'000'000 * survival(age) / 1'000'000;
            if (!random_.chance(static_cast<std::uint32_t>(chance))) continue;
            const Sex sex = random_.chance(487000) ? Sex::woman : Sex::man;
            Person& child = addPerson(sex, age, 'B', family);
            const bool foster = random_.chance(kFoster);
            child.famst = foster ? (sex == Sex::man ? "Fosterson" : "Fosterdotter")
                                 : (sex == Sex::man ? son : daughter);
            child.surname = foster ? ownSurname(sex, age) : surname;
            child.occupation =
                &pickOccupation(age < 15 ? "child" : (sex == Sex::man ? "son" : "daughter"), sex);
            ++count;
        }
        return count;
    }

    // Married child's family (old heads), parents of the head, unmarried siblings: all in the household.
    void addRelatives(int headAge, const std::string& surname) {
        if (headAge >= 50 && random_.chance(kSecondGeneration)) {
            const bool son = random_.chance(600000);
            const int age = std::max(22, headAge - random_.between(22, 32));
            const FamilyStyle style =
                son ? FamilyStyle{"Son", "Sonhustru", "Sonson", "Sondotter", "son", "wife"}
                    : FamilyStyle{"Måg", "Dotter", "Dotterson", "Dotterdotter", "son", "wife"};
            addFamily(style, age, son ? surname : marriedSurname(), nullptr, nullptr);
        }
        if (headAge <= 50 && random_.chance(kElderParent)) {
            const Sex sex = random_.chance(650000) ? Sex::woman : Sex::man;
            const int age = std::min(99, headAge + random_.between(22, 40));
            Person& elder = addPerson(sex, age, 'E', 1);
            const bool ownParent = random_.chance(600000);
            elder.famst =
                sex == Sex::woman ? (ownParent ? "Moder" : "Svärmoder") : (ownParent ? "Fader" : "Svärfar");
            elder.civil = 'E';
            elder.surname = sex == Sex::man && ownParent ? surname : ownSurname(sex, age);
            elder.occupation = &pickOccupation("elder", sex);
        }
        if (random_.chance(kSibling)) {
            const Sex sex = random_.chance(600000) ? Sex::woman : Sex::man;
            Person& sibling = addPerson(sex, std::max(18, headAge + random_.between(-12, 12)), 'E', 1);
            sibling.famst = sex == Sex::woman ? "Syster" : "Broder";
            sibling.surname = surname;
            sibling.occupation = &pickOccupation("single", sex);
        }
    }

    void addServants(int count) {
        for (int i = 0; i < count; ++i) addServant(random_.chance(480000) ? Sex::woman : Sex::man);
    }

    void addServant(Sex sex) {
        const int age = sampleAge(sex, 14, 35);
        Person& servant = addPerson(sex, age, 'E', nextFamily_++);
        servant.occupation = &pickOccupation(sex == Sex::man ? "farmhand" : "maid", sex);
        servant.famst = sex == Sex::man ? std::string_view("Dräng")
                                        : (setting_ == 1 && random_.chance(500000) ? "Tjenarinna" : "Piga");
        servant.surname = ownSurname(sex, age);
        if (random_.chance(kPersonAbroad * 3)) servant.country = &tables_.countries.pick(random_);
    }

    void addLodgers() {
        const std::string_view famst = setting_ == 1 ? "Inneboende" : "Inhyses";
        if (random_.chance(kLodgerFamily[setting_])) {
            const FamilyStyle style{famst, "Hustru", "Son", "Dotter", "lodger", "wife"};
            addFamily(style, marriedAge(), marriedSurname(), nullptr, nullptr);
        }
        if (random_.chance(kLodgerAlone[setting_])) {
            const Sex sex = random_.chance(600000) ? Sex::woman : Sex::man;
            Person& lodger = addAlone(sex, 18, 95);
            lodger.famst = famst;
            lodger.occupation = &pickOccupation("lodger", sex);
        }
    }

    // A person alone in the household, older ones often widowed.
    Person& addAlone(Sex sex, int minAge, int maxAge) {
        const int age = sampleAge(sex, random_.chance(kAloneOld) ? 55 : minAge, maxAge);
        Person& person = addPerson(sex, age, 'E', nextFamily_++);
        person.civil = civilAlone(age);
        person.famst =
            person.civil == 'E' ? (sex == Sex::woman ? "Änka" : "Änkling") : pick(random_, kAloneFamst);
        person.surname = ownSurname(sex, age);
        person.occupation =
            &pickOccupation(person.civil == 'E' && sex == Sex::woman ? "widow" : "single", sex);
        if (random_.chance(kPersonAbroad)) person.country = &tables_.countries.pick(random_);
        return person;
    }

    Person& addPerson(Sex sex, int age, char role, int family) {
        Person& person = members_.emplace_back();
        person.sex = sex;
        person.age = age;
        person.role = role;
        person.family = family;
        person.firstNames = firstNames(sex, age);
        if (age >= 15 && random_.chance(kPersonAbroad)) person.country = &tables_.countries.pick(random_);
        return person;
    }

    // ---- People ----

    int sampleAge(Sex sex, int low, int high) {
        const auto& cumulative = tables_.cumulativeAge[static_cast<int>(sex)];
        const std::uint64_t base = low == 0 ? 0 : cumulative[low - 1];
        const std::uint64_t r = base + random_.below(cumulative[high] - base);
        return static_cast<int>(std::upper_bound(cumulative.begin(), cumulative.end(), r) -
                                cumulative.begin());
    }

    // Children alive at an age per million born, from the age pyramid.
    std::uint32_t survival(int age) const {
        const auto& men = tables_.cumulativeAge[0];
        const auto& women = tables_.cumulativeAge[1];
        const std::uint64_t born = men[0] + women[0];
        const std::uint64_t alive =
            men[age] - (age ? men[age - 1] : 0) + women[age] - (age ? women[age - 1] : 0);
        return static_cast<std::uint32_t>(std::min<std::uint64_t>(1'000'000, alive * 1'000'000 / born));
    }

    int marriedAge() {
        for (;;) {
            const int age = sampleAge(Sex::man, 21, 85);
            if (random_.chance(curve(kMarriedMen, age))) return age;
        }
    }

    int widowedAge(Sex sex) {
        for (;;) {
            const int age = sampleAge(sex, 28, 95);
            if (random_.chance(curve(kWidowed, age))) return age;
        }
    }

    char civilAlone(int age) {
        if (random_.chance(kDivorced)) return 'X';
        if (random_.chance(kUnknownCivil)) return 'U';
        return random_.chance(curve(kWidowed, age)) ? 'E' : 'O';
    }

    std::string firstNames(Sex sex, int age) {
        const auto& names = tables_.firstNames[static_cast<int>(sex)];
        const std::uint32_t second = age >= 60 ? 350000 : 600000;
        const int count = random_.chance(second) ? (random_.chance(120000) ? 3 : 2) : 1;
        const std::string& first = names.pick(random_);
        std::string result = first;
        std::vector<std::string_view> chosen = {first};
        for (int i = 1; i < count; ++i) {
            const std::string& name = names.pick(random_);
            if (std::any_of(chosen.begin(), chosen.end(),
                            [&](std::string_view other) { return sameName(name, other); })) {
                continue;
            }
            chosen.push_back(name);
            result += ' ';
            result += name;
        }
        return result;
    }

    const std::string& surnameOfKind(const std::string& kind) {
        return tables_.surnames.at(kind).pick(random_);
    }

    std::string marriedSurname() { return surnameOfKind(random_.chance(kPatronymic[setting_]) ? "p" : "f"); }

    std::string familySurname(const Occupation& occupation, const Country* country) {
        if (country && tables_.surnames.count(country->name) && random_.chance(700000)) {
            return surnameOfKind(country->name);
        }
        if (occupation.name == "Soldat" && random_.chance(kSoldierName)) return surnameOfKind("s");
        return marriedSurname();
    }

    // A person's own surname; older country women often keep the "-dotter" form.
    std::string ownSurname(Sex sex, int age) {
        std::string surname = marriedSurname();
        if (sex == Sex::woman && setting_ == 0 && age >= 45 && surname.ends_with("sson") &&
            random_.chance(kDaughterForm)) {
            surname.replace(surname.size() - 3, 3, "dotter");
        }
        return surname;
    }

    const Occupation& pickOccupation(std::string_view group, Sex sex) {
        std::string key(group);
        if (group == "child" || group == "lodger" || group == "single" || group == "elder") {
            key += sex == Sex::man ? "-m" : "-k";
        }
        return tables_.occupations[setting_].at(key).pick(random_);
    }

    // ---- Writing ----

    void writePerson(const Person& person, std::ostream& out) {
        std::array<std::string, kFieldCount>& r = record_;
        char postId[32];
        std::snprintf(postId, sizeof postId, "%04zu%07llu", parish_ + 1,
                      static_cast<unsigned long long>(++postNumber_));
        r[kPostId] = postId;
        r[kHemlen] = tables_.county(parish().county).name;
        r[kHemfo] = hemfo_;
        r[kHemby] = place_;
        r[kHushnr] = std::to_string(household_);
        r[kFamst] = person.famst;
        r[kFamnr] = std::to_string(person.family);
        r[kFamstkod] = roleCode(person.role);
        r[kFnamn] = person.firstNames;
        r[kEnamn] = random_.chance(kNameBlank) ? person.surname + " " : person.surname;
        r[kTitel] = title(person);
        r[kYrke] = person.occupation ? person.occupation->name : std::string();
        r[kYrkeskod] = person.occupation ? person.occupation->code : std::string();
        r[kLyte] = person.age >= 5 ? mark(kDisability, "disability") : std::string();
        r[kFodar] = birthYear(person.age);
        writeBirthPlace(person);
        r[kScb1989] = parish().code;
        r[kGenus] = kSexCode[static_cast<int>(person.sex)];
        r[kCivst] = std::string(1, person.civil);
        r[kTro] = !person.faith.empty() ? std::string(person.faith)
                                        : (person.age >= 15 ? mark(kPersonFaith, "faith") : std::string());
        r[kNation] =
            person.country && random_.chance(kNationality) ? person.country->nationality : std::string();
        r[kFranv] =
            mark(person.sex == Sex::man && person.age >= 15 && person.age <= 50 ? kAbsent : kAbsent / 5,
                 "absence");
        r[kStruken] = mark(kStruck, "deletion");
        r[kOvrigt] = mark(kRemark, "remark");
        line_.clear();
        for (std::size_t i = 0; i < r.size(); ++i) {
            if (i) line_ += ',';
            appendField(line_, r[i]);
        }
        line_ += '\n';
        out.write(line_.data(), static_cast<std::streamsize>(line_.size()));
    }

    std::string mark(std::uint32_t perMillion, const char* kind) {
        return random_.chance(perMillion) ? tables_.marks.at(kind).pick(random_) : std::string();
    }

    std::string roleCode(char role) {
        if (!random_.chance(kRoleIrregular)) return std::string(1, role);
        return random_.chance(500000) ? std::string(1, static_cast<char>(role - 'A' + 'a'))
                                      : std::string(1, role) + " ";
    }

    std::string title(const Person& person) {
        if (person.age < 20) return {};
        if (person.sex == Sex::man) return mark(kTitle[setting_], "title-m");
        if (person.civil == 'O') return mark(kSingleWomanTitle[setting_], "title-single");
        return person.civil == 'G' ? mark(kMarriedWomanTitle[setting_], "title-married") : std::string();
    }

    std::string birthYear(int age) {
        const int year = kCensusYear - age;
        if (random_.chance(kYearMissing)) return {};
        if (!random_.chance(kYearIrregular)) return std::to_string(year);
        return random_.chance(200000) ? format("%d?", year / 10) : format(pick(random_, kYearForms), year);
    }

    void writeBirthPlace(const Person& person) {
        std::array<std::string, kFieldCount>& r = record_;
        if (person.country) {
            r[kFofors] = person.country->places.pick(random_);
            r[kFofors1890].clear();
            r[kFolen1890].clear();
            r[kFoland1890] =
                random_.chance(kBracketedCountry) ? "[" + person.country->name + "]" : person.country->name;
            return;
        }
        const Parish& born = tables_.parishes[birthParish(person.age)];
        const std::string& county = tables_.county(born.county).name;
        const std::string pattern(pick(random_, kBirthParishForms));
        char buffer[256];
        std::snprintf(buffer, sizeof buffer, pattern.c_str(), born.name.c_str(), born.province.c_str());
        r[kFofors] = buffer;
        r[kFofors1890] =
            random_.chance(kUnknownBirthParish) ? std::string() : born.name + " (" + county + ")";
        r[kFolen1890] = county;
        r[kFoland1890] = random_.chance(kBracketedProvince) ? "[" + born.province + "]" : born.province;
    }

    // Mostly the parish of residence or one near it, some elsewhere in the county, some anywhere.
    std::size_t birthParish(int age) {
        const std::uint64_t r = random_.below(1'000'000);
        const std::uint64_t same = age < 15 ? 780000 : 450000;
        if (r < same) return parish_;
        if (r < same + 200000) {
            const std::int64_t near = static_cast<std::int64_t>(parish_) + random_.between(-6, 6);
            return static_cast<std::size_t>(std::clamp<std::int64_t>(
                near, static_cast<std::int64_t>(countyBegin_), static_cast<std::int64_t>(countyEnd_) - 1));
        }
        if (r < same + 320000) return countyBegin_ + random_.below(countyEnd_ - countyBegin_);
        const std::uint64_t w = random_.below(parishWeight_.back());
        return std::upper_bound(parishWeight_.begin(), parishWeight_.end(), w) - parishWeight_.begin();
    }

    GeneratorRandom random_;
    const GeneratorTables& tables_;
    WeightedList<HouseholdKind> householdKinds_[2];
    std::vector<std::uint64_t> parishWeight_;  // cumulative
    std::vector<std::uint64_t> parishTarget_;  // persons written when the parish is done
    std::size_t parish_ = 0;
    std::size_t countyBegin_ = 0;
    std::size_t countyEnd_ = 0;
    int setting_ = 0;
    int household_ = 0;
    std::uint64_t postNumber_ = 0;
    int nextFamily_ = 1;
    std::string residence_;
    std::string hemfo_;
    std::string village_;
    std::string street_;
    std::string place_;
    std::vector<Person> members_;
    std::array<std::string, kFieldCount> record_;
    std::string line_;
};

CensusGenerator::CensusGenerator(std::uint64_t persons, std::uint64_t seed) {
    if (persons < 1 || persons > kMaxGeneratedPersons) {
        throw std::invalid_argument("the number of persons must be 1 to " +
                                    std::to_string(kMaxGeneratedPersons));
    }
    impl_ = std::make_unique<Impl>(persons, seed);
}

CensusGenerator::~CensusGenerator() = default;

void CensusGenerator::writeHeader(std::ostream& out) {
    std::string line;
    for (std::string_view column : kCensusColumns) {
        if (!line.empty()) line += ',';
        line += column;
    }
    out << line << '\n';
}

bool CensusGenerator::writeNextHousehold(std::ostream& out) {
    return impl_->writeNextHousehold(out);
}
std::uint64_t CensusGenerator::personsWritten() const {
    return impl_->written_;
}
std::uint64_t CensusGenerator::personsTotal() const {
    return impl_->total_;
}

void generateCensus(std::uint64_t persons, std::uint64_t seed, std::ostream& out) {
    CensusGenerator generator(persons, seed);
    CensusGenerator::writeHeader(out);
    while (generator.writeNextHousehold(out)) {
    }
}

}  // namespace tessla
