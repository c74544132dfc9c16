// The plain label, the plain panel and the single-line edit box: read from
// a form file as the window stores them, sized, painted and focused as the
// window needs.
#include "FormKit.h"
#include "controls/core/Form.h"
#include "controls/core/FormReader.h"
#include "controls/glowbutton/GlowButton.h"
#include "controls/plain/Label.h"
#include "controls/checkbox/OfficeCheckBox.h"
#include "controls/plain/Panel.h"
#include "controls/plain/StyledEdit.h"
#include "tests/support/ActiveWindow.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QImage Grab(QWidget& w) { return w.grab().toImage().convertToFormat(QImage::Format_RGB32); }

QRgb Rgb(TColor c) { return ToQColor(c).rgb() | 0xFF000000u; }

const QByteArray kHiddenData = R"(object Form1: TForm
  Width = 450
  Height = 390
  object Panel2: TPanel
    Left = -250
    Top = 0
    Width = 220
    Height = 721
    TabOrder = 4
    object Label1: TLabel
      Left = 16
      Top = 8
      Width = 43
      Height = 13
      Caption = 'Words: 0'
    end
  end
  object LettersLabel: TLabel
    Left = -250
    Top = 96
    Width = 118
    Height = 24
    Caption = 'ABCDEFGHI'
    Font.Height = -20
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Location: TStyledEdit
    Left = 8
    Top = 200
    Width = 369
    Height = 21
    Text = 'C:\Program Files\Pellamar\Lumora'
  end
end
)";

} // namespace

TEST(PlainControlsForm, TheHiddenDataControlsReadAsStored)
{
    TForm form;
    const auto error = ReadForm(form, kHiddenData);
    ASSERT_FALSE(error) << error->ToString().toStdString();

    auto* panel = dynamic_cast<TPanel*>(form.FindComponent("Panel2"));
    auto* words = dynamic_cast<TLabel*>(form.FindComponent("Label1"));
    auto* letters = dynamic_cast<TLabel*>(form.FindComponent("LettersLabel"));
    auto* location = dynamic_cast<TStyledEdit*>(form.FindComponent("Location"));
    ASSERT_TRUE(panel && words && letters && location);

    EXPECT_EQ(panel->BoundsRect(), QRect(-250, 0, 220, 721));
    EXPECT_EQ(words->ParentControl(), panel);
    EXPECT_EQ(words->Caption(), "Words: 0");
    EXPECT_EQ(letters->Caption(), "ABCDEFGHI");
    EXPECT_EQ(letters->Left(), -250);
    EXPECT_EQ(location->Text(), "C:\\Program Files\\Pellamar\\Lumora");
    EXPECT_EQ(location->Color(), clWindow);

    // Loaded measured the auto-sized labels in their own fonts.
    EXPECT_EQ(words->BoundsRect().size(), words->TextExtent());
    EXPECT_EQ(letters->BoundsRect().size(), letters->TextExtent());
    EXPECT_GT(letters->Height(), words->Height());
}

TEST(Label, AutoSizeFollowsTextAndFont)
{
    TLabel label;
    label.SetCaption("Words: 0");
    const QSize small = label.BoundsRect().size();
    EXPECT_EQ(small, label.TextExtent());
    label.SetCaption("Words: 10461");
    EXPECT_GT(label.Width(), small.width());
    EXPECT_EQ(label.Height(), small.height());

    // An empty caption keeps the height of a line.
    label.SetCaption("");
    EXPECT_GT(label.Width(), 0);
    EXPECT_EQ(label.Height(), small.height());

    label.Font()->SetHeight(-20);
    EXPECT_GT(label.Height(), small.height());

    // Without AutoSize the given size stands whatever the text.
    label.SetAutoSize(false);
    label.SetBounds(5, 6, 18, 13);
    label.SetCaption("Passes: 123");
    EXPECT_EQ(label.BoundsRect(), QRect(5, 6, 18, 13));
}

TEST(Label, PaintsItsGroundUnlessTransparent)
{
    TPanel parent;
    parent.SetBevelOuter(bvNone);
    parent.SetColor(clRed);
    parent.SetBounds(0, 0, 100, 40);
    auto* label = new TLabel(nullptr, &parent);
    label->SetAutoSize(false);
    label->SetBounds(10, 10, 80, 20);
    label->SetColor(clWhite);
    label->SetCaption("W");
    label->Font()->SetColor(clBlack);

    QImage image = Grab(parent);
    EXPECT_EQ(image.pixel(85, 25), Rgb(clWhite)) << "opaque ground";
    EXPECT_EQ(image.pixel(5, 5), Rgb(clRed)) << "outside the label";
    int dark = 0;
    for (int y = 10; y < 30; ++y)
        for (int x = 10; x < 25; ++x)
            dark += qGray(image.pixel(x, y)) < 100;
    EXPECT_GT(dark, 5) << "the caption is drawn at the top-left";

    label->SetTransparent(true);
    image = Grab(parent);
    EXPECT_EQ(image.pixel(85, 25), Rgb(clRed)) << "the parent shows through";
}

