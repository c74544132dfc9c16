// The window's chrome and layout: size and places, closing with and without
// the settings, themes chosen in the selector, the instructions, the web
// site, moving, sizing and minimising.
#include "support_window.h"

#include "controls/style/AppStyler.h"
#include "controls/glowbutton/GlowButton.h"
#include "controls/checkbox/OfficeCheckBox.h"
#include "controls/smoothlabel/SmoothLabel.h"
#include "controls/panel/StyledPanel.h"
#include "game/WordGame.h"
#include "window/Themes.h"

#include <QDir>
#include <QTest>
#include <gtest/gtest.h>

TEST(WindowLayout, TheFramelessWindowIsTheDesignedClientAreaWithEverythingInPlace)
{
    TWindowHarness h;
    TForm1& form = h.Start();
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form.size(), QSize(450, 390));
    EXPECT_EQ(form.frameGeometry().size(), QSize(450, 390)) << "no frame at all";

    EXPECT_EQ(h.Get<TControl>("CaptionPanel").BoundsRect(), QRect(-1, 0, 451, 404));
    const QRect status = h.Get<TControl>("StatusPanel").BoundsRect();
    EXPECT_EQ(status, QRect(-1, 362, 451, 28));
    EXPECT_EQ(status.bottom() + 1, 390) << "the status strip ends at the window's bottom edge";
    const QRect grid = h.Get<TControl>("GuessedWordsGrid").BoundsRect();
    EXPECT_EQ(grid, QRect(288, 17, 161, 344));
    EXPECT_LE(grid.bottom() + 1, status.top()) << "the list ends where the strip begins";
    EXPECT_EQ(h.Get<TControl>("MinimizeGlowButton").Left(), 409);
    EXPECT_EQ(h.Get<TControl>("CloseGlowButton").Left(), 427);
    EXPECT_LE(h.Get<TControl>("CloseGlowButton").BoundsRect().right() + 1 - 1, 450) << "inside the window";

    // The strip's controls stand within it.
    for (const char* name : {"SoundCheckBox", "VisualStyleSelector", "HowToPlayButton", "wwwButton"}) {
        const QRect r = h.Get<TControl>(name).BoundsRect();
        EXPECT_LE(r.right() + 1, status.width()) << name;
        EXPECT_LE(r.bottom() + 1, status.height()) << name;
    }

    // The letter cross.
    const QPoint places[] = {{120, 74}, {120, 26}, {120, 122}, {120, 170}, {120, 218},
                             {24, 74},  {72, 74},  {168, 74},  {216, 74}};
    const int groups[] = {1, 5, 2, 3, 4, 6, 7, 8, 9};
    for (int n = 1; n <= 9; ++n) {
        const std::string name = "CrossButton" + std::to_string(n);
        const auto& button = h.Get<TCustomGlowButton>(name.c_str());
        EXPECT_EQ(button.BoundsRect(), QRect(places[n - 1], QSize(48, 48))) << name;
        EXPECT_EQ(button.GroupIndex(), groups[n - 1]) << name;
        EXPECT_TRUE(button.AllowAllUp()) << name;
    }
}

TEST(WindowChrome, TheCloseButtonWritesTheSettingsAndClosesTheWindow)
{
    TWindowHarness h;
    TForm1& form = h.Start();
    h.ChooseTheme(3); // Blue
    h.Click("SoundCheckBox");
    ASSERT_FALSE(h.Get<TCustomOfficeCheckBox>("SoundCheckBox").Checked());
    EXPECT_EQ(h.ReadFile("lumora.ini"), QByteArray("STYLE= 5\r\nSOUND ON\r\n")) << "choosing writes nothing";
    h.Click("CloseGlowButton");
    EXPECT_EQ(h.ReadFile("lumora.ini"), QByteArray("STYLE= 4\r\nSOUND OFF\r\n"));
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(h.dialogs.shown.isEmpty());
}

TEST(WindowChrome, ThePlatformsCloseLeavesTheSettingsFileAsItWas)
{
    TWindowHarness h;
    h.WriteFile("lumora.ini", "STYLE= 2\r\nSOUND ON\r\n");
    TForm1& form = h.Start();
    h.ChooseTheme(6);
    h.Click("SoundCheckBox");
    EXPECT_TRUE(form.close());
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(h.ReadFile("lumora.ini"), QByteArray("STYLE= 2\r\nSOUND ON\r\n"));
}

