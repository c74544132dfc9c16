// The styled panel on screen: face, border, bevels, caption band and text,
// status strip, body text placement, buffering, OnPaint, and the mouse over
// anchors in its texts.
#include "controls/panel/PanelStyler.h"
#include "controls/panel/StyledPanel.h"
#include "platform/Shell.h"
#include "PixelTestKit.h"
#include "tests/support/RecordingShell.h"

#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace {

// A panel with a plain face and no frame, on a window of its own.
struct PanelOnWindow {
    TControl form;
    TStyledPanel* panel = new TStyledPanel(&form, &form);

    PanelOnWindow(int width, int height, TColor face = 0x00FF00)
    {
        form.SetBounds(0, 0, width, height);
        panel->SetBounds(0, 0, width, height);
        panel->SetBevelOuter(bvNone);
        panel->SetColor(face);
    }

    // Drawn straight onto an image of the panel's size.
    QImage Paint() const
    {
        TBitmapCanvas canvas(panel->Width(), panel->Height(), 0x7F7F7F);
        panel->PaintTo(canvas);
        return canvas.Image().copy();
    }
};

TColor At(const QImage& image, int x, int y)
{
    return PixelOf(image, x, y);
}

// Band i of n from c1 towards c2: each channel moves round(i * d / n).
TColor Band(TColor c1, TColor c2, int i, int n = 32)
{
    auto channel = [&](int a, int b) { return a + int(std::nearbyint(double(i) * (b - a) / n)); };
    return RGB(channel(GetRValue(c1), GetRValue(c2)), channel(GetGValue(c1), GetGValue(c2)),
               channel(GetBValue(c1), GetBValue(c2)));
}

// The bounding box of the pixels inside `area` that differ from `background`.
QRect InkBox(const QImage& image, const QRect& area, TColor background)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (At(image, x, y) != background)
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

} // namespace

// ---------------------------------------------------------------- face

TEST(PanelFace, ColorToNoneGivesAFlatFaceWhateverTheMirrorHolds)
{
    PanelOnWindow w(60, 40, 0x102030);
    w.panel->SetColorMirror(0x00FF00);
    w.panel->SetColorMirrorTo(0x0000FF);
    const QImage image = w.Paint();
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x)
            ASSERT_EQ(At(image, x, y), 0x102030) << x << "," << y;
}

TEST(PanelFace, MirrorNoneGivesOneGradientOf32Bands)
{
    PanelOnWindow w(20, 64, 0x000000);
    w.panel->SetColorTo(0xFF0000);
    const QImage image = w.Paint();
    std::set<TColor> colours;
    for (int y = 0; y < 64; ++y) {
        colours.insert(At(image, 5, y));
        EXPECT_EQ(At(image, 0, y), At(image, 19, y)) << "a vertical gradient is even across, row " << y;
    }
    EXPECT_EQ(colours.size(), 32u);
    EXPECT_EQ(At(image, 5, 0), 0x000000);
    EXPECT_EQ(At(image, 5, 63), Band(0x000000, 0xFF0000, 31)) << "the last band stops short of ColorTo";
    EXPECT_NE(At(image, 5, 63), 0xFF0000);
}

TEST(PanelFace, Office2007ObsidianHalvesOfTheCaptionPanel)
{
    PanelOnWindow w(451, 404);
    auto* styler = new TPanelStyler(&w.form);
    styler->SetStyle(psOffice2007Obsidian);
    w.panel->SetStyler(styler);
    const QImage image = w.Paint();

    // Upper half 0xCFC6C1 to 0xC5BBB4, cut at 404 / 2 = 202.
    EXPECT_EQ(At(image, 200, 0), 0xCFC6C1);
    EXPECT_EQ(At(image, 200, 201), Band(0xCFC6C1, 0xC5BBB4, 31));
    // Lower half from ColorMirror at the middle to ColorMirrorTo at the bottom.
    EXPECT_EQ(At(image, 200, 202), 0xC5BBB4);
    EXPECT_EQ(At(image, 200, 403), Band(0xC5BBB4, 0xECECE5, 31));
    EXPECT_EQ(Band(0xC5BBB4, 0xECECE5, 31), 0xEBEAE3) << "the bottom row is not ColorMirrorTo itself";
    EXPECT_EQ(At(image, 0, 300), At(image, 450, 300));
}

