#include "widgets/elided_label.h"

#include <QFontMetrics>

#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "skin/fonts.h"

namespace tessla {
namespace {

const QString kLong = QStringLiteral("Andersson, Anna Maria Kristina, piga i G\u00e4vle, f\u00f6dd 1868");
const QChar kEllipsis(0x2026);

// A shown label (a hidden widget hears of a resize only when it is shown) in the serif font.
std::unique_ptr<ElidedLabel> shownLabel(int points) {
    auto label = std::make_unique<ElidedLabel>();
    label->setFont(serifFont(points));
    label->show();
    return label;
}

// Whether what the label shows fits its width.
bool fits(const ElidedLabel& label) {
    return QFontMetrics(label.font()).horizontalAdvance(label.text()) <= label.width();
}

// Shows a beginning of the full text ending in "…", and the full text as its tooltip.
bool cut(const ElidedLabel& label) {
    return label.text() != label.fullText() && label.text().endsWith(kEllipsis) &&
           kLong.startsWith(label.text().chopped(1)) && label.toolTip() == label.fullText();
}

// Shows the full text, without a tooltip.
bool whole(const ElidedLabel& label) {
    return label.text() == label.fullText() && label.toolTip().isEmpty();
}

TEST(ElidedLabelTest, ACutLabelGrowsBackWhenItWidensAndIsCutAgainWhenItNarrows) {
    const auto shown = shownLabel(11);
    ElidedLabel& label = *shown;
    label.setFullText(kLong);
    const int full = QFontMetrics(label.font()).horizontalAdvance(kLong);
    // Narrowing from wider than the text to a few characters, then widening again.
    std::vector<int> widths;
    for (int width = full + 12; width > 30; width -= 5) widths.push_back(width);
    for (int width = 30; width < full + 12; width += 5) widths.push_back(width);
    for (const int width : widths) {
        label.resize(width, 20);
        EXPECT_TRUE(fits(label)) << width << ": " << label.text().toStdString();
        if (width > full) {
            EXPECT_TRUE(whole(label)) << width;
        } else if (width < full - 1) {
            EXPECT_TRUE(cut(label)) << width << ": " << label.text().toStdString();
        }
        EXPECT_EQ(label.fullText(), kLong);
    }
}

TEST(ElidedLabelTest, AFontChangeCutsAgainFromTheFullText) {
    const auto shown = shownLabel(10);
    ElidedLabel& label = *shown;
    label.setFullText(kLong);
    label.resize(QFontMetrics(label.font()).horizontalAdvance(kLong) + 4, 20);
    ASSERT_TRUE(whole(label));
    label.setFont(serifFont(16));
    EXPECT_TRUE(cut(label)) << label.text().toStdString();
    EXPECT_TRUE(fits(label));
    label.setFont(serifFont(10));
    EXPECT_TRUE(whole(label)) << label.text().toStdString();
}

TEST(ElidedLabelTest, ANewFullTextIsCutToTheWidthTheLabelHas) {
    const auto shown = shownLabel(11);
    ElidedLabel& label = *shown;
    label.resize(120, 20);
    label.setFullText(kLong);
    EXPECT_TRUE(cut(label));
    EXPECT_TRUE(fits(label));
    label.setFullText(QStringLiteral("Berg"));
    EXPECT_TRUE(whole(label));
    EXPECT_GE(label.sizeHint().width(), QFontMetrics(label.font()).horizontalAdvance("Berg"));
    label.setFullText(kLong);
    EXPECT_GE(label.sizeHint().width(), QFontMetrics(label.font()).horizontalAdvance(kLong))
        << "a layout offers the room of the full text";
}

}  // namespace
}  // namespace tessla