TEST(WindowChrome, AFailedWriteAtCloseShowsTheErrorBoxAndTheWindowStaysOpen)
{
    TWindowHarness h;
    TForm1& form = h.Start();
    // Something the settings cannot replace now stands in the file's place.
    ASSERT_TRUE(QFile::remove(h.PathOf("lumora.ini")));
    ASSERT_TRUE(QDir(h.Folder()).mkdir(QStringLiteral("lumora.ini")));
    h.Click("CloseGlowButton");
    EXPECT_EQ(h.dialogs.Count(QStringLiteral("error")), 1);
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(QFileInfo(h.PathOf("lumora.ini")).isDir());
}

TEST(WindowThemes, BlueTurnsEveryGameLabelLightBlueAndAnotherThemeBringsTheUsualGradientBack)
{
    TWindowHarness h;
    TForm1& form = h.Start();
    auto gradientOf = [&](const char* name) {
        const TSmoothLabelCaption* c = h.Get<TSmoothLabel>(name).Caption();
        return std::pair(c->ColorStart(), c->ColorEnd());
    };
    const auto usual = std::pair(kLabelGradientStart, kLabelGradientEnd);
    const auto blue = std::pair(kBlueLabelGradientStart, kBlueLabelGradientEnd);
    EXPECT_EQ(gradientOf("CurrentWordLabel"), usual);

    h.ChooseTheme(3);
    EXPECT_EQ(form.StyleNumber(), 4);
    EXPECT_EQ(h.Get<TAppStyler>("AppStyler1").Style(), tsOffice2003Blue);
    EXPECT_EQ(gradientOf("CurrentWordLabel"), blue);
    for (const char* name : kGameLabelNames)
        EXPECT_EQ(gradientOf(name), blue) << name;
    const TStyledPanel& status = h.Get<TStyledPanel>("StatusPanel");
    EXPECT_EQ(status.Color(), 0xD38355);
    EXPECT_EQ(status.ColorTo(), 0x9C430F);
    EXPECT_EQ(status.ColorMirror(), 0x9C430F);
    EXPECT_EQ(status.ColorMirrorTo(), 0x9C430F);

    h.ChooseTheme(5); // Olive
    EXPECT_EQ(h.Get<TAppStyler>("AppStyler1").Style(), tsOffice2003Olive);
    for (const char* name : kGameLabelNames)
        EXPECT_EQ(gradientOf(name), usual) << name;
    EXPECT_EQ(status.Color(), 0x81BFAE);
}

TEST(WindowThemes, ChromeAndFlatDarkenTheCaptionTextAndEveryThemeResetsTheIndent)
{
    TWindowHarness h;
    h.WriteFile("lumora.ini", "STYLE= 1\r\n");
    h.Start();
    TStyledPanel& caption = h.Get<TStyledPanel>("CaptionPanel");
    h.ChooseTheme(4); // Chrome
    EXPECT_EQ(caption.Caption()->Color(), kChromeCaptionColor);
    EXPECT_EQ(caption.Caption()->ColorTo(), kChromeCaptionColorTo);
    EXPECT_EQ(caption.Caption()->GradientDirection(), gdVertical);
    EXPECT_EQ(caption.Caption()->Font()->Color(), TColor(0x000000));
    for (int index = 0; index < 9; ++index) {
        caption.Caption()->SetIndent(7);
        h.ChooseTheme(index);
        EXPECT_EQ(caption.Caption()->Indent(), 0) << index;
        EXPECT_EQ(h.Get<TAppStyler>("AppStyler1").Style(), kThemes[std::size_t(index)].Style) << index;
    }
    h.ChooseTheme(8); // Flat, after Sandy
    EXPECT_EQ(caption.Caption()->Font()->Color(), TColor(0x000000));
}

TEST(WindowThemes, ASelectionWithoutAnItemMeansThemeOne)
{
    TWindowHarness h;
    TForm1& form = h.Start();
    h.ChooseTheme(-1);
    EXPECT_EQ(form.StyleNumber(), 1);
    EXPECT_EQ(h.Get<TAppStyler>("AppStyler1").Style(), tsOffice2007Luna);
}