TEST(PanelFace, HorizontalHalvesAreCutAtTheMiddleColumn)
{
    PanelOnWindow w(100, 10, 0x000000);
    w.panel->SetGradientDirection(gdHorizontal);
    w.panel->SetColorTo(0x0000FF);
    w.panel->SetColorMirror(0xFF0000);
    w.panel->SetColorMirrorTo(0x00FF00);
    const QImage image = w.Paint();
    ExpectPixels(image, {
        {0, 5, 0x000000},
        {49, 5, Band(0x000000, 0x0000FF, 31)},
        {50, 5, 0xFF0000},
        {99, 5, Band(0xFF0000, 0x00FF00, 31)},
    });
    EXPECT_EQ(At(image, 50, 0), At(image, 50, 9));
}

// ---------------------------------------------------------------- border and bevels

TEST(PanelFrame, NoBorderLineAtBorderWidthZero)
{
    PanelOnWindow w(40, 30);
    w.panel->SetBorderColor(0x0000FF);
    EXPECT_EQ(At(w.Paint(), 0, 0), 0x00FF00);

    w.panel->SetBorderWidth(1);
    const QImage image = w.Paint();
    ExpectPixels(image, {{0, 0, 0x0000FF}, {39, 15, 0x0000FF}, {20, 29, 0x0000FF}, {1, 1, 0x00FF00}});
}

TEST(PanelFrame, BorderShadowMixesTheBorderWithTheButtonFace)
{
    PanelOnWindow w(40, 30);
    w.panel->SetBorderColor(0x0000FF);
    w.panel->SetBorderWidth(1);
    w.panel->SetBorderShadow(true);
    const QImage image = w.Paint();
    ExpectPixels(image, {
        {37, 15, 0x0000FF}, // the outline is two pixels narrower
        {38, 15, BlendColor(0x0000FF, clBtnFace, 50)},
        {39, 15, BlendColor(0x0000FF, clBtnFace, 20)},
        {20, 27, 0x0000FF},
        {20, 28, BlendColor(0x0000FF, clBtnFace, 50)},
        {20, 29, BlendColor(0x0000FF, clBtnFace, 20)},
    });
}

