#include "view/clipboard_texts.h"

#include <algorithm>

#include "census/household.h"
#include "census/person_list_rows.h"

namespace tessla {

std::string withCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            out += c;
            continue;
        }
        out += "\r\n";
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    }
    return out;
}

std::string recordCopyText(TSPregtext& tessl, std::int32_t record, Language language) {
    if (record < 1 || record > tessl.count()) return {};
    const Tenperson person = loadPerson(tessl, record);
    const std::string heading = inLanguage(language, "Post ", "Record ") + person.POSTID;
    return withCrLf(stripMarkup(heading + "\r\r" + buildPersonText(person, language)));
}

std::string listCopyText(TSPstruktlista& list, std::int32_t top, std::int32_t rows) {
    std::string text;
    const std::int32_t first = std::max(0, top);
    const std::int32_t end = std::min(list.visibleCount(), first + std::max(0, rows));
    for (std::int32_t row = first; row < end; ++row) {
        const std::string rowText = readPersonListRow(list, row + 1).text;
        std::string line =
            std::string(personListRowPart(rowText, 0)) + '\t' + std::string(personListRowPart(rowText, 1));
        if (line.size() > kCopyLineLength) line.resize(kCopyLineLength);
        text += line + "\r\n";
    }
    return text;
}

}  // namespace tessla