TEST(WindowChrome, HowToPlayShowsTheInstructionsAndCloseHidesThemWithoutTouchingTheGame)
{
    TWindowHarness h;
    TForm1& form = h.Start();
    h.Click("GenerateLettersButton");
    const std::string letters = form.Game()->PuzzleLetters();
    const TControl& panel = h.Get<TControl>("InstructionsPanel");

    h.Click("HowToPlayButton");
    EXPECT_EQ(panel.BoundsRect(), QRect(0, 18, 450, 344));
    h.Click("HowToPlayButton");
    EXPECT_EQ(panel.Left(), 0) << "a second press changes nothing";
    // The panel lies over the game area; the close and minimise buttons stay free.
    EXPECT_EQ(form.childAt(200, 100)->window(), &form);
    EXPECT_FALSE(h.Get<QWidget>("InstructionsPanel").geometry().intersects(h.Get<QWidget>("CloseGlowButton").geometry()));

    h.Click("InstructionsCloseButton");
    EXPECT_EQ(panel.Left(), -1000);
    h.Click("HowToPlayButton");
    EXPECT_EQ(panel.Left(), 0) << "shown again after Close";
    EXPECT_EQ(form.Game()->PuzzleLetters(), letters);
    EXPECT_TRUE(form.Game()->GameActive());
    EXPECT_TRUE(h.dialogs.shown.isEmpty()) << "no question about the puzzle in play";
}

TEST(WindowChrome, TheWebSiteButtonOpensTheMakersAddress)
{
    TWindowHarness h;
    h.Start();
    h.Click("wwwButton");
    EXPECT_EQ(h.shell.addresses, QStringList{QString::fromLatin1(TForm1::kWebAddress)});
    EXPECT_TRUE(QString::fromLatin1(TForm1::kWebAddress).contains(QStringLiteral(".example")));
}

TEST(WindowChrome, APressOnTheBareCaptionPanelMovesTheWindowAndOneOnAControlDoesNot)
{
    TWindowHarness h;
    h.Start();
    QWidget& caption = h.Get<QWidget>("CaptionPanel");
    QTest::mousePress(&caption, Qt::LeftButton, Qt::NoModifier, QPoint(60, 150));
    QTest::mouseRelease(&caption, Qt::LeftButton, Qt::NoModifier, QPoint(60, 150));
    EXPECT_EQ(h.chrome.moves, 1);
    QTest::mousePress(&caption, Qt::RightButton, Qt::NoModifier, QPoint(260, 200));
    EXPECT_EQ(h.chrome.moves, 2) << "any mouse button";

    QWidget& button = h.Get<QWidget>("CrossButton1");
    QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    EXPECT_EQ(h.chrome.moves, 2);
    EXPECT_TRUE(h.chrome.resizes.isEmpty());
}

TEST(WindowChrome, APressAtAnEdgeSizesTheWindowButButtonsAtTheEdgeStayButtons)
{
    TWindowHarness h;
    TForm1& form = h.Start();
    QWidget& caption = h.Get<QWidget>("CaptionPanel");
    // CaptionPanel stands at -1: window x is panel x - 1.
    QTest::mousePress(&caption, Qt::LeftButton, Qt::NoModifier, QPoint(1, 200));
    QTest::mousePress(&caption, Qt::LeftButton, Qt::NoModifier, QPoint(200, 389));
    QTest::mousePress(&caption, Qt::LeftButton, Qt::NoModifier, QPoint(1, 389));
    QWidget& status = h.Get<QWidget>("StatusPanel");
    QTest::mousePress(&status, Qt::LeftButton, Qt::NoModifier, QPoint(450, 27));
    ASSERT_EQ(h.chrome.resizes.size(), 4);
    EXPECT_EQ(h.chrome.resizes[0], Qt::Edges(Qt::LeftEdge));
    EXPECT_EQ(h.chrome.resizes[1], Qt::Edges(Qt::BottomEdge));
    EXPECT_EQ(h.chrome.resizes[2], Qt::LeftEdge | Qt::BottomEdge);
    EXPECT_EQ(h.chrome.resizes[3], Qt::RightEdge | Qt::BottomEdge);
    EXPECT_EQ(h.chrome.moves, 0) << "a resize is not also a move";

    QWidget& close = h.Get<QWidget>("CloseGlowButton");
    QTest::mousePress(&close, Qt::LeftButton, Qt::NoModifier, QPoint(8, 1));
    EXPECT_EQ(h.chrome.resizes.size(), 4);
    QTest::mouseRelease(&close, Qt::LeftButton, Qt::NoModifier, QPoint(8, 1));
    EXPECT_FALSE(form.isVisible()) << "the close button took its click";
}