TEST(PanelFrame, BevelsAndTheFaceColouredFrameWithoutABorderColour)
{
    PanelOnWindow w(32, 20, 0x000000);
    w.panel->SetGradientDirection(gdHorizontal);
    w.panel->SetColorTo(0xFF0000); // one band per column
    w.panel->SetBevelOuter(bvLowered);
    w.panel->SetBorderColor(0x808080);
    QImage image = w.Paint();
    ExpectPixels(image, {
        {0, 0, ColorToRGB(clBtnShadow)},
        {31, 19, ColorToRGB(clBtnHighlight)},
        {1, 5, Band(0x000000, 0xFF0000, 1)}, // with a border colour: no extra frame
    });

    w.panel->SetBorderColor(clNone);
    image = w.Paint();
    EXPECT_EQ(At(image, 1, 5), 0x000000) << "without one: a 1-pixel frame in Color";

    w.panel->SetBevelOuter(bvRaised);
    image = w.Paint();
    EXPECT_EQ(At(image, 0, 0), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(At(image, 31, 19), ColorToRGB(clBtnShadow));
}

// ---------------------------------------------------------------- caption bar

TEST(PanelCaptionBar, DefaultCaptionGivesAnEighteenPixelBand)
{
    PanelOnWindow w(100, 60);
    w.panel->Caption()->SetVisible(true);
    w.panel->Caption()->SetColor(0x0000FF);
    const QImage image = w.Paint();
    for (int y = 0; y < 18; ++y)
        EXPECT_EQ(At(image, 50, y), 0x0000FF) << "row " << y;
    ExpectPixels(image, {{50, 18, 0x00FF00}, {0, 0, 0x0000FF}, {99, 17, 0x0000FF}});
}

TEST(PanelCaptionBar, HiddenCaptionDrawsNoBand)
{
    PanelOnWindow w(100, 60);
    w.panel->Caption()->SetColor(0x0000FF);
    EXPECT_EQ(At(w.Paint(), 50, 5), 0x00FF00);
}

TEST(PanelCaptionBar, BevelInsetsAndBorderShadowShortensTheBand)
{
    PanelOnWindow w(100, 60);
    w.panel->Caption()->SetVisible(true);
    w.panel->Caption()->SetColor(0x0000FF);
    w.panel->SetBevelOuter(bvRaised);
    QImage image = w.Paint();
    ExpectPixels(image, {
        {50, 0, ColorToRGB(clBtnHighlight)},
        {50, 1, 0x0000FF},
        {50, 18, 0x0000FF},
        {50, 19, 0x00FF00},
        {98, 10, 0x0000FF},
    });

    w.panel->SetBevelOuter(bvNone);
    w.panel->SetBorderShadow(true); // no border drawn: BorderWidth is 0
    image = w.Paint();
    EXPECT_EQ(At(image, 97, 10), 0x0000FF);
    EXPECT_EQ(At(image, 98, 10), 0x00FF00) << "the band ends 2 pixels short of the right edge";
}

TEST(PanelCaptionBar, GradientBandOfTheObsidianCaption)
{
    PanelOnWindow w(100, 60);
    w.panel->Caption()->SetVisible(true);
    w.panel->Caption()->SetColor(0xB8B8B6);
    w.panel->Caption()->SetColorTo(0xA0A09E);
    w.panel->Caption()->SetGradientDirection(gdVertical);
    const QImage image = w.Paint();
    ExpectPixels(image, {{30, 0, 0xB8B8B6}, {30, 17, Band(0xB8B8B6, 0xA0A09E, 31)}, {30, 18, 0x00FF00}});
    EXPECT_EQ(At(image, 0, 9), At(image, 99, 9));
}

TEST(PanelCaptionBar, TextIsDrawnInTheBandAndFollowsTheIndents)
{
    PanelOnWindow w(200, 60);
    TPanelCaption& c = *w.panel->Caption();
    c.SetVisible(true);
    c.SetColor(0x000000);
    c.Font()->SetColor(0xFFFFFF);
    c.SetText(QStringLiteral("<FONT face=\"Arial\">Lumora 1.1</FONT>"));
    const QRect band(0, 0, 200, 18);
    const QRect ink = InkBox(w.Paint(), band, 0x000000);
    ASSERT_FALSE(ink.isEmpty()) << "the caption text is drawn";
    EXPECT_GE(ink.left(), 1);
    EXPECT_LT(ink.left(), 6);

    c.SetIndent(20);
    c.SetTopIndent(3);
    const QImage moved = w.Paint();
    const QRect inkMoved = InkBox(moved, band, 0x000000);
    EXPECT_EQ(inkMoved.left(), ink.left() + 20);
    EXPECT_EQ(inkMoved.top(), ink.top() + 3);
    EXPECT_EQ(InkBox(moved, QRect(0, 18, 200, 42), 0x00FF00), QRect()) << "nothing below the band";
}

// ---------------------------------------------------------------- status strip

TEST(PanelStatusStrip, FlatStripWithOutlineAndSunkenFrame)
{
    PanelOnWindow w(100, 60);
    TPanelStatusBar& s = *w.panel->StatusBar();
    s.SetVisible(true);
    s.SetColor(0x00FFFF);
    s.SetBorderStyle(PanelTypes::bsSingle);
    s.SetBorderColor(0xFF0000);
    QImage image = w.Paint();
    // The strip is (1, 41) to (99, 59); its outline starts at x = 0.
    ExpectPixels(image, {
        {50, 50, 0x00FFFF},
        {0, 41, 0xFF0000},
        {50, 41, 0xFF0000},
        {98, 50, 0xFF0000},
        {50, 58, 0xFF0000},
        {50, 59, 0x00FF00},
        {99, 50, 0x00FF00},
        {50, 40, 0x00FF00},
    });

    s.SetBevelInner(true);
    image = w.Paint();
    ExpectPixels(image, {{50, 41, 0x808080}, {1, 50, 0x808080}, {98, 50, 0xFFFFFF}, {50, 58, 0xFFFFFF}});
}

TEST(PanelStatusStrip, GradientWhenBothColoursAreSetAndHiddenByDefault)
{
    PanelOnWindow w(100, 60);
    TPanelStatusBar& s = *w.panel->StatusBar();
    s.SetColor(0x000000);
    s.SetColorTo(0xFF0000);
    EXPECT_EQ(At(w.Paint(), 50, 50), 0x00FF00) << "an invisible strip draws nothing";
    s.SetVisible(true);
    const QImage image = w.Paint();
    EXPECT_EQ(At(image, 1, 50), 0x000000);
    EXPECT_EQ(At(image, 98, 50), Band(0x000000, 0xFF0000, 31));
}

// ---------------------------------------------------------------- body text

TEST(PanelBodyText, VerticalPlacement)
{
    PanelOnWindow w(120, 100, 0xFFFFFF);
    w.panel->Font()->SetColor(0x000000);
    w.panel->SetText(QStringLiteral("Xg"));
    const QRect area(0, 0, 120, 100);

    const QRect top = InkBox(w.Paint(), area, 0xFFFFFF);
    ASSERT_FALSE(top.isEmpty());
    EXPECT_LT(top.top(), 20);
    EXPECT_GE(top.left(), 2) << "inside BorderWidth + 1 and the renderer's 1 pixel";

    w.panel->SetTextVAlign(tvaBottom);
    const QRect bottom = InkBox(w.Paint(), area, 0xFFFFFF);
    EXPECT_GT(bottom.bottom(), 80);
    EXPECT_LE(bottom.bottom(), 98);

    w.panel->SetTextVAlign(tvaCenter);
    const QRect centre = InkBox(w.Paint(), area, 0xFFFFFF);
    EXPECT_GT(centre.top(), top.top() + 25);
    EXPECT_LT(centre.bottom(), bottom.bottom() - 25);
}

TEST(PanelBodyText, StartsBelowTheCaptionBandAndHonoursTheIndents)
{
    PanelOnWindow w(120, 100, 0xFFFFFF);
    w.panel->Font()->SetColor(0x000000);
    w.panel->SetText(QStringLiteral("Xg"));
    w.panel->Caption()->SetVisible(true);
    w.panel->Caption()->SetColor(0x0000FF);
    const QRect plain = InkBox(w.Paint(), QRect(0, 18, 120, 82), 0xFFFFFF);
    ASSERT_FALSE(plain.isEmpty());
    EXPECT_GE(plain.top(), 19);

    w.panel->SetIndent(30);
    w.panel->SetTopIndent(10);
    const QRect moved = InkBox(w.Paint(), QRect(0, 18, 120, 82), 0xFFFFFF);
    EXPECT_EQ(moved.left(), plain.left() + 30);
    EXPECT_EQ(moved.top(), plain.top() + 10);
}

// ---------------------------------------------------------------- buffering and OnPaint

TEST(PanelPainting, BufferedImageFollowsEveryChange)
{
    PanelOnWindow w(80, 50);
    w.form.show();
    const QImage direct = w.Paint();
    const QImage grabbed = w.panel->grab().toImage().convertToFormat(direct.format());
    EXPECT_EQ(grabbed, direct);

    w.panel->SetColorTo(0x0000FF);
    EXPECT_EQ(At(w.panel->grab().toImage(), 40, 49), Band(0x00FF00, 0x0000FF, 31));
    w.panel->Caption()->SetVisible(true);
    EXPECT_EQ(At(w.panel->grab().toImage(), 40, 5), ColorToRGB(clHighlight));
    w.panel->SetBounds(0, 0, 60, 40);
    const QImage resized = w.panel->grab().toImage();
    EXPECT_EQ(resized.size(), QSize(60, 40));
    EXPECT_EQ(At(resized, 30, 39), Band(0x00FF00, 0x0000FF, 31));

    w.panel->SetBuffered(false);
    EXPECT_EQ(w.panel->grab().toImage().convertToFormat(direct.format()),
              w.Paint().convertToFormat(direct.format()));
}

TEST(PanelPainting, OnPaintDrawsLastOnTheClientRectangle)
{
    PanelOnWindow w(80, 50);
    w.panel->Caption()->SetVisible(true);
    TRect seen;
    w.panel->OnPaint = [&seen](QObject*, TCanvas& canvas, const TRect& r) {
        seen = r;
        canvas.SetBrushColor(0xFF00FF);
        canvas.FillRect({0, 0, 5, 5});
    };
    w.form.show();
    const QImage image = w.panel->grab().toImage();
    EXPECT_EQ(seen, (TRect{0, 0, 80, 50}));
    EXPECT_EQ(At(image, 2, 2), 0xFF00FF) << "over the caption band";
    EXPECT_EQ(At(image, 6, 2), ColorToRGB(clHighlight));
}

TEST(PanelPainting, SizeGripOnlyWithCanSize)
{
    PanelOnWindow w(40, 40);
    const QRect corner(26, 26, 14, 14);
    EXPECT_EQ(InkBox(w.Paint(), corner, 0x00FF00), QRect());
    w.panel->SetCanSize(true);
    EXPECT_FALSE(InkBox(w.Paint(), corner, 0x00FF00).isEmpty());
}

// ---------------------------------------------------------------- mouse

namespace {

struct ClickLog {
    QStringList events;
    void Attach(TStyledPanel* panel)
    {
        panel->OnMouseDown = [this](QObject*, TMouseButton, TShiftState, int x, int y) {
            events << QStringLiteral("down %1,%2").arg(x).arg(y);
        };
        panel->OnAnchorClick = [this](QObject*, const QString& a) { events << QStringLiteral("click ") + a; };
        panel->OnAnchorEnter = [this](QObject*, const QString& a) { events << QStringLiteral("enter ") + a; };
        panel->OnAnchorExit = [this](QObject*, const QString& a) { events << QStringLiteral("exit ") + a; };
    }
};

// A shown panel whose caption is one anchor at its left end.
struct AnchorPanel : PanelOnWindow {
    ClickLog log;
    platform::RecordingShell shell;
    platform::ScopedService<platform::IShell> useShell{shell};

    explicit AnchorPanel(const QString& reference)
        : PanelOnWindow(200, 80)
    {
        panel->Caption()->SetVisible(true);
        panel->Caption()->SetText(QStringLiteral("<A href=\"%1\">link</A>").arg(reference));
        log.Attach(panel);
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
};

const QPoint kOnLink(6, 9);
const QPoint kOffLink(150, 50);

} // namespace

TEST(PanelMouse, MouseDownFirstThenTheProgramsAnchor)
{
    AnchorPanel w(QStringLiteral("newgame"));
    QTest::mousePress(w.panel, Qt::LeftButton, {}, kOnLink);
    EXPECT_EQ(w.log.events, (QStringList{QStringLiteral("down 6,9"), QStringLiteral("enter newgame"),
                                         QStringLiteral("click newgame")}));
    EXPECT_TRUE(w.shell.addresses.isEmpty());
}

TEST(PanelMouse, AddressesGoToTheShell)
{
    for (const QString& address : {QStringLiteral("https://example.org/"), QStringLiteral("mailto:me@example.org")}) {
        AnchorPanel w(address);
        QTest::mousePress(w.panel, Qt::LeftButton, {}, kOnLink);
        EXPECT_EQ(w.shell.addresses, QStringList{address});
        EXPECT_FALSE(w.log.events.contains(QStringLiteral("click ") + address));
    }
}

TEST(PanelMouse, PressOutsideAnyAnchorOnlyRaisesMouseDown)
{
    AnchorPanel w(QStringLiteral("newgame"));
    QTest::mousePress(w.panel, Qt::RightButton, {}, kOffLink);
    EXPECT_EQ(w.log.events, QStringList{QStringLiteral("down 150,50")});
    EXPECT_TRUE(w.shell.addresses.isEmpty());
}

TEST(PanelMouse, HoverEntersAndLeavesTheAnchor)
{
    AnchorPanel w(QStringLiteral("help"));
    QTest::mouseMove(w.panel, kOnLink);
    EXPECT_EQ(w.panel->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(w.panel->HoveredAnchor(TPanelTextArea::Caption), 1);
    QTest::mouseMove(w.panel, kOnLink + QPoint(1, 0)); // still on it: no new events
    QTest::mouseMove(w.panel, kOffLink);
    EXPECT_EQ(w.log.events, (QStringList{QStringLiteral("enter help"), QStringLiteral("exit help")}));
    EXPECT_EQ(w.panel->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(w.panel->HoveredAnchor(TPanelTextArea::Caption), -1);
}
