// The office check box: its box images, what is painted where, and its
// behaviour under real mouse and key events.
#include "controls/checkbox/CheckBoxImages.h"
#include "controls/checkbox/OfficeCheckBox.h"
#include "platform/Shell.h"
#include "tests/support/RecordingShell.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

QRgb Rgb(TColor c) { return qRgb(GetRValue(c), GetGValue(c), GetBValue(c)); }

class Ground : public QWidget {
public:
    explicit Ground(QColor c)
        : m_color(c)
    {
        resize(300, 60);
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), m_color); }

private:
    QColor m_color;
};

// A shown window with one check box (and a second focusable widget).
struct Fixture {
    Ground window{QColor(0x40, 0x80, 0x40)};
    TOfficeCheckBox* box = new TOfficeCheckBox(nullptr, &window);
    QWidget* other = new QWidget(&window);
    int clicks = 0;

    Fixture()
    {
        box->SetBounds(4, 10, 176, 22);
        box->SetCaption("Play Sounds   Theme:");
        box->Font()->SetHeight(-15);
        box->Font()->SetStyle(fsBold);
        box->Font()->SetColor(0x723708);
        box->SetChecked(true);
        box->OnClick = [this](QObject*) { ++clicks; };
        other->setGeometry(200, 10, 50, 20);
        other->setFocusPolicy(Qt::StrongFocus);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QImage Image()
    {
        QImage img(window.size(), QImage::Format_ARGB32);
        window.render(&img);
        return img;
    }
};

const QRgb kGround = qRgb(0x40, 0x80, 0x40);

} // namespace

TEST(CheckBoxImages, FrameFieldTickAndRingColours)
{
    struct Row {
        TBoxMouseState mouse;
        TColor ring, frame, edge, from, to, tick;
    };
    const Row rows[] = {
        {TBoxMouseState::Normal, 0x8F8F8E, 0xF4F4F4, 0xB9B3AE, 0xD5CFCB, 0xF6F6F6, 0x925A44},
        {TBoxMouseState::Hot, 0xA38655, 0xFAF9DE, 0xF9C679, 0xFDDFB1, 0xFEF7E8, 0x712204},
        {TBoxMouseState::Down, 0x8B622C, 0xF6E4C2, 0xF7B65E, 0xFCD59D, 0xFEF4E1, 0x94532C},
    };
    for (const Row& r : rows) {
        for (bool checked : {false, true}) {
            const QImage& img = CheckBoxImages::Image(checked, r.mouse);
            ASSERT_EQ(img.size(), QSize(13, 13));
            EXPECT_EQ(img.pixel(0, 12), Rgb(r.ring));
            EXPECT_EQ(img.pixel(12, 0), Rgb(r.ring));
            EXPECT_EQ(img.pixel(1, 1), Rgb(r.frame));
            EXPECT_EQ(img.pixel(11, 11), Rgb(r.frame));
            EXPECT_EQ(img.pixel(2, 7), Rgb(r.edge));
            EXPECT_EQ(img.pixel(7, 2), Rgb(r.edge));
            EXPECT_EQ(img.pixel(3, 3), Rgb(r.from));
            EXPECT_EQ(img.pixel(10, 10), Rgb(r.to));
            // The tick's lowest point, in the field's lower middle.
            EXPECT_EQ(img.pixel(6, 9) == Rgb(r.tick), checked);
            // Drawn, the ring is transparent and the inner pixels opaque.
            const QImage& t = CheckBoxImages::Transparent(checked, r.mouse);
            EXPECT_EQ(qAlpha(t.pixel(0, 0)), 0);
            EXPECT_EQ(qAlpha(t.pixel(6, 12)), 0);
            EXPECT_EQ(qAlpha(t.pixel(1, 1)), 255);
        }
    }
}

TEST(OfficeCheckBoxPaint, BoxSitsAtItsPlaceOverTheParentAndCaptionRightOfIt)
{
    Fixture f;
    QImage img = f.Image();
    // Box at x = 0, y = 4 of the control (window offset 4, 10): ring shows the ground.
    EXPECT_EQ(img.pixel(4 + 0, 10 + 4), kGround);
    EXPECT_EQ(img.pixel(4 + 1, 10 + 5), Rgb(0xF4F4F4));
    EXPECT_EQ(img.pixel(4 + 6, 10 + 4 + 9), Rgb(0x925A44));
    // No background of its own: the ground shows below the box and between letters.
    EXPECT_EQ(img.pixel(4 + 6, 10 + 19), kGround);
    int caption = 0;
    for (int x = 4 + 16; x < 4 + 176; ++x)
        for (int y = 10 + 4; y < 10 + 22; ++y)
            if (img.pixel(x, y) != kGround)
                ++caption;
    EXPECT_GT(caption, 40);

    // Right-justified and bottom-aligned: box at width - 14, height - 13.
    f.box->SetAlignment(TCustomOfficeCheckBox::taRightJustify);
    f.box->SetButtonVertAlign(TCustomOfficeCheckBox::tlBottom);
    img = f.Image();
    EXPECT_EQ(img.pixel(4 + 176 - 14 + 1, 10 + 22 - 13 + 1), Rgb(0xF4F4F4));
    EXPECT_EQ(f.box->CaptionArea(), QRect(0, 4, 176 - 16, 18));
    f.box->SetButtonVertAlign(TCustomOfficeCheckBox::tlCenter);
    EXPECT_EQ(f.box->BoxOrigin(), QPoint(176 - 14, 11 - 6));
}

