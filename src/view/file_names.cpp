#include "view/file_names.h"

#include "base/cp1252.h"
#include "base/string_utils.h"

namespace tessla {

std::string suggestedFileName(const Tenperson& person, std::string_view fallback,
                              std::string_view extension) {
    std::string name;
    for (const std::string_view part : {trimBlanks(person.ENAMN), trimBlanks(person.FNAMN)}) {
        if (part.empty()) continue;
        if (!name.empty()) name += ' ';
        name += part;
    }
    std::string safe;
    for (const char c : cp1252ToUtf8(name).str()) {
        if (static_cast<unsigned char>(c) < 32 ||
            std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos)
            continue;
        safe += c;
    }
    while (!safe.empty() && (safe.front() == '.' || safe.front() == ' ')) safe.erase(0, 1);
    if (safe.empty()) safe = fallback;
    return safe + "." + std::string(extension);
}

}  // namespace tessla
