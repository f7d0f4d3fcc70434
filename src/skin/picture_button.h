#pragma once

// The button `TSPknapp` of the program's windows: drawn from pictures of a figure set and/or a
// caption wrapped into lines, acting as a push button, a toggle (`staydown`) or a radio button,
// coupled with its siblings of the same tag (`kopplatag`), and changing its look while the pointer
// is over it (`focusmode`). A push button reports a click when released over itself. It takes the
// keyboard focus by Tab only, never by a click, so that the arrow keys stay with the lists; Space
// or Enter then presses it.

#include <string>
#include <string_view>
#include <vector>

#include <QColor>
#include <QFont>
#include <QWidget>

namespace tessla {

class TSPfigurer;

// The looks: framed caption, framed picture and caption, pictures only, caption only (no frame),
// two pictures, and two pictures that blend into each other while the pointer is over the button.
enum class TSPknapptyp { kntRuta, kntRutabild, kntBilder, kntText, kntFlipflop, kntFlipFlopBlend };

class TSPknapp : public QWidget {
    Q_OBJECT

  public:
    explicit TSPknapp(QWidget* parent = nullptr);

    // The figure set the pictures come from; not owned, must outlive the button. Without one, or
    // with a picture the set lacks, nothing is drawn in the picture's place.
    void setFigurer(TSPfigurer* figurer);
    // Picture names: figur1 for the normal look, figur2 for the pressed or highlighted look (figur1
    // when empty).
    void setFigur1(std::string_view name);
    void setFigur2(std::string_view name);
    void setKnapptyp(TSPknapptyp look);
    // The caption in Windows-1252; a carriage return breaks the line.
    void setButtext(std::string_view cp1252);
    // Margin around the caption in pixels.
    void setAvst(int pixels);
    // Caption lines start at the left margin instead of being centred.
    void setTextvmarg(bool value);
    // No background fill behind a framed look.
    void setTransp(bool value);
    // The 3D frame of the framed looks (on by default).
    void setFramed(bool value);
    // Sets the pressed state from the program: going down first raises the coupled siblings;
    // OnDown or OnUp reports a change, OnTryckt never.
    void setDown(bool value);
    void setStaydown(bool value);
    void setRadio(bool value);
    void setKopplatag(bool value);
    // The number that couples buttons of one parent.
    void setTag(int tag);
    void setFocusmode(bool value);
    // The caption font of a kntText button while the pointer is over it.
    void setFocusfont(const QFont& font);
    // A framed button that is down is filled with blendcolor instead of its colour.
    void setColorflipflop(bool value);
    // A framed button is washed with blendcolor at blendlevel (1 … 100; 0 for none).
    void setBlendlevel(int level);
    void setBlendcolor(const QColor& colour);
    // The fill of the framed looks.
    void setColor(const QColor& colour);
    // The tooltip, and the name a screen reader says when the button has neither a caption nor
    // an accessible text.
    void setHint(const QString& hint);
    // The name a screen reader says for a button without a caption, given by the window that
    // makes it in its current language (a picture's painted words are not text).
    void setAccessibleText(const QString& text);
    // Does what a click does: a push button goes down and comes up over itself (OnTryckt), a
    // toggle or radio button is pressed once. A disabled button does nothing.
    void click();

    TSPknapptyp knapptyp() const { return knapptyp_; }
    const std::string& buttext() const { return buttext_; }
    const std::string& figur1() const { return figur1_; }
    const std::string& figur2() const { return figur2_; }
    int avst() const { return avst_; }
    bool down() const { return down_; }
    bool staydown() const { return staydown_; }
    bool radio() const { return radio_; }
    bool kopplatag() const { return kopplatag_; }
    int tag() const { return tag_; }
    bool focusmode() const { return focusmode_; }
    bool highlighted() const { return highlighted_; }
    int blendlevel() const { return blendlevel_; }
    // The caption as last laid out, and the distance between its lines.
    const std::vector<std::string>& captionLines() const { return lines_; }
    int lineHeight() const { return lineHeight_; }

    QSize sizeHint() const override;

  signals:
    void OnTryckt();
    void OnDown();
    void OnUp();
    void OnFocus();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // What a press does, by mouse or key, and the end of a push button's press.
    void press();
    void finishPress(bool overButton);
    void raiseCoupled();
    void relayout();
    void updateAccessibleName();
    // Tells an assistive client that the button went down or up.
    void announceDown();
    const QFont& captionFont() const;
    bool showsPressedLook() const;
    bool framedLook() const;

    void paintButton(QPainter& painter);
    void paintCaption(QPainter& painter, int shift) const;
    void paintFrame(QPainter& painter, bool sunken) const;
    void paintFocus(QPainter& painter) const;
    // Draws the picture called `name` with its top-left corner at `at`; nothing when there is none.
    void paintFigure(QPainter& painter, const std::string& name, QPoint at) const;
    const std::string& pressedFigure() const;

    TSPfigurer* figurer_ = nullptr;
    std::string figur1_, figur2_;
    TSPknapptyp knapptyp_ = TSPknapptyp::kntRuta;
    std::string buttext_;
    int avst_ = 2;
    bool textvmarg_ = false;
    bool transp_ = false;
    bool framed_ = true;
    bool down_ = false;
    bool staydown_ = false;
    bool radio_ = false;
    bool kopplatag_ = false;
    int tag_ = 0;
    bool focusmode_ = false;
    QFont focusfont_;
    bool colorflipflop_ = false;
    int blendlevel_ = 0;
    QColor blendcolor_;
    QColor color_;
    QString hint_;
    QString accessibleText_;

    bool highlighted_ = false;
    bool held_ = false;  // a push button pressed by mouse or key and not yet released
    std::vector<std::string> lines_;
    int lineHeight_ = 0;
};

}  // namespace tessla