TEST(OfficeCheckBoxPaint, GrayedShowsUncheckedAndDisabledDrawsTheDoubledCaption)
{
    Fixture f;
    f.box->SetState(TCustomOfficeCheckBox::cbGrayed);
    EXPECT_FALSE(f.box->Checked());
    EXPECT_FALSE(f.box->ShowsCheckedImage());
    EXPECT_NE(f.Image().pixel(4 + 6, 10 + 4 + 9), Rgb(0x925A44));

    f.box->SetDisabledFontColor(clRed);
    f.box->SetEnabled(false);
    const QImage img = f.Image();
    int red = 0, white = 0, font = 0;
    for (int x = 4 + 16; x < 4 + 176; ++x)
        for (int y = 10; y < 10 + 22; ++y) {
            const QRgb c = img.pixel(x, y);
            red += c == qRgb(255, 0, 0);
            white += c == qRgb(255, 255, 255);
            font += c == Rgb(0x723708);
        }
    EXPECT_GT(red, 20);
    EXPECT_GT(white, 5);
    EXPECT_EQ(font, 0);
}

TEST(OfficeCheckBoxPaint, CaptionKeepsItsThreeBlanks)
{
    // The blanks are drawn as blanks: the text with three blanks is wider.
    auto inkRight = [](const QString& caption) {
        Fixture f;
        f.box->SetCaption(caption);
        const QImage img = f.Image();
        int right = 0;
        for (int x = 4; x < 4 + 176; ++x)
            for (int y = 10; y < 10 + 22; ++y)
                if (img.pixel(x, y) != kGround)
                    right = std::max(right, x);
        return right;
    };
    EXPECT_GT(inkRight("Play Sounds   Theme:"), inkRight("Play Sounds Theme:") + 4);
}

TEST(OfficeCheckBoxPaint, FocusFrameOfDotsInTheFontColour)
{
    Fixture f;
    f.box->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(f.box->hasFocus());
    const QImage img = f.Image();
    // The frame's top edge runs along y = 4 from x = 16: every other pixel.
    const QRgb c0 = img.pixel(4 + 16, 10 + 4), c1 = img.pixel(4 + 17, 10 + 4), c2 = img.pixel(4 + 18, 10 + 4);
    EXPECT_EQ(c0, Rgb(0x723708));
    EXPECT_EQ(c1, kGround);
    EXPECT_EQ(c2, Rgb(0x723708));
}

TEST(OfficeCheckBoxState, CheckedAndStateFireNothing)
{
    Fixture f;
    f.box->SetChecked(true);
    f.box->SetChecked(false);
    f.box->SetState(TCustomOfficeCheckBox::cbGrayed);
    EXPECT_EQ(f.clicks, 0);
    EXPECT_EQ(f.box->State(), TCustomOfficeCheckBox::cbGrayed);
    f.box->SetChecked(true);
    EXPECT_EQ(f.box->State(), TCustomOfficeCheckBox::cbChecked);
}

TEST(OfficeCheckBoxMouse, ClickTogglesAndFocusesGrayedBecomesChecked)
{
    Fixture f;
    f.other->setFocus();
    QApplication::processEvents();
    QTest::mouseClick(f.box, Qt::LeftButton, {}, QPoint(5, 10));
    EXPECT_TRUE(f.box->hasFocus());
    EXPECT_FALSE(f.box->Checked());
    EXPECT_EQ(f.clicks, 1);

    f.box->SetState(TCustomOfficeCheckBox::cbGrayed);
    QTest::mouseClick(f.box, Qt::LeftButton, {}, QPoint(5, 10));
    EXPECT_EQ(f.box->State(), TCustomOfficeCheckBox::cbChecked);
    EXPECT_EQ(f.clicks, 2);
}

