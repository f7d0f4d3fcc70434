#pragma once

// How far a database build has come, as the builder tells it while it works: the stage it is in,
// what it does now and the part of the whole work done.

#include <functional>
#include <string>

namespace tessla {

// The stages of a build in the order they come; generating is the sample's alone (a build from a
// census file starts with reading).
enum class BuildStage {
    Generating,  // making up the census
    Reading,     // reading the census
    Sorting,     // sorting the persons into the master list
    Writing,     // writing the master list and the word lists
    Finishing,   // the help texts, the pictures, the settings and the move into place
};

struct BuildStep {
    BuildStage stage = BuildStage::Generating;
    std::string what;  // in a few words for a progress line ("sorting 200000 persons", "writing tessls12")
    double done = 0;   // the part of the whole work done, 0 … 1
};
using BuildSteps = std::function<void(const BuildStep&)>;

}  // namespace tessla
