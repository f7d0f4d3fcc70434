#pragma once

// The file names a save dialog suggests.

#include <string>
#include <string_view>

#include "census/person.h"

namespace tessla {

// The file name a save dialog suggests (UTF-8): the person's last and first names
// ("Lind Karl Johan.ged"), without the characters a file name cannot hold; `fallback` when the
// person has no name.
std::string suggestedFileName(const Tenperson& person, std::string_view fallback, std::string_view extension);

}  // namespace tessla
