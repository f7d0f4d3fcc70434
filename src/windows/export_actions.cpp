#include "windows/export_actions.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include "base/cp1252.h"
#include "base/version.h"
#include "program/program.h"
#include "skin/qt_text.h"
#include "storage/whole_file.h"
#include "view/citation.h"
#include "view/csv_export.h"
#include "view/file_names.h"
#include "view/gedcom.h"
#include "view/help_topic.h"
#include "windows/window_controls.h"

namespace tessla {

namespace {

bool noticeBox(QWidget& owner, Language language, const QString& notice) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Tessla"), notice,
                    QMessageBox::Ok | QMessageBox::Cancel, &owner);
    box.setObjectName(QStringLiteral("exportnotis"));
    box.button(QMessageBox::Ok)->setText(inLanguage(language, "Fortsätt", "Continue"));
    box.button(QMessageBox::Cancel)->setText(inLanguage(language, "Avbryt", "Cancel"));
    return box.exec() == QMessageBox::Ok;
}

}  // namespace

ExportActions::ExportActions(QWidget& owner, Program& program, const RecordBrowser& browser)
    : owner_(owner), program_(program), browser_(browser), folder_(QDir::homePath()) {
    prompts_.fileName = [this](const QString& title, const QString& suggested, const QString& filter) {
        return askSaveFile(owner_, program_.language(), title, suggested, {filter});
    };
    prompts_.goOn = [this](const QString& notice) { return noticeBox(owner_, program_.language(), notice); };
}

QString ExportActions::askFileName(const QString& title, const std::string& suggested,
                                   const QString& filter) {
    const QString path =
        prompts_.fileName(title, QDir(folder_).filePath(QString::fromStdString(suggested)), filter);
    if (!path.isEmpty()) folder_ = QFileInfo(path).absolutePath();
    return path;
}

void ExportActions::write(const QString& path, const std::string& content) {
    const std::optional<std::string> failure = writeFileWhole(path.toStdString(), content);
    if (!failure) return;
    const std::string text =
        inLanguage(program_.language(), "Filen kunde inte sparas:", "The file could not be saved:")
            .toStdString() +
        " " + path.toStdString() + "\n" + *failure;
    program_.message(utf8ToCp1252(Utf8View(text)).value_or(text));
}

void ExportActions::saveHouseholdGedcom() {
    program_.whenSettled("save household", [this] {
        if (program_.household.size() == 0) return;
        const Language language = program_.language();
        const std::string suggested = suggestedFileName(
            program_.currentPerson, inLanguage(language, "hushall", "household").toStdString(), "ged");
        const QString path = askFileName(
            inLanguage(language, "Spara hushållet som GEDCOM-fil", "Save the household as a GEDCOM file"),
            suggested, QStringLiteral("GEDCOM (*.ged)"));
        if (path.isEmpty()) return;
        program_.runBusy(
            [&] { write(path, householdGedcom(program_.database(), program_.household, language)); });
    });
}

void ExportActions::saveResultCsv() {
    program_.whenSettled("save list", [this] {
        const std::int32_t limit = program_.configuration().exportLimit;
        const std::int32_t available = browser_.resultCount();
        if (limit <= 0 || available <= 0) return;
        const Language language = program_.language();
        if (const std::string notice = exportLimitNotice(limit, available, language); !notice.empty())
            if (!prompts_.goOn(QString::fromStdString(notice))) return;
        const QString path =
            askFileName(inLanguage(language, "Spara listan som CSV-fil", "Save the list as a CSV file"),
                        inLanguage(language, "Tessla lista.csv", "Tessla list.csv").toStdString(),
                        QStringLiteral("CSV (*.csv)"));
        if (path.isEmpty()) return;
        const std::optional<PrintKeys> keys = sortOrder_ ? sortOrder_() : std::nullopt;
        program_.runBusy([&] {
            const CsvExport csv =
                exportResult(program_.database(), limit, keys, language, [] { return true; });
            write(path, csv.text);
        });
    });
}

void ExportActions::copyCitation() {
    program_.whenSettled("copy citation", [this] {
        const std::int32_t record = browser_.shownRecord();
        if (browser_.resultCount() <= 0 || record <= 0) return;
        const Tenperson person = loadPerson(program_.database().tessl(), record);
        putOnClipboard(sourceCitation(person, program_.language(), kProgramVersion,
                                      fileDate(databaseDateFile(program_.database()))));
    });
}

}  // namespace tessla
