#include "windows/window_controls.h"

#include <vector>

#include <QClipboard>
#include <QDialog>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLayout>
#include <QRegularExpression>
#include <QScreen>
#include <QWidget>

#include "skin/fonts.h"
#include "skin/picture_button.h"
#include "skin/qt_text.h"
#include "view/reading_order.h"
#include "view/window_placement.h"

namespace tessla {

namespace {

LayoutRect layoutRectOf(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

}  // namespace

TSPknapp* makePictureButton(QWidget* parent, std::string_view name, const ButtonFace& face,
                            TSPfigurer& figures) {
    auto* button = new TSPknapp(parent);
    button->setObjectName(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    button->setFigurer(&figures);
    button->setKnapptyp(TSPknapptyp::kntBilder);
    button->setFigur1(face.normal);
    button->setFigur2(face.pressed);
    return button;
}

void setSerifLook(QWidget& control, const SerifLook& look) {
    QFont font = serifFont(look.points);
    font.setBold(look.bold);
    font.setItalic(look.italic);
    control.setFont(font);
    if (!look.ink) return;
    QPalette palette = control.palette();
    palette.setColor(control.foregroundRole(), *look.ink);
    control.setPalette(palette);
}

QString inLanguage(Language language, const char* swedish, const char* english) {
    return QString::fromUtf8(tessla::inLanguage<const char*>(language, swedish, english));
}

void showInLanguage(Language language, QWidget& swedish, QWidget& english) {
    QWidget* shown = inLanguage(language, &swedish, &english);
    for (QWidget* control : {&swedish, &english}) control->setVisible(control == shown);
}

void setHint(TSPknapp& button, Language language, const char* swedish, const char* english) {
    button.setHint(inLanguage(language, swedish, english));
}

void setReadingTabOrder(QWidget& window) {
    // The controls stand where their layouts put them, even before the window first shows.
    if (window.layout() != nullptr) window.layout()->activate();
    for (QLayout* layout : window.findChildren<QLayout*>()) {
        if (layout->parentWidget() != nullptr && layout->parentWidget()->window() == &window)
            layout->activate();
    }
    std::vector<QWidget*> controls;
    std::vector<LayoutRect> rects;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        const bool tabbed = (control->focusPolicy() & Qt::TabFocus) != 0 && control->focusProxy() == nullptr;
        if (!tabbed || control->window() != &window || !control->isVisibleTo(&window)) continue;
        controls.push_back(control);
        rects.push_back(layoutRectOf(QRect(control->mapTo(&window, QPoint(0, 0)), control->size())));
    }
    QWidget* previous = nullptr;
    for (const std::size_t i : readingOrder(rects)) {
        if (previous != nullptr) QWidget::setTabOrder(previous, controls[i]);
        previous = controls[i];
    }
}

void putOnClipboard(std::string_view cp1252) {
    QGuiApplication::clipboard()->setText(toQString(cp1252));
}

int showModal(QDialog& window, QWidget& owner) {
    const QSize size = window.frameGeometry().size();
    const QScreen* screen = owner.screen();
    const QRect available = screen != nullptr ? screen->availableGeometry() : owner.frameGeometry();
    const WindowPoint place = modalPlacement(layoutRectOf(owner.frameGeometry()), size.width(), size.height(),
                                             layoutRectOf(available));
    window.move(place.x, place.y);
    setReadingTabOrder(window);
    return window.exec() == QDialog::Accepted ? 1 : 2;
}

namespace {

// The suffix of a name filter's first pattern: "png" of "PNG-bild (*.png)".
QString filterSuffix(const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
    return pattern.match(filter).captured(1);
}

}  // namespace

QString askSaveFile(QWidget& owner, Language language, const QString& title, const QString& suggested,
                    const QStringList& filters) {
    QFileDialog dialog(&owner, title);
    dialog.setObjectName(QStringLiteral("sparadialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The modes first: setting them gives the buttons Qt's own words again.
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setLabelText(QFileDialog::LookIn, inLanguage(language, "Leta i:", "Look in:"));
    dialog.setLabelText(QFileDialog::FileName, inLanguage(language, "Filnamn:", "File name:"));
    dialog.setLabelText(QFileDialog::FileType, inLanguage(language, "Filtyp:", "Files of type:"));
    dialog.setLabelText(QFileDialog::Accept, inLanguage(language, "Spara", "Save"));
    dialog.setLabelText(QFileDialog::Reject, inLanguage(language, "Avbryt", "Cancel"));
    dialog.setNameFilters(filters);
    if (!filters.isEmpty()) dialog.setDefaultSuffix(filterSuffix(filters.front()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& filter) { dialog.setDefaultSuffix(filterSuffix(filter)); });
    dialog.selectFile(suggested);
    if (showModal(dialog, owner) != 1 || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}

}  // namespace tessla
