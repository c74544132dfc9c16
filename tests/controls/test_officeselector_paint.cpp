// The office selector as drawn: the geometry of field, button and arrow,
// the two-half face, the looks of the idle, focused and open selector, the
// style table, and the selector read from a form file.
#include "OfficeSelectorTestKit.h"

#include "controls/core/Form.h"
#include "controls/core/FormReader.h"


using namespace selector_kit;


TEST(OfficeSelectorGeometry, TheWindowsSelectorPlacesTextButtonAndArrow)
{
    const TSelectorGeometry g(QSize(116, 20), 12, 15);
    EXPECT_EQ(g.TextRect(), EdgeRect(2, 2, 100, 21));
    EXPECT_EQ(g.ButtonRect(), EdgeRect(103, 1, 115, 18));
    EXPECT_EQ(g.ButtonFaceRect(), EdgeRect(103, 1, 115, 19));
    EXPECT_EQ(g.ArrowAnchor(), QPoint(107, 9));
    EXPECT_EQ(g.SeparatorX(), 102);
    EXPECT_TRUE(g.InButton(QPoint(103, 10)));
    EXPECT_FALSE(g.InButton(QPoint(102, 10)));
    // A font taller than the control puts the text at the top.
    EXPECT_EQ(TSelectorGeometry(QSize(116, 14), 12, 15).TextRect().top(), 0);
    const auto strips = g.Strips();
    EXPECT_EQ(strips[0], EdgeRect(0, 0, 2, 20));
    EXPECT_EQ(strips[1], EdgeRect(100, 0, 103, 20));
    EXPECT_EQ(strips[2], EdgeRect(0, 0, 116, 2));
    EXPECT_TRUE(strips[3].isEmpty()); // the text rectangle reaches below the client area
}

