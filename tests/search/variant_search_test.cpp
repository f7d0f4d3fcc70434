// "~" words in the name fields: every spelling of a name.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "search/child_search.h"
#include "search/person_search.h"
#include "search_census.h"

namespace tessla {
namespace {

using test::censusPerson;

// Three families whose names are spelled three ways, and lodgers with names that only look alike.
std::vector<test::CensusRow> variantCensusRows() {
    const test::Home home1{"Uppsala län", "Alunda (Uppsala län);Uppland", "Norrby", "1"};
    const test::Home home2{"Uppsala län", "Alunda (Uppsala län);Uppland", "Norrby", "2"};
    const test::Home home3{"Uppsala län", "Alunda (Uppsala län);Uppland", "Norrby", "3"};
    const test::Home home4{"Uppsala län", "Alunda (Uppsala län);Uppland", "Söderby", "4"};
    const test::Birth alunda{"Alunda", "Alunda (Uppsala län)", "Uppsala län", "Uppland"};
    return {
        censusPerson(home1, "F", "Carl Gustaf", "Ericsson", "1850", alunda, "Bonde"),
        censusPerson(home1, "M", "Christina", "Olofsdotter", "1852", alunda),
        censusPerson(home1, "B", "Gustav", "Ericsson", "1880", alunda),
        censusPerson(home1, "B", "Sophia", "Ericsson", "1882", alunda),
        censusPerson(home2, "F", "Karl", "Eriksson", "1848", alunda, "Torpare"),
        censusPerson(home2, "M", "Stina", "Ols d:r", "1850", alunda),
        censusPerson(home2, "B", "Olof", "Eriksson", "1881", alunda),
        censusPerson(home3, "F", "Pehr", "Erixon", "1845", alunda, "Dräng"),
        censusPerson(home3, "B", "Per", "Ersson", "1870", alunda),
        censusPerson(home3, "B", "Kristina", "Erixon", "1872", alunda),
        censusPerson(home4, "E", "Olov", "Olsson", "1860", alunda),
        censusPerson(home4, "E", "Nils", "Olofsson", "1861", alunda),
        censusPerson(home4, "E", "Petter", "Lindberg", "1862", alunda),
        censusPerson(home4, "E", "Anna", "Lundberg", "1863", alunda),
        censusPerson(home4, "E", "Maria", "~Berg", "1864", alunda),
    };
}

Database& variantCensus() {
    static test::CensusFixture census(variantCensusRows());
    return census.db();
}

using PersonCase = test::SearchCase<PersonSearch>;
using ChildCase = test::SearchCase<ChildSearch>;

const std::vector<std::string> kErikssons = {"Ericsson, Carl Gustaf", "Ericsson, Gustav", "Ericsson, Sophia",
                                             "Eriksson, Karl",        "Eriksson, Olof",   "Erixon, Pehr",
                                             "Erixon, Kristina",      "Ersson, Per"};

TEST(VariantSearch, LastNames) {
    const auto last = &PersonSearch::lastName;
    test::expectSearchesIn<PersonSearch>(variantCensus(),
                                         {
                                             {last, "~Eriksson", kErikssons},
                                             {last, "~erixon", kErikssons},
                                             {last, "  ~Ersson ", kErikssons},
                                             {last, "~Olsson", {"Olsson, Olov", "Olofsson, Nils"}},
                                             {last, "~Lindberg", {"Lindberg, Petter"}},
                                             {last, "~Lindberg;~Lundberg", {"Lindberg, Petter", "Lundberg, Anna"}},
                                             {last, "~Lundberg;Ols", {"Lundberg, Anna", "Olsson, Olov", "Ols d:r, Stina"}},
                                             {last, "~", {}},
                                             {last, "~ ;Lind", {"Lindberg, Petter"}},
                                             {last, "~-:", {}},
                                             {last, "~Eri*", {}},
                                             {last, "~*son", {}},
                                             {last, "\"~Berg\"", {"~Berg, Maria"}},
                                             {last, "\"~Bergh\"", {}},
                                             {last, "~Carl", {}},
                                             // Exact and prefix searches are as before.
                                             {last, "Ericsson", {"Ericsson, Carl Gustaf", "Ericsson, Gustav", "Ericsson, Sophia"}},
                                             {last, "\"Erixon\"", {"Erixon, Pehr", "Erixon, Kristina"}},
                                         },
                                         dosokning);
}

// First names: each blank-separated "~" word must match one of the person's names.
TEST(VariantSearch, FirstNamesAndOtherFields) {
    const auto first = &PersonSearch::firstNames;
    test::expectSearchesIn<PersonSearch>(
        variantCensus(),
        {
            {first, "~Karl", {"Ericsson, Carl Gustaf", "Eriksson, Karl"}},
            {first, "~Karl ~Gustav", {"Ericsson, Carl Gustaf"}},
            {first, "~Kristina", {"Olofsdotter, Christina", "Erixon, Kristina"}},
            {first, "~Per", {"Erixon, Pehr", "Ersson, Per"}},
            {first, "~Sofia;~Olov", {"Ericsson, Sophia", "Eriksson, Olof", "Olsson, Olov"}},
            {first, "~Olof Per", {}},
            // Occupations are no name list: "~" is text there.
            {&PersonSearch::occupation, "~Bonde", {}},
            {&PersonSearch::occupation, "Bonde", {"Ericsson, Carl Gustaf"}},
        },
        dosokning);
}

TEST(VariantSearch, ParentsAndSiblingsOfTheChildSearch) {
    const std::vector<std::string> home1 = {"Ericsson, Gustav", "Ericsson, Sophia"};
    test::expectSearchesIn<ChildSearch>(
        variantCensus(),
        {
            {&ChildSearch::fatherLastName, "~Eriksson",
             {"Ericsson, Gustav", "Ericsson, Sophia", "Eriksson, Olof", "Ersson, Per", "Erixon, Kristina"}},
            {&ChildSearch::fatherFirstNames, "~Carl", {"Ericsson, Gustav", "Ericsson, Sophia", "Eriksson, Olof"}},
            {&ChildSearch::motherFirstNames, "~Kristina", home1},
            {&ChildSearch::motherLastName, "~Olsdotter", {"Ericsson, Gustav", "Ericsson, Sophia", "Eriksson, Olof"}},
            {&ChildSearch::siblingFirstNames, "~Sofia", {"Ericsson, Gustav"}},
            {&ChildSearch::childFirstNames, "~Gustaf", {"Ericsson, Gustav"}},
            {&ChildSearch::fatherOccupation, "~Bonde", {}},
        },
        dobarnsokning);
}

}  // namespace
}  // namespace tessla
