#include "windows/record_panel.h"

#include "program/program.h"
#include "skin/background_panel.h"
#include "skin/fonts.h"
#include "skin/picture_button.h"
#include "skin/qt_text.h"
#include "skin/scroll_bar.h"
#include "view/clipboard_texts.h"
#include "widgets/elided_label.h"
#include "widgets/scroll_link.h"
#include "widgets/text_view.h"
#include "windows/main_grids.h"
#include "windows/window_controls.h"

namespace tessla {

namespace pic = picture;

RecordPanel::RecordPanel(QWidget& parent, Program& program, RecordBrowser& browser)
    : program_(program),
      browser_(browser),
      frame_(new SunkenFrame(&parent)),
      text_(new TSPdyntex(frame_)),
      scrollBar_(new Tspecscr(frame_)),
      postid_(new ElidedLabel(frame_)) {
    frame_->setObjectName(QStringLiteral("huvpost"));
    text_->setObjectName(QStringLiteral("texten"));
    text_->setFont(serifFont(11));
    scrollBar_->setObjectName(QStringLiteral("textscr"));
    postid_->setObjectName(QStringLiteral("postnrlabel"));
    postid_->setFont(serifFont(11));
    TSPfigurer& figures = program.mainfigur();
    deselect_ = makePictureButton(frame_, "postejknapp", {pic::postejknapp, pic::postejknappn}, figures);
    copy_ = makePictureButton(frame_, "kopipostknapp", {pic::kopipostknapp, pic::kopipostknappn}, figures);
    print_ =
        makePictureButton(frame_, "postskrivknapp", {pic::postskrivknapp, pic::postskrivknappn}, figures);
    cite_ = makePictureButton(frame_, "kallknapp", {pic::kallknapp, pic::kallknappn}, figures);
    // The main window enables printing while it has a print window and persons are listed.
    print_->setEnabled(false);
    QObject::connect(copy_, &TSPknapp::OnTryckt, copy_, [this] { copy(); });
    linkScrollBar(*scrollBar_, *text_);
}

void RecordPanel::place(const MainLayout& layout) {
    const LayoutRect& frame = layout.recordFrame;
    frame_->setGeometry(rectOf(frame));
    // Children of the frame are placed in its own coordinates.
    const QPoint origin(frame.x, frame.y);
    text_->setGeometry(rectOf(layout.recordText).translated(-origin));
    scrollBar_->setGeometry(rectOf(layout.recordScroll).translated(-origin));
    const QSize small(pic::smallButtonSize.width, pic::smallButtonSize.height);
    int x = frame.width - 4 - small.width();
    for (TSPknapp* button : {print_, copy_, cite_, deselect_}) {
        button->setGeometry(QRect(QPoint(x, 1), small));
        x -= kButtonGap + small.width();
    }
    postid_->setGeometry(14, 4, std::max(0, deselect_->x() - 4 - 14), 20);
    text_->relayout();
}

void RecordPanel::applyTexts(Language language, std::string_view background) {
    setHint(*deselect_, language, "Välj bort personen", "Deselect record");
    setHint(*copy_, language, "Kopiera till urklipp", "Copy to clipboard");
    setHint(*print_, language, "Skriv ut personen", "Print record");
    setHint(*cite_, language, "Kopiera en källhänvisning till urklipp (Ctrl+K)",
            "Copy a source citation to clipboard (Ctrl+K)");
    const QString name = inLanguage(language, "Personpost", "Record");
    text_->setAccessibleName(name);
    scrollBar_->setAccessibleName(name);
    // The frame shows the same paper as the text inside it.
    frame_->setBackground(&program_.metiler(), background);
    text_->setBackground(&program_.metiler(), std::string(background));
    showRecord();
}

void RecordPanel::copy() {
    if (!copy_->isEnabled()) return;
    program_.whenSettled("copy record", [this] {
        // The record shown, which after a household member was chosen is not the selected row's.
        putOnClipboard(
            recordCopyText(program_.database().tessl(), browser_.shownRecord(), program_.language()));
    });
}

void RecordPanel::showRecord() {
    for (TSPknapp* button : {deselect_, copy_, cite_}) button->setEnabled(browser_.resultCount() > 0);
    postid_->setFullText(toQString(browser_.recordLabel()));
    text_->setText(browser_.recordText(program_.language()));
}

}  // namespace tessla
