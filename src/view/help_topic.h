#pragma once

// What the help window shows, without pixels: the key of a topic in each language, the page of
// a topic read from the help text base (its title, with the version and the database date in the
// about titles, and its coded body), which links stay in the window, and the database date.

#include <optional>
#include <string>
#include <string_view>

#include "base/calendar_date.h"
#include "base/language.h"
#include "database/database.h"
#include "storage/text_base.h"

namespace tessla {

// The key of topic `topic` ("HJ001") in `language`: English texts are stored under the key + "e".
std::string topicKey(std::string_view topic, Language language);

// Whether following `link` shows another topic in the help window ("HJ…" and "TX…" keys, taken as
// they stand); any other link closes the window.
bool isTopicLink(std::string_view link);

// `title` (Windows-1252) as the window shows it: an about title gets the version and, when known,
// the database date: in Swedish a title beginning "Tessla" gets " (ver 1.02, databasdatum
// 1890-12-31)", in English one beginning "About Tessla" gets " (ver 1.02, database 12/31/1890)";
// without a date only " (ver 1.02)". Other titles stay as they are.
std::string aboutTitle(std::string_view title, Language language, std::string_view version,
                       std::optional<CalendarDate> databaseDate);

// The program and its data as a citation names them: "Tessla 1.02, databasdatum 2026-12-11" in
// Swedish, "Tessla 1.02, database 12/11/2026" in English (the date as the about title writes it);
// without a date "Tessla 1.02".
std::string programEdition(Language language, std::string_view version,
                           std::optional<CalendarDate> databaseDate);

// The row file of the residence-parish word list `tessls15` as its properties name it: the file
// whose date is the database's.
std::string databaseDateFile(Database& db);
// The local calendar date on which the file at `path` was last modified; nothing when it cannot
// be read.
std::optional<CalendarDate> fileDate(const std::string& path);

struct HelpPage {
    std::string title;  // Windows-1252
    std::string text;   // the coded body in the help style, "[6]" + body; empty when missing
};

// The page of `key` (exactly as given) in `textbas`: its title through aboutTitle and its body.
// A key that is not there, or a base that is closed or cannot read the record, gives an empty page.
HelpPage readHelpPage(TSPregtext& textbas, std::string_view key, Language language, std::string_view version,
                      std::optional<CalendarDate> databaseDate);

// What the help window shows for a topic the database lacks (a database built before the topic
// was written): a title and a body saying so, naming the key.
HelpPage missingTopicPage(std::string_view key, Language language);

}  // namespace tessla