TEST(Panel, BevelsFrameTheGround)
{
    TPanel panel;
    panel.SetBounds(0, 0, 40, 30);
    panel.SetColor(clWhite);
    panel.SetBevelWidth(2);
    QImage image = Grab(panel);
    // Raised outer bevel: light top-left, dark bottom-right, two pixels.
    EXPECT_EQ(image.pixel(0, 0), Rgb(clBtnHighlight));
    EXPECT_EQ(image.pixel(1, 10), Rgb(clBtnHighlight));
    EXPECT_EQ(image.pixel(39, 29), Rgb(clBtnShadow));
    EXPECT_EQ(image.pixel(38, 10), Rgb(clBtnShadow));
    EXPECT_EQ(image.pixel(2, 10), Rgb(clWhite));
    EXPECT_EQ(panel.InnerRect(), QRect(2, 2, 36, 26));

    panel.SetBevelInner(bvLowered);
    image = Grab(panel);
    EXPECT_EQ(image.pixel(2, 10), Rgb(clBtnShadow));
    EXPECT_EQ(image.pixel(37, 10), Rgb(clBtnHighlight));
    EXPECT_EQ(panel.InnerRect(), QRect(4, 4, 32, 22));

    panel.SetBevelOuter(bvNone);
    panel.SetBevelInner(bvNone);
    image = Grab(panel);
    EXPECT_EQ(image.pixel(0, 0), Rgb(clWhite));
    EXPECT_EQ(panel.InnerRect(), QRect(0, 0, 40, 30));

    panel.SetBevelWidth(0);
    EXPECT_EQ(panel.BevelWidth(), 1);
    EXPECT_EQ(panel.focusPolicy(), Qt::NoFocus);
}

TEST(StyledEdit, TextAndChangeEvents)
{
    TStyledEdit edit;
    int changes = 0;
    edit.OnChange = [&](QObject*) { ++changes; };
    edit.SetText("/opt/Lumora");
    EXPECT_EQ(edit.Text(), "/opt/Lumora");
    EXPECT_EQ(changes, 1);
    edit.SetText("/opt/Lumora");
    EXPECT_EQ(changes, 1) << "an equal text changes nothing";

    // Typed text counts too, and any characters are taken.
    edit.Editor()->end(false);
    QTest::keyClicks(edit.Editor(), "/Spiel ");
    QKeyEvent umlaut(QEvent::KeyPress, Qt::Key_Udiaeresis, Qt::NoModifier, QStringLiteral("\u00FC"));
    QApplication::sendEvent(edit.Editor(), &umlaut);
    EXPECT_EQ(edit.Text(), "/opt/Lumora/Spiel \u00FC");
    EXPECT_EQ(changes, 1 + 8);

    edit.SetReadOnly(true);
    QTest::keyClicks(edit.Editor(), "x");
    EXPECT_EQ(edit.Text(), "/opt/Lumora/Spiel \u00FC");

    edit.SetMaxLength(4);
    edit.SetReadOnly(false);
    edit.SetText("");
    QTest::keyClicks(edit.Editor(), "abcdef");
    EXPECT_EQ(edit.Text(), "abcd");
}

TEST(StyledEdit, DrawsOnTheWindowColourInItsFont)
{
    TStyledEdit edit;
    edit.Font()->SetColor(0x723708);
    edit.Font()->SetName("Tahoma");
    edit.Font()->SetHeight(-11);
    const QPalette palette = edit.Editor()->palette();
    EXPECT_EQ(palette.color(QPalette::Base), ToQColor(clWindow));
    EXPECT_EQ(palette.color(QPalette::Text), ToQColor(0x723708));
    EXPECT_EQ(edit.Editor()->font().pixelSize(), 11);

    edit.SetBounds(0, 0, 200, 21);
    EXPECT_EQ(edit.Editor()->geometry(), QRect(0, 0, 200, 21));
}

TEST(StyledEdit, IsTheOnlyStopOfTheTabKey)
{
    TForm form;
    form.SetBounds(0, 0, 300, 200);
    Place<TGlowButton>(form, 10, 10, 60, 24);
    Place<TOfficeCheckBox>(form, 10, 40, 120, 22);
    auto* edit = Place<TStyledEdit>(form, 10, 70, 200, 21);
    Place<TPanel>(form, 10, 100, 100, 40);
    ASSERT_TRUE(ShowActive(form));

    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &form, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), edit->Editor()) << "after Tab " << i + 1;
    }
}

TEST(StyledEdit, WithoutTabStopTabPassesItBy)
{
    TForm form;
    form.SetBounds(0, 0, 300, 200);
    auto* first = Place<TStyledEdit>(form, 10, 10, 200, 21);
    auto* second = Place<TStyledEdit>(form, 10, 40, 200, 21);
    first->SetTabStop(false);
    ASSERT_TRUE(ShowActive(form));
    QTest::keyClick(&form, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), second->Editor());
    QTest::keyClick(second->Editor(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), second->Editor());
    // A click still reaches the one without a Tab stop.
    QTest::mouseClick(first->Editor(), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), first->Editor());
}