TEST(WindowChrome, TheMinimiseButtonMinimisesTheWindow)
{
    TWindowHarness h;
    TForm1& form = h.Start();
    h.Click("MinimizeGlowButton");
    EXPECT_TRUE(form.windowState() & Qt::WindowMinimized);
}

TEST(WindowChrome, EdgesAtFindsTheEdgesWithinTheBorder)
{
    EXPECT_EQ(EdgesAt(0, 0, 450, 390, 3), Qt::LeftEdge | Qt::TopEdge);
    EXPECT_EQ(EdgesAt(2, 100, 450, 390, 3), Qt::Edges(Qt::LeftEdge));
    EXPECT_EQ(EdgesAt(3, 100, 450, 390, 3), Qt::Edges());
    EXPECT_EQ(EdgesAt(446, 100, 450, 390, 3), Qt::Edges());
    EXPECT_EQ(EdgesAt(447, 387, 450, 390, 3), Qt::RightEdge | Qt::BottomEdge);
    EXPECT_EQ(EdgesAt(450, 100, 450, 390, 3), Qt::Edges()) << "outside";
    EXPECT_EQ(EdgesAt(-1, 100, 450, 390, 3), Qt::Edges());
}

namespace {

// The pointer moving over a widget with no button down.
void Hover(QWidget& widget, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(widget.mapToGlobal(at)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

} // namespace

TEST(WindowChrome, TheCursorShowsWhereAPressWouldSizeTheWindow)
{
    EXPECT_EQ(CursorForEdges(Qt::LeftEdge | Qt::TopEdge), Qt::SizeFDiagCursor);
    EXPECT_EQ(CursorForEdges(Qt::RightEdge | Qt::BottomEdge), Qt::SizeFDiagCursor);
    EXPECT_EQ(CursorForEdges(Qt::RightEdge | Qt::TopEdge), Qt::SizeBDiagCursor);
    EXPECT_EQ(CursorForEdges(Qt::LeftEdge | Qt::BottomEdge), Qt::SizeBDiagCursor);
    EXPECT_EQ(CursorForEdges(Qt::LeftEdge), Qt::SizeHorCursor);
    EXPECT_EQ(CursorForEdges(Qt::BottomEdge), Qt::SizeVerCursor);
    EXPECT_EQ(CursorForEdges({}), Qt::ArrowCursor);

    TWindowHarness h;
    TForm1& form = h.Start();
    QWidget& status = h.Get<QWidget>("StatusPanel");
    const bool ownCursor = status.testAttribute(Qt::WA_SetCursor);
    const Qt::CursorShape ownShape = status.cursor().shape();
    // The window's bottom corners, as points of the status strip.
    const QPoint bottomLeft = status.mapFrom(&form, QPoint(0, 389));
    const QPoint bottomRight = status.mapFrom(&form, QPoint(449, 389));
    Hover(status, bottomRight);
    EXPECT_EQ(status.cursor().shape(), Qt::SizeFDiagCursor);
    Hover(status, QPoint(200, 27));
    EXPECT_EQ(status.cursor().shape(), Qt::SizeVerCursor);
    Hover(status, QPoint(200, 10));
    EXPECT_EQ(status.testAttribute(Qt::WA_SetCursor), ownCursor) << "away from the edge the panel's own cursor is back";
    EXPECT_EQ(status.cursor().shape(), ownShape);

    // A cursor set on the panel meanwhile comes back too, also when the
    // pointer leaves the panel at the edge.
    status.setCursor(Qt::PointingHandCursor);
    Hover(status, bottomLeft);
    EXPECT_EQ(status.cursor().shape(), Qt::SizeBDiagCursor);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&status, &leave);
    EXPECT_EQ(status.cursor().shape(), Qt::PointingHandCursor);

    // Buttons at the edge keep their cursor.
    QWidget& close = h.Get<QWidget>("CloseGlowButton");
    Hover(close, QPoint(8, 1));
    EXPECT_NE(close.cursor().shape(), Qt::SizeVerCursor);
}