TEST(OfficeCheckBoxMouse, AnyButtonToggles)
{
    Fixture f;
    QTest::mouseClick(f.box, Qt::RightButton, {}, QPoint(50, 10));
    EXPECT_FALSE(f.box->Checked());
    QTest::mouseClick(f.box, Qt::MiddleButton, {}, QPoint(50, 10));
    EXPECT_TRUE(f.box->Checked());
    EXPECT_EQ(f.clicks, 2);
}

TEST(OfficeCheckBoxMouse, ReleaseOutsideChangesNothingEdgesStillCount)
{
    Fixture f;
    QTest::mousePress(f.box, Qt::LeftButton, {}, QPoint(5, 10));
    EXPECT_TRUE(f.box->IsDown());
    QTest::mouseMove(f.box, QPoint(190, 10));
    EXPECT_FALSE(f.box->IsDown());
    QTest::mouseRelease(f.box, Qt::LeftButton, {}, QPoint(190, 10));
    EXPECT_TRUE(f.box->Checked());
    EXPECT_EQ(f.clicks, 0);
    EXPECT_FALSE(f.box->IsDown());

    // Exactly on the right edge (x = Width) and the bottom edge (y = Height).
    QTest::mousePress(f.box, Qt::LeftButton, {}, QPoint(5, 10));
    QTest::mouseRelease(f.box, Qt::LeftButton, {}, QPoint(176, 22));
    EXPECT_FALSE(f.box->Checked());
    QTest::mousePress(f.box, Qt::LeftButton, {}, QPoint(5, 10));
    QTest::mouseRelease(f.box, Qt::LeftButton, {}, QPoint(177, 10));
    EXPECT_FALSE(f.box->Checked());
    EXPECT_EQ(f.clicks, 1);
}

TEST(OfficeCheckBoxMouse, ReadOnlyKeepsTheStateButStillClicks)
{
    Fixture f;
    f.box->SetReadOnly(true);
    QTest::mouseClick(f.box, Qt::LeftButton, {}, QPoint(5, 10));
    QTest::keyClick(f.box, Qt::Key_Space);
    EXPECT_TRUE(f.box->Checked());
    EXPECT_EQ(f.clicks, 2);
}

TEST(OfficeCheckBoxMouse, HotWhileThePointerIsOver)
{
    Fixture f;
    QEnterEvent enter(QPointF(5, 5), QPointF(9, 15), QPointF(9, 15));
    QApplication::sendEvent(f.box, &enter);
    EXPECT_TRUE(f.box->IsHot());
    EXPECT_EQ(f.box->BoxMouseState(), TBoxMouseState::Hot);
    EXPECT_EQ(f.Image().pixel(4 + 1, 10 + 5), Rgb(0xFAF9DE));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(f.box, &leave);
    EXPECT_FALSE(f.box->IsHot());
    f.box->SetEnabled(false);
    QApplication::sendEvent(f.box, &enter);
    EXPECT_EQ(f.box->BoxMouseState(), TBoxMouseState::Normal);
}

