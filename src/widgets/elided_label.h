#pragma once

// `ElidedLabel`: a label that keeps its full text and shows as much of it as fits its width, cut
// at the right with "…". It cuts again from the full text at every resize and font change, so a
// label that was cut grows back when it widens. While the text is cut its tooltip is the full text;
// otherwise it has none. QLabel::text() is what is shown; its accessible name is the full text.

#include <QLabel>
#include <QString>

namespace tessla {

class ElidedLabel : public QLabel {
    Q_OBJECT

  public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    void setFullText(const QString& text);
    const QString& fullText() const { return fullText_; }

    // A layout offers the room of the full text, and may give less.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // As much of the full text as fits `room` pixels, ending in "…" when it is cut.
    QString cutToFit(int room) const;
    // Shows the full text cut to the label's width.
    void elide();

    QString fullText_;
};

}  // namespace tessla
