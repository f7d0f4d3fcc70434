// tessla-db inspect --ini FILE
//
// One line per component: name TAB open|closed TAB rows or records TAB file path; the skin
// picture base last, with its number of pictures.

#include <cstdio>

#include "base/catalogue.h"
#include "commands.h"
#include "options.h"
#include "query_database.h"
#include "storage/text_base.h"

namespace tessla::tool {
namespace {

void printLine(std::string_view name, bool open, std::int32_t count, const std::string& path) {
    std::printf("%.*s\t%s\t%d\t%s\n", static_cast<int>(name.size()), name.data(), open ? "open" : "closed",
                count, path.c_str());
}

}  // namespace

int inspectCommand(const Arguments& arguments) {
    return runCommand("inspect", "inspect --ini FILE", [&] {
        const Options options(arguments, {"--ini"}, {});
        const auto query = openQueryDatabase(options.required("--ini"));
        Database& db = query->db;
        const auto files = databaseFiles(query->config.cdbasen, query->config.hdbasen);
        const auto mainFile = [&](std::string_view component) {
            for (const DatabaseFile& file : files) {
                if (file.main && file.component == component) return file.path;
            }
            return std::string();
        };
        printLine("tessllista", db.tessllista().isOpen(), db.tessllista().rowCount(), mainFile("tessllista"));
        printLine("tessl", db.tessl().isOpen(), db.tessl().count(), mainFile("tessl"));
        printLine("textbas", db.textbas().isOpen(), db.textbas().count(), mainFile("textbas"));
        for (int k = 1; k <= 41; ++k) {
            TSPstruktlista& list = db.tessls(k);
            printLine(list.name(), list.isOpen(), list.rowCount(), mainFile(list.name()));
        }
        // The skin picture base opens only when pictures are fetched; here for its count.
        TSPbildbas& skin = db.sysbild();
        skin.oppna();
        const PictureBaseSettings& skinFiles = skinPictureBase();
        printLine(skinFiles.name, skin.isOpen(), skin.count(),
                  filePath(query->config.hdbasen, skinFiles.bfilnamn, skinFiles.bfilext));
        skin.stang();
        return kExitOk;
    });
}

}  // namespace tessla::tool
