#include "windows/help_window.h"

#include "base/version.h"
#include "program/program.h"
#include "skin/background_panel.h"
#include "skin/control_palette.h"
#include "skin/fonts.h"
#include "skin/picture_button.h"
#include "skin/qt_text.h"
#include "skin/scroll_bar.h"
#include "storage/picture_names.h"
#include "view/help_topic.h"
#include "widgets/elided_label.h"
#include "widgets/scroll_link.h"
#include "widgets/text_view.h"
#include "windows/window_controls.h"

namespace tessla {

namespace pic = picture;

namespace {

constexpr int kClientWidth = 590;
constexpr int kClientHeight = 424;
constexpr int kMargin = 8;
constexpr int kTitleHeight = 28;
constexpr int kScrollWidth = 19;

}  // namespace

Ttextform::Ttextform(Program& program, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      program_(program),
      panel_(new BackgroundPanel(this)),
      rubriklabel_(makeSerif<ElidedLabel>(panel_, "rubriklabel", {14, true, false, QColor(0, 0, 128)})),
      frame_(new SunkenFrame(panel_)),
      texten_(new TSPdyntex(frame_)),
      vistextscr_(new Tspecscr(frame_)),
      slutknapp_(
          makePictureButton(panel_, "slutknapp", {pic::stangknapp, pic::stangknappn}, program.mainfigur())) {
    setObjectName(QStringLiteral("textform"));
    setFixedSize(kClientWidth, kClientHeight);
    panel_->setGeometry(rect());
    panel_->setBackground(&program.metiler(), pic::tslhelp);

    const QSize close(pic::smallButtonSize.width, pic::smallButtonSize.height);
    slutknapp_->setGeometry(QRect(QPoint(kClientWidth - kMargin - close.width(), kMargin + 2), close));
    rubriklabel_->setGeometry(kMargin + 4, kMargin, slutknapp_->x() - 2 * kMargin - 4, kTitleHeight);

    const int frameTop = kMargin + kTitleHeight + 4;
    frame_->setGeometry(kMargin, frameTop, kClientWidth - 2 * kMargin, kClientHeight - frameTop - kMargin);
    frame_->setBackground(&program.metiler(), pic::tslhelp);
    texten_->setObjectName(QStringLiteral("texten"));
    texten_->setFont(serifFont(11));
    texten_->setGeometry(10, 6, frame_->width() - 10 - 4 - kScrollWidth - 6, frame_->height() - 12);
    texten_->setBackground(&program.metiler(), std::string(pic::tslhelp));
    vistextscr_->setObjectName(QStringLiteral("vistextscr"));
    vistextscr_->setGeometry(frame_->width() - 4 - kScrollWidth, 4, kScrollWidth, frame_->height() - 8);
    linkScrollBar(*vistextscr_, *texten_);

    connect(texten_, &TSPdyntex::OnClick, this, &Ttextform::followLink);
    // The text is read and its links followed with the keyboard too.
    texten_->setKeyboardLinks(true);
    connect(slutknapp_, &TSPknapp::OnTryckt, this, &QDialog::reject);
    connect(&program, &Program::languageChanged, this, &Ttextform::applyTexts);
    applyTexts(program.language());
}

Ttextform::~Ttextform() = default;

int Ttextform::showTopic(std::string_view key, QWidget& owner) {
    program_.helpTopic = topicKey(key, program_.language());
    showCurrentTopic();
    return showModal(*this, owner);
}

void Ttextform::showCurrentTopic() {
    Database& db = program_.database();
    HelpPage page = readHelpPage(db.textbas(), program_.helpTopic, program_.language(), kProgramVersion,
                                 fileDate(databaseDateFile(db)));
    if (page.text.empty()) page = missingTopicPage(program_.helpTopic, program_.language());
    rubriklabel_->setFullText(toQString(page.title));
    texten_->setText(page.text);
}

void Ttextform::followLink() {
    const std::string link = texten_->clickedLink();
    if (link.empty()) return;
    if (!isTopicLink(link)) {
        done(1);
        return;
    }
    program_.helpTopic = link;
    showCurrentTopic();
}

void Ttextform::applyTexts(Language language) {
    setWindowTitle(inLanguage(language, "Tessla, hjälp", "Tessla, Help"));
    setHint(*slutknapp_, language, "Stäng", "Close");
    texten_->setAccessibleName(inLanguage(language, "Hjälptext", "Help text"));
    vistextscr_->setAccessibleName(texten_->accessibleName());
}

}  // namespace tessla
