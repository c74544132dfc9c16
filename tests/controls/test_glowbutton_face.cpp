// The glow button's face in pixels: the two gradient halves, the rounded
// outline and its corners, pictures with their colour key, the caption's
// colour, the appearance's initial colours and the style table.
#include "GlowButtonTestKit.h"
#include "PixelTestKit.h"

#include <QMetaProperty>
#include <QPainter>
#include <stdexcept>

namespace {

// A 14 x 14 picture on a magenta ground with a 2 x 2 black square at (6, 6).
QImage MagentaPicture(QImage::Format format)
{
    QImage image(14, 14, format);
    image.fill(QColor(255, 0, 255));
    for (int y = 6; y < 8; ++y)
        for (int x = 6; x < 8; ++x)
            image.setPixelColor(x, y, Qt::black);
    return image;
}

class GlowFace : public GlowButtonTest {};

TEST_F(GlowFace, FortyEightHighFaceSplitsAtRowTwentyFourWithTheMirrorRunningToColourFirst)
{
    TGlowButtonAppearance& a = *button->Appearance();
    a.SetColor(RGB(0, 0, 0));
    a.SetColorTo(RGB(240, 0, 0));
    a.SetColorMirrorTo(RGB(0, 240, 0));
    a.SetColorMirror(RGB(0, 0, 240));
    a.SetBorderColor(clNone); // no outline over the rows we read
    const QImage face = Face();
    const int x = 24;
    // Upper half: rows 0..23 from Color (black) to ColorTo (red).
    for (int y = 0; y <= 23; ++y) {
        EXPECT_EQ(qGreen(face.pixel(x, y)), 0) << y;
        EXPECT_EQ(qBlue(face.pixel(x, y)), 0) << y;
        if (y > 0) {
            EXPECT_GE(qRed(face.pixel(x, y)), qRed(face.pixel(x, y - 1))) << y;
        }
    }
    EXPECT_LE(qRed(face.pixel(x, 0)), 10);
    EXPECT_GE(qRed(face.pixel(x, 23)), 225);
    // Lower half: rows 24..47, a gradient from ColorMirrorTo (green) at row
    // 23 to ColorMirror (blue) at row 47.
    for (int y = 24; y <= 47; ++y) {
        EXPECT_EQ(qRed(face.pixel(x, y)), 0) << y;
        if (y > 24) {
            EXPECT_GE(qBlue(face.pixel(x, y)), qBlue(face.pixel(x, y - 1))) << y;
        }
    }
    EXPECT_GE(qGreen(face.pixel(x, 24)), 215);
    EXPECT_LE(qBlue(face.pixel(x, 24)), 25);
    EXPECT_GE(qBlue(face.pixel(x, 47)), 225);
}

TEST_F(GlowFace, OddHeightGivesTheUpperHalfTheExtraRow)
{
    button->SetBounds(10, 10, 40, 25);
    TGlowButtonAppearance& a = *button->Appearance();
    SetLook(a, TLook::Normal, RGB(250, 0, 0), clNone);
    a.SetColorMirror(RGB(0, 0, 250));
    a.SetColorMirrorTo(RGB(0, 0, 250));
    const QImage face = Face();
    EXPECT_TRUE(Near(face.pixel(20, 12), qRgb(250, 0, 0)));
    EXPECT_TRUE(Near(face.pixel(20, 13), qRgb(0, 0, 250)));
}

TEST_F(GlowFace, RoundedOutlineLeavesTheFourExtremeCornersToTheParent)
{
    TGlowButtonAppearance& a = *button->Appearance();
    SetLook(a, TLook::Normal, RGB(255, 255, 255), RGB(0, 0, 128));
    const QImage host = Host();
    const QPoint at = button->pos();
    for (QPoint c : {QPoint(0, 0), QPoint(47, 0), QPoint(0, 47), QPoint(47, 47)})
        EXPECT_EQ(host.pixel(at + c), kHostRed) << c.x() << "," << c.y();
    // The straight edges are the border colour; the arc blends near the corner.
    EXPECT_TRUE(Near(host.pixel(at + QPoint(24, 0)), qRgb(0, 0, 128), 2));
    EXPECT_TRUE(Near(host.pixel(at + QPoint(0, 24)), qRgb(0, 0, 128), 2));
    EXPECT_TRUE(Near(host.pixel(at + QPoint(24, 24)), qRgb(255, 255, 255)));
    const QRgb nearCorner = host.pixel(at + QPoint(1, 1));
    EXPECT_NE(nearCorner, qRgb(0, 0, 128));
    EXPECT_NE(nearCorner, kHostRed);

    button->SetRounded(false);
    const QImage square = Host();
    EXPECT_TRUE(Near(square.pixel(at), qRgb(0, 0, 128), 2)) << "square corners are drawn";
    EXPECT_TRUE(Near(square.pixel(at + QPoint(1, 1)), qRgb(255, 255, 255)));
}

TEST_F(GlowFace, NoBorderStyleDrawsNoOutline)
{
    SetLook(*button->Appearance(), TLook::Normal, RGB(255, 255, 255), RGB(0, 0, 128));
    button->SetBorderStyle(TCustomGlowButton::bsNone);
    EXPECT_TRUE(Near(FacePixel(24, 0), qRgb(255, 255, 255)));
}

TEST_F(GlowFace, SixteenSquareButtonShowsA14SquareBmpAtOneOneWithMagentaTransparent)
{
    button->SetBounds(430, 0, 16, 16);
    SetLook(*button->Appearance(), TLook::Normal, RGB(255, 255, 255), clNone);
    button->Picture()->SetData(Encode(MagentaPicture(QImage::Format_RGB32), "BMP"));
    ASSERT_TRUE(button->Picture()->ColorKeyed());
    const QImage face = Face();
    EXPECT_TRUE(Near(face.pixel(7, 7), qRgb(0, 0, 0)));
    EXPECT_TRUE(Near(face.pixel(8, 8), qRgb(0, 0, 0)));
    EXPECT_TRUE(Near(face.pixel(6, 6), qRgb(255, 255, 255))) << "the square stands at (1 + 6, 1 + 6)";
    EXPECT_TRUE(Near(face.pixel(9, 9), qRgb(255, 255, 255)));
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            EXPECT_NE(face.pixel(x, y) & 0xFFFFFF, 0xFF00FFu) << x << "," << y;
}

TEST_F(GlowFace, OtherFormatsKeepTheirOwnTransparency)
{
    button->SetBounds(10, 10, 16, 16);
    SetLook(*button->Appearance(), TLook::Normal, RGB(255, 255, 255), clNone);
    QImage png = MagentaPicture(QImage::Format_ARGB32);
    png.setPixelColor(0, 0, Qt::transparent);
    button->Picture()->SetData(Encode(png, "PNG"));
    EXPECT_FALSE(button->Picture()->ColorKeyed());
    const QImage face = Face();
    EXPECT_TRUE(Near(face.pixel(3, 3), qRgb(255, 0, 255))) << "no colour key for a PNG";
    EXPECT_TRUE(Near(face.pixel(1, 1), qRgb(255, 255, 255))) << "its own transparent pixel";
}

TEST_F(GlowFace, HotAndDisabledPicturesReplaceThePicture)
{
    button->SetBounds(10, 10, 16, 16);
    SetLook(*button->Appearance(), TLook::Normal, RGB(255, 255, 255), clNone);
    QImage plain(14, 14, QImage::Format_RGB32), hot = plain, disabled = plain;
    plain.fill(Qt::black);
    hot.fill(QColor(0, 128, 0));
    disabled.fill(QColor(128, 128, 128));
    // A single off-key pixel keeps each picture from keying itself away.
    for (QImage* img : {&plain, &hot, &disabled})
        img->setPixelColor(0, 13, QColor(1, 2, 3));
    button->Picture()->SetData(Encode(plain, "BMP"));
    button->HotPicture()->SetData(Encode(hot, "BMP"));
    button->DisabledPicture()->SetData(Encode(disabled, "BMP"));
    EXPECT_TRUE(Near(FacePixel(8, 8), qRgb(0, 0, 0)));
    Enter();
    EXPECT_TRUE(Near(FacePixel(8, 8), qRgb(0, 128, 0)));
    Leave();
    button->SetEnabled(false);
    EXPECT_TRUE(Near(FacePixel(8, 8), qRgb(128, 128, 128)));
}

TEST_F(GlowFace, UnreadablePictureDataIsRefusedAndTheOldPictureStays)
{
    const QByteArray good = Encode(MagentaPicture(QImage::Format_RGB32), "BMP");
    button->Picture()->SetData(good);
    try {
        button->Picture()->SetData(QByteArray("this is not an image"));
        FAIL() << "expected an error";
    } catch (const std::runtime_error& e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).startsWith(u"The picture could not be read")) << e.what();
    }
    EXPECT_EQ(button->Picture()->Data(), good);
    EXPECT_EQ(button->Picture()->Width(), 14);
    EXPECT_THROW(button->Picture()->LoadFromFile(QStringLiteral("/nonexistent/picture.bmp")), std::runtime_error);
    EXPECT_EQ(button->Picture()->Data(), good);
}