TEST(OfficeSelectorFace, LowerHalfRunsFromMirrorAtTheTopAndTheEdgesStayFlat)
{
    QImage img(12, 18, QImage::Format_ARGB32);
    img.fill(Qt::magenta);
    {
        QPainter p(&img);
        DrawOfficeFace(p, img.rect(), {0x0000FF, 0x00FF00, 0x000000, 0xFFFFFF, ggVertical, ggVertical});
    }
    // Left column and top row keep the flat colours.
    EXPECT_EQ(img.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(img.pixel(5, 0), qRgb(255, 0, 0));
    EXPECT_EQ(img.pixel(0, 8), qRgb(255, 0, 0));
    EXPECT_EQ(img.pixel(0, 9), qRgb(0, 0, 0));
    EXPECT_EQ(img.pixel(0, 17), qRgb(0, 0, 0));
    // The upper gradient runs red to green and reaches row 9 of the face.
    EXPECT_GT(qRed(img.pixel(5, 1)), 200);
    EXPECT_GT(qGreen(img.pixel(5, 9)), 200);
    // The lower gradient: dark at its top, light at the bottom.
    EXPECT_LT(qRed(img.pixel(5, 10)), 60);
    EXPECT_GT(qRed(img.pixel(5, 17)), 200);
    EXPECT_LT(qRed(img.pixel(5, 12)), qRed(img.pixel(5, 15)));
}

TEST(OfficeSelectorFace, AnOutlineIsDrawnOnlyWithABorderColour)
{
    QImage img(20, 15, QImage::Format_ARGB32);
    img.fill(Qt::white);
    {
        QPainter p(&img);
        DrawOfficeFace(p, img.rect(), {0x00FF00, 0x00FF00, 0x00FF00, 0x00FF00, ggVertical, ggVertical}, 0xFF0000);
    }
    EXPECT_EQ(img.pixel(10, 0), qRgb(0, 0, 255));
    EXPECT_EQ(img.pixel(19, 7), qRgb(0, 0, 255));
    EXPECT_EQ(img.pixel(10, 7), qRgb(0, 255, 0));
}

TEST(OfficeSelectorLook, TheIdleSelectorShowsItsButtonArrowAndFrame)
{
    Fixture f;
    f.other->setFocus();
    QApplication::processEvents();
    const QImage img = f.Image();
    // Button face: the flat Color in its top row and left column.
    EXPECT_EQ(img.pixel(104, 1), Rgb(0xDFDED6));
    EXPECT_EQ(img.pixel(103, 15), Rgb(0xD7D5CE));
    // The arrow, a small downward triangle.
    for (int x = 107; x <= 111; ++x)
        EXPECT_EQ(img.pixel(x, 9), qRgb(0, 0, 0)) << x;
    EXPECT_EQ(img.pixel(108, 10), qRgb(0, 0, 0));
    EXPECT_EQ(img.pixel(110, 10), qRgb(0, 0, 0));
    EXPECT_NE(img.pixel(107, 10), qRgb(0, 0, 0));
    EXPECT_EQ(img.pixel(109, 11), qRgb(0, 0, 0));
    EXPECT_NE(img.pixel(108, 11), qRgb(0, 0, 0));
    // The frame and the separator in the idle frame colour.
    EXPECT_EQ(img.pixel(0, 10), Rgb(0xC0BCB2));
    EXPECT_EQ(img.pixel(60, 19), Rgb(0xC0BCB2));
    EXPECT_EQ(img.pixel(115, 10), Rgb(0xC0BCB2));
    EXPECT_EQ(img.pixel(102, 10), Rgb(0xC0BCB2));
    EXPECT_EQ(img.pixel(101, 10), qRgb(255, 255, 255)); // field ground
}

TEST(OfficeSelectorLook, TheFocusedSelectorIsHotWithThePointerElsewhere)
{
    Fixture f;
    f.Focus();
    EXPECT_FALSE(f.selector->Hot());
    const QImage img = f.Image();
    EXPECT_EQ(img.pixel(104, 1), Rgb(0xEBFDFF));
    EXPECT_EQ(img.pixel(103, 15), Rgb(0x59DAFF));
    EXPECT_EQ(img.pixel(0, 10), Rgb(0x99CEDB));
    EXPECT_EQ(img.pixel(102, 10), Rgb(0x99CEDB));
}

TEST(OfficeSelectorLook, TheOpenSelectorShowsTheDownLookAndTheWhiteArrow)
{
    Fixture f;
    f.selector->DropDown();
    const QImage img = f.Image();
    EXPECT_EQ(img.pixel(104, 1), Rgb(0x76AFF1));
    EXPECT_EQ(img.pixel(103, 15), Rgb(0x0E72F1));
    EXPECT_EQ(img.pixel(109, 9), qRgb(255, 255, 255));
    EXPECT_EQ(img.pixel(0, 10), Rgb(0x99CEDB));
}

TEST(OfficeSelectorLook, TheFieldTextStandsInTheTextRectangle)
{
    Fixture f;
    f.other->setFocus();
    f.selector->SetText("WWWWWWWWWWWWWWWWWWWWWWWW"); // wider than the field
    QApplication::processEvents();
    const QImage img = f.Image();
    int top = 20, left = 116, right = -1;
    for (int y = 1; y < 19; ++y)
        for (int x = 1; x < 102; ++x)
            if (qRed(img.pixel(x, y)) < 100) {
                top = std::min(top, y);
                left = std::min(left, x);
                right = std::max(right, x);
            }
    EXPECT_GE(top, 2);
    EXPECT_LE(top, 5);
    EXPECT_GE(left, 2);
    EXPECT_LE(left, 4);
    EXPECT_LT(right, 100); // clipped at the text rectangle, clear of the button
}

TEST(OfficeSelectorStyle, Office2003ClassicGivesAButtonFaceButtonAndAnInvisibleIdleFrame)
{
    Fixture f;
    f.other->setFocus();
    QApplication::processEvents();
    f.selector->ApplyComponentStyle(tsOffice2003Classic);
    EXPECT_EQ(f.selector->BorderColor(), clNone);
    EXPECT_EQ(f.selector->BorderHotColor(), 0x99CEDB);
    EXPECT_EQ(f.selector->Button()->ColorHot(), 0xEBFDFF); // kept
    EXPECT_EQ(f.selector->SelectionAppearance()->Color(), 0xEBFDFF);
    EXPECT_FALSE(f.selector->SelectionAppearance()->Rounded());
    const QImage img = f.Image();
    EXPECT_EQ(img.pixel(104, 1), Rgb(clBtnFace));
    EXPECT_EQ(img.pixel(110, 16), Rgb(clBtnFace));
    EXPECT_EQ(img.pixel(0, 10), qRgb(255, 255, 255));
    EXPECT_EQ(img.pixel(102, 10), qRgb(255, 255, 255));
}

TEST(OfficeSelectorStyle, TheTableGivesEachSetItsColours)
{
    TOfficeSelector s;
    s.ApplyComponentStyle(tsOffice2003Olive);
    EXPECT_EQ(s.Button()->Color(), 0xCFF0EA);
    EXPECT_EQ(s.Button()->ColorMirrorTo(), 0x8CC0B1);
    EXPECT_EQ(s.Button()->ColorMirrorHot(), 0xACECFF);
    EXPECT_EQ(s.Button()->ColorMirrorDown(), 0x4190F3);
    EXPECT_EQ(s.Button()->Gradient(), ggVertical);
    EXPECT_EQ(s.Button()->GradientMirrorDown(), ggVertical);
    EXPECT_EQ(s.SelectionAppearance()->ColorMirrorTo(), 0xACECFF);
    EXPECT_EQ(s.SelectionAppearance()->TextColor(), 0x000000);
    EXPECT_FALSE(s.SelectionAppearance()->Rounded());
    EXPECT_EQ(s.BorderColor(), 0xE0B99B);

    s.ApplyComponentStyle(tsOffice2007Luna);
    EXPECT_EQ(s.Button()->ColorMirror(), 0xEDD4C0);
    EXPECT_EQ(s.Button()->ColorMirrorHot(), 0x59DAFF);
    EXPECT_EQ(s.SelectionAppearance()->ColorMirror(), 0x69D6FF);
    EXPECT_TRUE(s.SelectionAppearance()->Rounded());

    s.SetBorderHotColor(0x123456);
    s.ApplyComponentStyle(tsOffice2007Obsidian);
    EXPECT_EQ(s.BorderColor(), 0xC0BCB2);
    EXPECT_EQ(s.BorderHotColor(), 0x123456); // kept

    s.ApplyComponentStyle(tsWindowsXP);
    EXPECT_EQ(s.Button()->ColorHotTo(), 0xEFD3C6);
    EXPECT_EQ(s.Button()->ColorMirrorDownTo(), 0xB59284);
    EXPECT_EQ(s.SelectionAppearance()->Color(), clHighlight);
    EXPECT_EQ(s.SelectionAppearance()->TextColor(), clHighlightText);
    EXPECT_EQ(s.BorderColor(), clNone);
    EXPECT_EQ(s.BorderHotColor(), 0xE0B99B);

    // Styles without a row only switch the rounded selection off.
    s.ApplyComponentStyle(tsOffice2007Silver);
    ASSERT_TRUE(s.SelectionAppearance()->Rounded());
    s.ApplyComponentStyle(tsTerminal);
    EXPECT_FALSE(s.SelectionAppearance()->Rounded());
    EXPECT_EQ(s.Button()->Color(), 0xF3F3F1);
    // Never changed by a style.
    EXPECT_EQ(s.SelectionAppearance()->BorderColor(), 0xC0C0C0);
    EXPECT_EQ(s.Button()->Width(), 12);
}

TEST(OfficeSelectorStyle, ButtonDefaultsAndWidth)
{
    TOfficeSelector s;
    s.SetBounds(0, 0, 116, 20);
    TComboBtn& b = *s.Button();
    EXPECT_EQ(b.ColorMirrorDown(), 0xF5B49C);
    EXPECT_EQ(b.ColorMirrorDownTo(), 0xFFDFDC);
    EXPECT_EQ(b.GradientHot(), ggRadial);
    b.SetWidth(-3); // refused
    EXPECT_EQ(b.Width(), 12);
    b.SetWidth(20);
    EXPECT_EQ(s.Geometry().ButtonRect(), EdgeRect(95, 1, 115, 18));
    EXPECT_EQ(s.Geometry().TextRect().right() + 1, 116 - 20 - 4);
}

TEST(OfficeSelectorStyle, ATooLowSelectorGrowsToItsFontsMinimumHeight)
{
    TOfficeSelector s;
    s.Font()->SetName(QStringLiteral("Arial"));
    s.Font()->SetHeight(-13);
    s.SetBounds(0, 0, 116, 8);
    const int line = QFontMetrics(s.Editor()->font()).height();
    const int system = QFontMetrics(QApplication::font()).height();
    EXPECT_EQ(s.Height(), line + std::min(line, system) / 4);
}

namespace {

const QByteArray kSelectorForm = R"(object Form1: TForm
  ClientWidth = 450
  ClientHeight = 390
  object VisualStyleSelector: TOfficeSelector
    Left = 180
    Top = 0
    Width = 116
    Height = 20
    Button.Color = $00DFDED6
    Button.ColorTo = $00E4E2DB
    Button.GradientMirrorDown = ggVertical
    Button.Width = 12
    DisplayRecentSelection = False
    BorderColor = $00C0BCB2
    BorderHotColor = $0099CEDB
    SelectionAppearance.Color = $00EBFDFF
    SelectionAppearance.Rounded = True
    SelectionAppearance.TextColor = clBlack
    Text = 'Luna'
    Color = clWhite
    Items = (
      'Luna' 'Moonlight' 'Obsidian' 'Blue' 'Chrome'
      'Olive' 'Silver' 'Sandy' 'Flat')
    ItemIndex = 0
    ItemHeight = 15
    Font.Color = clBlack
    Font.Height = -13
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    Style = csDropDown
    OnSelect = VisualStyleSelectorSelect
  end
end
)";

class SelectorForm : public TForm {
public:
    SelectorForm() { RegisterHandler(QStringLiteral("VisualStyleSelectorSelect"), &SelectorForm::VisualStyleSelectorSelect); }
    void VisualStyleSelectorSelect(QObject*) { ++selects; }
    int selects = 0;
};

} // namespace

