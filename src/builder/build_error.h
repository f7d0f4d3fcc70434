#pragma once

// The failures of a database build other than an unusable census: what the builder and its parts
// (help texts, skin pictures, the sample) throw.

#include <stdexcept>

namespace tessla {

// A build that cannot be carried out for a reason other than the census itself (the target,
// the help texts, the skin pictures, a write that fails).
class BuildError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A build stopped on request; like any failed build it leaves nothing behind.
class BuildCancelled : public BuildError {
  public:
    BuildCancelled() : BuildError("the build was cancelled") {}
};

}  // namespace tessla
