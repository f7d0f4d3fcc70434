#include "windows/window_controls.h"

#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "skin/picture_button.h"
#include "skin/qt_text.h"
#include "view/window_placement.h"

namespace tessla {

namespace {

LayoutRect layoutRectOf(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

}  // namespace

TSPknapp* makePictureButton(QWidget* parent, std::string_view name, const ButtonFace& face, TSPfigurer& figures) {
    auto* button = new TSPknapp(parent);
    button->setObjectName(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    button->setFigurer(&figures);
    button->setKnapptyp(TSPknapptyp::kntBilder);
    button->setFigur1(face.normal);
    button->setFigur2(face.pressed);
    return button;
}

QString inLanguage(Language language, const char* swedish, const char* english) {
    return QString::fromUtf8(language == Language::English ? english : swedish);
}

void setHint(TSPknapp& button, Language language, const char* swedish, const char* english) {
    button.setHint(inLanguage(language, swedish, english));
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
    return window.exec() == QDialog::Accepted ? 1 : 2;
}

}  // namespace tessla