// ---- Caption ----------------------------------------------------------------

// Counts pixels of one exact colour inside the face, away from the outline.
int CountInside(const QImage& face, QRgb colour)
{
    int n = 0;
    for (int y = 3; y < face.height() - 3; ++y)
        for (int x = 3; x < face.width() - 3; ++x)
            n += (face.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return n;
}

TEST_F(GlowFace, CaptionIsDrawnInTheFontColourAndGreyWhenDisabled)
{
    button->SetBounds(10, 10, 100, 41);
    SetLook(*button->Appearance(), TLook::Normal, RGB(255, 255, 255), clNone);
    SetLook(*button->Appearance(), TLook::Disabled, RGB(255, 255, 255), clNone);
    button->SetAntiAlias(TCustomGlowButton::aaNone); // exact colours
    button->Font()->SetColor(RGB(0, 0, 200));
    button->Font()->SetHeight(-17);
    button->SetCaption(QStringLiteral("MW"));
    EXPECT_GT(CountInside(Face(), qRgb(0, 0, 200)), 10);
    EXPECT_EQ(CountInside(Face(), qRgb(128, 128, 128)), 0);
    button->SetEnabled(false);
    EXPECT_EQ(CountInside(Face(), qRgb(0, 0, 200)), 0);
    EXPECT_GT(CountInside(Face(), qRgb(128, 128, 128)), 10);
    button->SetShowCaption(false);
    EXPECT_EQ(CountInside(Face(), qRgb(128, 128, 128)), 0);
}

TEST_F(GlowFace, CaptionIsCentredInItsBoxWhichStartsAfterTheSpacing)
{
    button->SetBounds(10, 10, 100, 41);
    SetLook(*button->Appearance(), TLook::Normal, RGB(255, 255, 255), clNone);
    button->SetAntiAlias(TCustomGlowButton::aaNone);
    button->Font()->SetColor(RGB(0, 0, 0));
    button->Font()->SetHeight(-15);
    button->SetCaption(QStringLiteral("I"));
    auto ink = [&] {
        const QImage face = Face();
        QRect box;
        for (int y = 0; y < 41; ++y)
            for (int x = 0; x < 100; ++x)
                if ((face.pixel(x, y) & 0xFFFFFF) == 0)
                    box |= QRect(x, y, 1, 1);
        return box;
    };
    // Without a picture the box runs from x = Spacing + 2 to 100: each two
    // pixels of spacing move the centred caption one pixel right.
    button->SetSpacing(0);
    const QRect flush = ink();
    ASSERT_FALSE(flush.isNull()) << "caption not drawn";
    // The box of Spacing 0 runs from x = 2 to 100, so its centre is 51;
    // allow the glyph's own bearings a few pixels.
    EXPECT_NEAR(flush.center().x(), 51, 3);
    EXPECT_NEAR(flush.center().y(), 20.5, 4);
    for (int spacing : {2, 4, 10}) {
        button->SetSpacing(spacing);
        EXPECT_EQ(ink(), flush.translated(spacing / 2, 0)) << "Spacing " << spacing;
    }
}

TEST_F(GlowFace, AmpersandIsNotDrawnAsACharacter)
{
    SetLook(*button->Appearance(), TLook::Normal, RGB(255, 255, 255), clNone);
    button->SetAntiAlias(TCustomGlowButton::aaNone);
    button->Font()->SetColor(RGB(0, 0, 0));
    button->SetBounds(10, 10, 100, 41);
    button->SetCaption(QStringLiteral("&"));
    // "&" alone marks nothing and shows nothing; "&&" shows one ampersand.
    EXPECT_EQ(CountInside(Face(), qRgb(0, 0, 0)), 0);
    button->SetCaption(QStringLiteral("&&"));
    EXPECT_GT(CountInside(Face(), qRgb(0, 0, 0)), 0);
}

// ---- Appearance -------------------------------------------------------------

TEST(GlowAppearance, InitialColoursAreTheDerivedTable)
{
    const TGlowButtonAppearance a;
    const std::pair<const char*, TColor> expected[] = {
        {"BorderColor", 0xC0C0C0}, {"BorderColorHot", 0xFF0000}, {"BorderColorDown", 0x800000},
        {"BorderColorChecked", 0xFF0000}, {"BorderColorDisabled", 0x808080}, {"Color", 0xFFFFFF},
        {"ColorTo", 0xFFFFFF}, {"ColorChecked", 0xF5D8CA}, {"ColorCheckedTo", 0xF9BDA0},
        {"ColorDisabled", 0xF2F2F2}, {"ColorDisabledTo", 0xF2F2F2}, {"ColorDown", 0xF5D8CA},
        {"ColorDownTo", 0xF9BDA0}, {"ColorHot", 0xF5F0E1}, {"ColorHotTo", 0xF9D2B2},
        {"ColorMirror", 0xC0C0C0}, {"ColorMirrorTo", 0xFFFFFF}, {"ColorMirrorHot", 0xF5C8AD},
        {"ColorMirrorHotTo", 0xFFF8F4}, {"ColorMirrorDown", 0xF5B49C}, {"ColorMirrorDownTo", 0xFFDFDC},
        {"ColorMirrorChecked", 0xF5B49C}, {"ColorMirrorCheckedTo", 0xFFDFDC}, {"ColorMirrorDisabled", 0xB6B6B6},
        {"ColorMirrorDisabledTo", 0xF2F2F2},
    };
    const QMetaObject* mo = a.metaObject();
    // Published in this order, first after QObject's own.
    for (int i = 0; i < int(std::size(expected)); ++i) {
        const QMetaProperty p = mo->property(mo->propertyOffset() + i);
        EXPECT_STREQ(p.name(), expected[i].first);
        EXPECT_EQ(p.read(&a).toInt(), expected[i].second) << expected[i].first;
    }
    EXPECT_EQ(mo->propertyCount() - mo->propertyOffset(), 36);
    EXPECT_EQ(a.Gradient(), ggVertical);
    EXPECT_EQ(a.GradientHot(), ggRadial);
    EXPECT_EQ(a.GradientChecked(), ggRadial);
    EXPECT_EQ(a.GradientMirrorChecked(), ggVertical);
    EXPECT_TRUE(a.SystemFont());
}

TEST(GlowAppearance, GradientKindsAreEnumerationsTheFormReaderCanName)
{
    const TGlowButtonAppearance a;
    const QMetaObject* mo = a.metaObject();
    const QMetaProperty p = mo->property(mo->indexOfProperty("GradientMirrorHot"));
    ASSERT_TRUE(p.isEnumType());
    EXPECT_EQ(p.enumerator().keyToValue("ggDiagonalBackward"), 3);
    const QMetaObject* bo = &TGlowButton::staticMetaObject;
    EXPECT_TRUE(bo->property(bo->indexOfProperty("Style")).isEnumType());
    EXPECT_TRUE(bo->property(bo->indexOfProperty("BorderStyle")).isEnumType());
}

TEST_F(GlowFace, AppearanceChangesRepaintOnlyWhenTheValueDiffers)
{
    int changes = 0;
    TGlowButtonAppearance a;
    a.OnChange = [&] { ++changes; };
    a.SetColorHot(a.ColorHot());
    EXPECT_EQ(changes, 0);
    a.SetColorHot(0x123456);
    a.SetGradientMirror(ggDiagonalForward);
    EXPECT_EQ(changes, 2);

    // On a shown button the change reaches the screen.
    int paints = 0;
    button->OnDrawButton = [&](QObject*, QPainter*, QRect, TCustomGlowButton::TGlowButtonState) { ++paints; };
    QApplication::processEvents();
    paints = 0;
    button->Appearance()->SetColor(0x010203);
    QApplication::processEvents();
    EXPECT_GE(paints, 1);
}

TEST_F(GlowFace, RadialHalfHasItsToColourAtTheOuterEdgeAndItsBaseAtTheSides)
{
    button->SetBounds(10, 10, 60, 40);
    TGlowButtonAppearance& a = *button->Appearance();
    a.SetBorderColor(clNone);
    a.SetGradient(ggRadial);
    a.SetColor(RGB(0, 0, 0));
    a.SetColorTo(RGB(240, 240, 240));
    const QImage face = Face();
    EXPECT_GE(qRed(face.pixel(30, 0)), 220) << "the centre sits on the top edge";
    EXPECT_LE(qRed(face.pixel(1, 18)), 5) << "outside the ellipse the base stays";
    EXPECT_GT(qRed(face.pixel(30, 0)), qRed(face.pixel(30, 15)));
}

// ---- Styles -----------------------------------------------------------------

QList<QVariant> Snapshot(const TGlowButtonAppearance& a)
{
    QList<QVariant> values;
    const QMetaObject* mo = a.metaObject();
    for (int i = mo->propertyOffset(); i < mo->propertyCount(); ++i)
        values << mo->property(i).read(&a);
    return values;
}

TEST_F(GlowFace, StylesWithoutARowChangeNothingButRepaint)
{
    int paints = 0;
    button->OnDrawButton = [&](QObject*, QPainter*, QRect, TCustomGlowButton::TGlowButtonState) { ++paints; };
    const QList<QVariant> before = Snapshot(*button->Appearance());
    for (TVisualStyle s : {tsCustom, tsTerminal, tsWindowsVista, tsWindows7}) {
        QApplication::processEvents();
        paints = 0;
        button->ApplyComponentStyle(s);
        QApplication::processEvents();
        EXPECT_EQ(Snapshot(*button->Appearance()), before) << int(s);
        EXPECT_GE(paints, 1) << int(s);
    }
}

TEST_F(GlowFace, NoStyleTouchesTheDisabledLookOrSystemFont)
{
    TGlowButtonAppearance& a = *button->Appearance();
    SetLook(a, TLook::Disabled, RGB(1, 2, 3), RGB(4, 5, 6));
    a.SetGradientDisabled(ggDiagonalForward);
    a.SetSystemFont(false);
    for (int s = 0; s <= 12; ++s) {
        button->ApplyComponentStyle(TVisualStyle(s));
        EXPECT_EQ(a.ColorDisabled(), RGB(1, 2, 3)) << s;
        EXPECT_EQ(a.ColorMirrorDisabledTo(), RGB(1, 2, 3)) << s;
        EXPECT_EQ(a.BorderColorDisabled(), RGB(4, 5, 6)) << s;
        EXPECT_EQ(a.GradientDisabled(), ggDiagonalForward) << s;
        EXPECT_FALSE(a.SystemFont()) << s;
    }
}

TEST_F(GlowFace, CheckedBorderIsKeptByTheOffice2003StylesAndSetByTheOthers)
{
    TGlowButtonAppearance& a = *button->Appearance();
    a.SetBorderColorChecked(0x112233);
    a.SetGradientHot(ggRadial);
    button->ApplyComponentStyle(tsOffice2003Blue);
    EXPECT_EQ(a.BorderColorChecked(), 0x112233);
    EXPECT_EQ(a.Color(), 0xEEDBC8);
    EXPECT_EQ(a.ColorMirrorDown(), 0x0E72F1) << "the common set";
    EXPECT_EQ(a.GradientHot(), ggVertical);
    button->ApplyComponentStyle(tsOffice2007Luna);
    EXPECT_EQ(a.BorderColorChecked(), 0x45667B);
    button->ApplyComponentStyle(tsWhidbey);
    EXPECT_EQ(a.BorderColorChecked(), 0x45667B) << "kept from the style before";
}

TEST_F(GlowFace, WindowsXpHotBorderIsDrawnInTheHighlightColour)
{
    button->ApplyComponentStyle(tsWindowsXP);
    TGlowButtonAppearance& a = *button->Appearance();
    EXPECT_EQ(a.BorderColorHot(), clHighlight);
    EXPECT_EQ(a.ColorMirrorChecked(), 0xB9D8DC);
    EXPECT_EQ(a.BorderColorChecked(), 0x000000);
    Enter();
    TickUntilIdle();
    EXPECT_TRUE(Near(FacePixel(24, 0), Screen(clHighlight), 2));
    EXPECT_TRUE(Near(FacePixel(24, 24), qRgb(0xC6, 0xD3, 0xEF)));
}

} // namespace
