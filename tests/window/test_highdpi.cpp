// The window at twice the pixel density: every control draws its text or
// picture at the density itself, not at one pixel per logical pixel doubled.
// This suite also runs in a process whose screen has that density
// (QT_SCALE_FACTOR=2, tests/CMakeLists.txt), where the window is grabbed as
// the screen shows it.
#include "support_window.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <gtest/gtest.h>

#include <cmath>

namespace {

// The window drawn at `ratio` device pixels per logical pixel.
QImage RenderAt(QWidget& window, qreal ratio)
{
    if (qFuzzyCompare(window.devicePixelRatioF(), ratio))
        return window.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    QImage image(int(std::ceil(window.width() * ratio)), int(std::ceil(window.height() * ratio)),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black);
    window.render(&image);
    return image.convertToFormat(QImage::Format_ARGB32);
}

// The 2 x 2 device-pixel cells of a logical area (in window coordinates)
// whose left and right pixels differ in a row: an edge that lies inside a
// logical pixel. A picture drawn at one pixel per logical pixel and doubled
// has none; a vertical gradient has none either, so only text, pictures and
// curved outlines count.
int CellsSplitAcross(const QImage& image, const QRect& logical)
{
    int cells = 0;
    for (int y = logical.top(); y <= logical.bottom(); ++y)
        for (int x = logical.left(); x <= logical.right(); ++x) {
            const int dx = 2 * x, dy = 2 * y;
            if (!image.rect().contains(dx + 1, dy + 1))
                continue;
            if (image.pixel(dx, dy) != image.pixel(dx + 1, dy) || image.pixel(dx, dy + 1) != image.pixel(dx + 1, dy + 1))
                ++cells;
        }
    return cells;
}

} // namespace

TEST(HighDpi, EveryControlDrawsItsTextOrPictureAtTwiceThePixelDensity)
{
    TWindowHarness h;
    TForm1& form = h.Start();
    h.Click("GenerateLettersButton"); // letters on the cross, stars in the list
    h.Click("CrossButton5");          // a letter in the current word
    const QImage image = RenderAt(form, 2.0);
    ASSERT_EQ(image.size(), form.size() * 2);

    // Each control and the part of it that holds its text or picture, in
    // its own coordinates. Glow buttons are taken 4 pixels inside their
    // rounded outline, whose arcs would count by themselves; the minimise
    // picture is a bar on the pixel grid, whose sharp edges lie between
    // cells, so that button counts by its outline.
    struct Part {
        const char* control;
        QRect area; // empty: the whole control
        bool insideOutline = false;
    };
    constexpr bool inside = true;
    const Part parts[] = {
        {"CaptionPanel", QRect(0, 0, 400, 18)}, // the caption bar, left of its buttons
        {"CloseGlowButton", {}, inside},
        {"MinimizeGlowButton", {}},
        {"CrossButton1", {}, inside}, {"CrossButton2", {}, inside}, {"CrossButton3", {}, inside},
        {"CrossButton4", {}, inside}, {"CrossButton5", {}, inside}, {"CrossButton6", {}, inside},
        {"CrossButton7", {}, inside}, {"CrossButton8", {}, inside}, {"CrossButton9", {}, inside},
        {"ClearButton", {}, inside}, {"BackSpaceButton", {}, inside}, {"GenerateLettersButton", {}, inside},
        {"QuitButton", {}, inside}, {"HowToPlayButton", {}, inside}, {"wwwButton", {}, inside},
        {"ScoreLabel1", {}}, {"ScoreLabel", {}}, {"PotentialWordsLabel1", {}}, {"WordsLabel1", {}},
        {"NumWordsLabel", {}}, {"PotentialWordsLabel", {}}, {"WordLabel1", {}}, {"CurrentWordLabel", {}},
        {"GuessedWordsGrid", {}},
        {"SoundCheckBox", QRect(0, 0, 16, 22)}, // the box picture
        {"SoundCheckBox", QRect(16, 0, 160, 22)}, // the caption
        {"VisualStyleSelector", {}},
    };
    for (const Part& part : parts) {
        const QWidget& control = h.Get<QWidget>(part.control);
        QRect area = part.area;
        if (area.isNull())
            area = part.insideOutline ? control.rect().adjusted(4, 4, -4, -4) : control.rect();
        area = area.intersected(control.rect()).translated(control.mapTo(&form, QPoint(0, 0)));
        EXPECT_GT(CellsSplitAcross(image, area), 0)
            << part.control << " at " << area.x() << "," << area.y() << " " << area.width() << "x" << area.height()
            << " is drawn at one pixel per logical pixel and doubled";
    }
}
