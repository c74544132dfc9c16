// Bold captions are drawn bold: in every face the form asks for, at the
// sizes it asks for, through each way a control draws its text. This suite
// runs twice, once on the system's fonts and once on a system with no fonts
// at all, where every face is the embedded one (tests/CMakeLists.txt).
#include "controls/glowbutton/GlowButton.h"
#include "controls/paint/Canvas.h"
#include "controls/smoothlabel/SmoothLabel.h"
#include "platform/Fonts.h"

#include <QImage>
#include <QPalette>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

const QString kCaption = QStringLiteral("Quit (Show Words)");

// The ink of a drawn text: how much darker than the blank surface each
// pixel is, summed, in units of one fully black pixel.
double Ink(const QImage& blank, const QImage& drawn)
{
    double ink = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            ink += std::max(0, qGray(blank.pixel(x, y)) - qGray(drawn.pixel(x, y))) / 255.0;
    return ink;
}

// One way of drawing a caption: draws `text` (empty: nothing) in the face
// at the pixel height, bold or not, and gives the picture.
using TDrawCaption = std::function<QImage(const QString& face, int height, bool bold, const QString& text)>;

QImage OnCanvas(const QString& face, int height, bool bold, const QString& text)
{
    TBitmapCanvas canvas(320, 40, clWhite);
    TCanvasFont font;
    font.Name = face;
    font.Height = -height;
    font.Color = clBlack;
    font.Style = bold ? TFontStyles(fsBold) : TFontStyles();
    canvas.SetFont(font);
    canvas.SetBrushStyle(TBrushStyle::bsClear);
    TRect box{4, 4, 316, 36};
    canvas.DrawText(text, box, tfSingleLine | tfNoPrefix);
    return canvas.Image().convertToFormat(QImage::Format_ARGB32);
}

QImage OnGlowButton(const QString& face, int height, bool bold, const QString& text)
{
    TGlowButton button;
    button.SetBounds(0, 0, 320, 40);
    TGlowButtonAppearance& a = *button.Appearance();
    a.SetColor(clWhite), a.SetColorTo(clWhite), a.SetColorMirror(clWhite), a.SetColorMirrorTo(clWhite);
    a.SetBorderColor(clWhite);
    a.SetSystemFont(false);
    button.SetParentFont(false);
    button.Font()->SetName(face);
    button.Font()->SetHeight(-height);
    button.Font()->SetColor(clBlack);
    button.Font()->SetStyle(bold ? TFontStyles(fsBold) : TFontStyles());
    button.SetCaption(text);
    return button.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage OnSmoothLabel(const QString& face, int height, bool bold, const QString& text)
{
    QWidget parent;
    parent.resize(320, 40);
    parent.setAutoFillBackground(true);
    QPalette pal = parent.palette();
    pal.setColor(QPalette::Window, Qt::white);
    parent.setPalette(pal);
    auto* label = new TSmoothLabel(nullptr, &parent);
    label->SetBounds(0, 0, 320, 40);
    TSmoothLabelCaption& c = *label->Caption();
    c.Font()->SetName(face);
    c.Font()->SetHeight(-height);
    c.Font()->SetStyle(bold ? TFontStyles(fsBold) : TFontStyles());
    c.SetColorStart(clBlack);
    c.SetColorEnd(clNone);
    c.SetText(text);
    return parent.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

TEST(BoldCaptions, CarryAQuarterMoreInkThanRegularInEveryFaceSizeAndControl)
{
    platform::RegisterEmbeddedFonts(); // as the window does before it loads its form
    struct Path {
        const char* name;
        TDrawCaption draw;
    };
    const Path paths[] = {{"canvas text", OnCanvas}, {"glow button", OnGlowButton}, {"smooth label", OnSmoothLabel}};
    // The faces and the character heights of the window's form files.
    const char* faces[] = {"Tahoma", "MS Sans Serif", "Arial"};
    const int heights[] = {11, 13, 15, 17, 23};
    for (const Path& path : paths)
        for (const char* face : faces)
            for (const int height : heights) {
                const QImage blank = path.draw(face, height, false, QString());
                const double regular = Ink(blank, path.draw(face, height, false, kCaption)) / kCaption.size();
                const double bold = Ink(blank, path.draw(face, height, true, kCaption)) / kCaption.size();
                ASSERT_GT(regular, 1.0) << path.name << " drew nothing in " << face << " " << height;
                EXPECT_GE(bold, 1.25 * regular)
                    << path.name << ", " << face << " " << height << " px: bold " << bold << " against regular "
                    << regular << " units of ink per character";
            }
}