TEST(OfficeSelectorForm, TheThemeSelectorLoadsWithoutARecentEntryAndItsHandlerBound)
{
    SelectorForm form;
    const auto error = form.LoadFromForm(kSelectorForm);
    ASSERT_FALSE(error) << error->ToString().toStdString();
    auto* s = dynamic_cast<TOfficeSelector*>(form.FindComponent(QStringLiteral("VisualStyleSelector")));
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->Text(), "Luna");
    EXPECT_EQ(s->ItemIndex(), 0);
    EXPECT_EQ(s->Items(), ThemeNames());
    EXPECT_TRUE(s->RecentSelections().isEmpty());
    EXPECT_EQ(s->Button()->GradientMirrorDown(), ggVertical);
    EXPECT_TRUE(s->SelectionAppearance()->Rounded());
    EXPECT_EQ(s->Version(), "1.0.8.0");
    EXPECT_EQ(s->List()->count(), 9); // filled after loading
    ASSERT_TRUE(s->OnSelect);
    s->OnSelect(s);
    EXPECT_EQ(form.selects, 1);

    // After loading, confirming records a recent selection.
    s->SetItemIndex(2);
    EXPECT_EQ(s->RecentSelections(), QStringList{"Obsidian"});
}

TEST(OfficeSelectorForm, AnUnknownStyleNameIsRefusedWithItsLine)
{
    SelectorForm form;
    QByteArray text = kSelectorForm;
    text.replace("Style = csDropDown", "Style = csSimple");
    const auto error = form.LoadFromForm(text);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Line, 30);
    EXPECT_TRUE(error->Message.contains(QStringLiteral("csSimple"))) << error->Message.toStdString();
    EXPECT_EQ(form.FindComponent(QStringLiteral("VisualStyleSelector")), nullptr);
}