TEST(OfficeCheckBoxKeys, SpaceTogglesOnReleaseOnceEvenWithAutoRepeat)
{
    Fixture f;
    f.box->setFocus();
    QApplication::processEvents();
    QTest::keyPress(f.box, Qt::Key_Space);
    EXPECT_TRUE(f.box->IsDown());
    EXPECT_TRUE(f.box->Checked());
    // Held down: the system repeats press and release pairs.
    for (int i = 0; i < 3; ++i) {
        QKeyEvent up(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ", true);
        QApplication::sendEvent(f.box, &up);
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", true);
        QApplication::sendEvent(f.box, &down);
    }
    EXPECT_EQ(f.clicks, 0);
    QTest::keyRelease(f.box, Qt::Key_Space);
    EXPECT_FALSE(f.box->Checked());
    EXPECT_FALSE(f.box->IsDown());
    EXPECT_EQ(f.clicks, 1);
}

TEST(OfficeCheckBoxKeys, ReturnIsTabMovesTheFocus)
{
    Fixture f;
    f.box->setFocus();
    QApplication::processEvents();
    QTest::keyClick(f.box, Qt::Key_Return);
    EXPECT_TRUE(f.box->hasFocus());
    f.box->SetReturnIsTab(true);
    QTest::keyClick(f.box, Qt::Key_Return);
    EXPECT_FALSE(f.box->hasFocus());
    EXPECT_TRUE(f.box->Checked());
}

TEST(OfficeCheckBoxKeys, AcceleratorTogglesAndFocusesWithTabStop)
{
    Fixture f;
    f.box->SetCaption("Create a &shortcut");
    f.box->SetTabStop(true);
    f.other->setFocus();
    QApplication::processEvents();
    QTest::keyClick(&f.window, Qt::Key_S, Qt::AltModifier);
    EXPECT_FALSE(f.box->Checked());
    EXPECT_EQ(f.clicks, 1);
    EXPECT_TRUE(f.box->hasFocus());
}

TEST(OfficeCheckBoxKeys, TheAcceleratorIsTheCharacterTheCaptionShowsUnderlined)
{
    // Each caption against every key of the table: only its own toggles.
    const Qt::Key keys[] = {Qt::Key_A, Qt::Key_C, Qt::Key_P, Qt::Key_B, Qt::Key_H, Qt::Key_Q};
    struct { const char* caption; int key; } cases[] = {
        {"Fish &amp; chips", -1},             // drawn "Fish & chips": nothing underlined
        {"Fish &amp; &chips", 1},
        {"Salt & &pepper", -1},               // " & ": ampersands drawn literally
        {"<B>&Bold</B> face", 3},             // tags are not drawn
        {"<A HREF=\"&h\">link</A> &quit", 5}, // nor what a tag holds
        {"<Z>&hidden</Z>&chips", 1},          // nor hidden text
        {"&amp;quot;&amp;&amp; &amp;", -1},
        {"&lt;&P&gt;", 2},
    };
    for (const auto& t : cases) {
        for (int k = 0; k < int(std::size(keys)); ++k) {
            Fixture f;
            f.box->SetCaption(QString::fromUtf8(t.caption));
            f.other->setFocus();
            QApplication::processEvents();
            QTest::keyClick(&f.window, keys[k], Qt::AltModifier);
            EXPECT_EQ(f.clicks, k == t.key ? 1 : 0) << t.caption << " key " << k;
        }
    }
}

TEST(OfficeCheckBoxTabStop, TabSkipsTheControlByDefault)
{
    Fixture f;
    EXPECT_FALSE(f.box->TabStop());
    EXPECT_FALSE(f.box->focusPolicy() & Qt::TabFocus);
    EXPECT_TRUE(f.box->focusPolicy() & Qt::ClickFocus);
}

TEST(OfficeCheckBoxAnchors, FocusedClickOnAnAnchorOpensOrReports)
{
    Fixture f;
    platform::RecordingShell shell;
    platform::ScopedService<platform::IShell> use(shell);
    QStringList clicked;
    f.box->OnAnchorClick = [&](QObject*, const QString& a) { clicked << a; };
    f.box->SetCaption("<A href=\"https://example.org\">site</A> <A href=\"local\">here</A>");
    f.box->setFocus();
    QApplication::processEvents();

    // Find each anchor's pixels by hit-testing along the caption line.
    QPoint site, here;
    for (int x = 16; x < 176 && (site.isNull() || here.isNull()); ++x) {
        const QString a = f.box->AnchorAt(QPoint(x, 12));
        if (a == "https://example.org" && site.isNull())
            site = QPoint(x + 2, 12);
        if (a == "local" && here.isNull())
            here = QPoint(x + 2, 12);
    }
    ASSERT_FALSE(site.isNull());
    ASSERT_FALSE(here.isNull());
    QTest::mousePress(f.box, Qt::LeftButton, {}, site);
    EXPECT_FALSE(f.box->IsDown());
    QTest::mouseRelease(f.box, Qt::LeftButton, {}, site);
    QTest::mouseClick(f.box, Qt::LeftButton, {}, here);
    EXPECT_EQ(shell.addresses, QStringList{"https://example.org"});
    EXPECT_EQ(clicked, QStringList{"local"});
    // The releases still toggled, twice.
    EXPECT_TRUE(f.box->Checked());
    EXPECT_EQ(f.clicks, 2);
}

#include "controls/core/Form.h"
#include "controls/core/FormReader.h"

TEST(OfficeCheckBoxForm, ReadFromAFormFileAsTheWindowStoresIt)
{
    TForm form;
    const QByteArray text = R"(object Form1: TForm
  object SoundCheckBox: TOfficeCheckBox
    Left = 4
    Top = -2
    Width = 176
    Height = 22
    Caption = 'Play Sounds   Theme:'
    State = cbChecked
    Alignment = taLeftJustify
    Font.Name = 'MS Sans Serif'
    Font.Height = -15
    Font.Style = [fsBold]
    Font.Color = $00723708
    ReturnIsTab = False
  end
end
)";
    const auto error = ReadForm(form, text);
    ASSERT_FALSE(error) << error->ToString().toStdString();
    auto* box = dynamic_cast<TOfficeCheckBox*>(form.FindComponent("SoundCheckBox"));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(box->Caption(), "Play Sounds   Theme:");
    EXPECT_EQ(box->BoundsRect(), QRect(4, -2, 176, 22));
    EXPECT_EQ(box->Font()->Color(), 0x723708);
    EXPECT_FALSE(box->TabStop());
}
