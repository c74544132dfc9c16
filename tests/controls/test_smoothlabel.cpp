// The smooth label: placement, font, brush kinds and what shows of the
// parent, checked on rendered pixels; repaints through a counting parent.
#include "controls/smoothlabel/SmoothLabel.h"
#include "controls/smoothlabel/SmoothLabelPainter.h"

#include <QApplication>
#include <QBuffer>
#include <QFontDatabase>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

namespace {

// A parent that paints itself in one colour and counts its paints.
class SolidParent : public QWidget {
public:
    explicit SolidParent(QColor color, QSize size = {200, 80})
        : m_color(color)
    {
        resize(size);
    }
    int paints = 0;
    QRegion lastRegion;

protected:
    void paintEvent(QPaintEvent* e) override
    {
        ++paints;
        lastRegion = e->region();
        QPainter(this).fillRect(rect(), m_color);
    }

private:
    QColor m_color;
};

QImage Render(QWidget& w)
{
    QImage img(w.size(), QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    w.render(&img);
    return img;
}

// Pixels that differ from `ground` (the parent's colour).
int InkCount(const QImage& img, QRgb ground, QRect area = {})
{
    if (area.isNull())
        area = img.rect();
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (img.pixel(x, y) != ground)
                ++n;
    return n;
}

// The rows that hold ink, as [first, last]; {-1, -1} when none.
std::pair<int, int> InkRows(const QImage& img, QRgb ground)
{
    int first = -1, last = -1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != ground) {
                if (first < 0)
                    first = y;
                last = y;
                break;
            }
    return {first, last};
}

struct LabelOnParent {
    SolidParent parent{Qt::white};
    TSmoothLabel* label = new TSmoothLabel(nullptr, &parent);

    LabelOnParent()
    {
        label->SetBounds(10, 10, 180, 60);
        label->Caption()->Font()->SetHeight(-40);
        label->Caption()->Font()->SetStyle(fsBold);
        label->Caption()->SetLocation(TSmoothLabelCaption::plCenterLeft);
    }
    QImage Image() { return Render(parent); }
};

const QRgb kWhite = qRgb(255, 255, 255);

} // namespace

TEST(SmoothLabelDefaults, NewLabelAndCaptionAndFill)
{
    TSmoothLabel l;
    EXPECT_EQ(l.Width(), 280);
    EXPECT_EQ(l.Height(), 50);
    EXPECT_TRUE(l.Transparent());
    EXPECT_FALSE(l.WordWrap());
    l.SetVersion("9.9");
    EXPECT_EQ(l.Version(), "1.1.0.1");

    const TSmoothLabelCaption& c = *l.Caption();
    EXPECT_EQ(c.Font()->Name(), "Tahoma");
    EXPECT_EQ(c.Font()->Size(), 20);
    EXPECT_EQ(c.Location(), TSmoothLabelCaption::plCenterCenter);
    EXPECT_EQ(c.ColorStart(), 0xFFE09F);
    EXPECT_EQ(c.ColorEnd(), 0x754F00);
    EXPECT_EQ(c.GradientType(), TGDIPFill::gtVertical);
    EXPECT_TRUE(c.Picture()->Empty());

    const TGDIPFill& f = *l.Fill();
    EXPECT_EQ(f.Color(), 0xC0C0C0);
    EXPECT_EQ(f.ColorTo(), 0x808080);
    EXPECT_EQ(f.ColorMirror(), clNone);
    EXPECT_EQ(f.BorderColor(), clNone);
    EXPECT_EQ(f.RoundingType(), TGDIPFill::rtBoth);
    EXPECT_EQ(f.PictureWidth(), 50);
    EXPECT_EQ(f.BackGroundPictureMode(), TGDIPFill::pmOutsideFill);
}

TEST(SmoothLabelGeometry, PixelHeightsBecomeWholePointsAt96Dpi)
{
    EXPECT_EQ(TSmoothLabelPainter::PointsOf(-13), 10);
    EXPECT_EQ(TSmoothLabelPainter::PointsOf(-23), 17);
    EXPECT_EQ(TSmoothLabelPainter::PointsOf(-11), 8);
    EXPECT_EQ(TSmoothLabelPainter::PointsOf(-15), 11);
    EXPECT_EQ(TSmoothLabelPainter::PointsOf(-27), 20);
}

TEST(SmoothLabelGeometry, PlacementTableUsesRealValuesWithoutMargin)
{
    using C = TSmoothLabelCaption;
    // A 22-pixel label: R is 21 high; a 16-pixel box sits at y = 2.5.
    const QRectF r(0, 0, 99, 21);
    const double tw = 40, th = 16;
    struct Row {
        TSmoothLabelLocation loc;
        QPointF at;
    };
    const Row rows[] = {
        {C::plTopLeft, {0, 0}},        {C::plTopCenter, {29.5, 0}},      {C::plTopRight, {59, 0}},
        {C::plCenterLeft, {0, 2.5}},   {C::plCenterCenter, {29.5, 2.5}}, {C::plCenterRight, {59, 2.5}},
        {C::plBottomLeft, {0, 5}},     {C::plBottomCenter, {29.5, 5}},   {C::plBottomRight, {59, 5}},
        {C::plCustom, {7, -3}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(TSmoothLabelPainter::TextOrigin(row.loc, r, tw, th, QPointF(7, -3)), row.at) << int(row.loc);
    // A text wider than the label starts left of it when centred.
    EXPECT_LT(TSmoothLabelPainter::TextOrigin(C::plCenterCenter, r, 150, th, {}).x(), 0);
}

TEST(SmoothLabelGeometry, MeasuredBoxIsPlacedAndTheLayoutRectRunsToTheEdge)
{
    TSmoothLabel l;
    l.SetBounds(0, 0, 100, 22);
    l.Caption()->Font()->SetHeight(-13);
    l.Caption()->SetText("Score:");
    l.Caption()->SetLocation(TSmoothLabelCaption::plCenterLeft);
    QImage img(100, 22, QImage::Format_ARGB32);
    auto layout = TSmoothLabelPainter(*l.Caption(), false).Measure(&img, QRectF(0, 0, 99, 21));
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->Points, 10);
    EXPECT_GT(layout->TextWidth, 10);
    EXPECT_GT(layout->TextHeight, 10);
    EXPECT_DOUBLE_EQ(layout->Origin.x(), 0);
    EXPECT_DOUBLE_EQ(layout->Origin.y(), (21 - layout->TextHeight) / 2);
    EXPECT_EQ(layout->LayoutRect, QRectF(0, layout->Origin.y(), 99, 21 - layout->Origin.y()));
}

TEST(SmoothLabelFont, MissingFamilyFallsBackToArial)
{
    EXPECT_EQ(TSmoothLabelPainter::ResolveFamily("No Such Family Qz9"), "Arial");
    EXPECT_EQ(TSmoothLabelPainter::ResolveFamily(""), "Arial");
    // Liberation Mono comes with fonts-liberation, which the set-up installs.
    ASSERT_TRUE(QFontDatabase::hasFamily("Liberation Mono")) << "fonts-liberation is not installed";
    EXPECT_EQ(TSmoothLabelPainter::ResolveFamily("Liberation Mono"), "Liberation Mono");

    auto render = [](const QString& family) {
        LabelOnParent p;
        p.label->Caption()->Font()->SetName(family);
        p.label->Caption()->SetText("Wxg Ab");
        return p.Image();
    };
    const QImage missing = render("No Such Family Qz9");
    EXPECT_EQ(missing, render("Arial"));
    // The comparison means something: another family draws differently.
    EXPECT_NE(missing, render("Liberation Mono"));
}

TEST(SmoothLabelFont, FontColourHasNoEffectStrikeOutIsNotCarried)
{
    auto render = [](TColor color, TFontStyles style) {
        LabelOnParent p;
        p.label->Caption()->Font()->SetColor(color);
        p.label->Caption()->Font()->SetStyle(style);
        p.label->Caption()->SetText("Colour");
        return p.Image();
    };
    EXPECT_EQ(render(clRed, fsBold), render(clLime, fsBold));
    EXPECT_EQ(render(clRed, fsBold), render(clRed, fsBold | fsStrikeOut));
    EXPECT_NE(render(clRed, fsBold), render(clRed, fsBold | fsUnderline));
}

TEST(SmoothLabelPaint, NothingBelowTwoPixelsOrWithoutText)
{
    for (QSize size : {QSize(1, 40), QSize(150, 1), QSize(0, 0)}) {
        LabelOnParent p;
        p.label->Caption()->SetText("Hello");
        p.label->SetTransparent(false); // not even the fill
        p.label->SetBounds(10, 10, size.width(), size.height());
        EXPECT_EQ(InkCount(p.Image(), kWhite), 0) << size.width() << "x" << size.height();
    }
    LabelOnParent empty;
    EXPECT_EQ(InkCount(empty.Image(), kWhite), 0);
    // Without text but opaque only the fill shows.
    empty.label->SetTransparent(false);
    EXPECT_GT(InkCount(empty.Image(), kWhite), 170 * 50);
}

TEST(SmoothLabelPaint, TransparentLabelShowsTheParentBetweenLetters)
{
    LabelOnParent p;
    p.label->Caption()->SetText("I I");
    const QImage img = p.Image();
    const int ink = InkCount(img, kWhite, QRect(10, 10, 180, 60));
    EXPECT_GT(ink, 20);
    EXPECT_LT(ink, 180 * 60 / 4);
    EXPECT_EQ(img.pixel(15, 12), kWhite);
    EXPECT_EQ(img.pixel(185, 65), kWhite);
}

TEST(SmoothLabelPaint, VerticalGradientRunsFromStartAtTopToEndAtBottom)
{
    LabelOnParent p;
    p.label->Caption()->SetColorStart(clRed);
    p.label->Caption()->SetColorEnd(clBlue);
    p.label->Caption()->SetText("HHH");
    const QImage img = p.Image();
    const auto [top, bottom] = InkRows(img, kWhite);
    ASSERT_GE(top, 0);
    auto dominant = [&](int y) {
        int redder = 0, bluer = 0;
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            if (qRed(c) < 250 || qBlue(c) < 250) { // inked
                if (qRed(c) > qBlue(c)) ++redder;
                if (qBlue(c) > qRed(c)) ++bluer;
            }
        }
        return std::pair{redder, bluer};
    };
    const auto [topRed, topBlue] = dominant(top + 1);
    const auto [bottomRed, bottomBlue] = dominant(bottom - 1);
    EXPECT_GT(topRed, topBlue);
    EXPECT_GT(bottomBlue, bottomRed);
}

TEST(SmoothLabelPaint, ColorEndNoneUsesTheStartColourAlone)
{
    LabelOnParent p;
    p.label->Caption()->SetColorStart(clRed);
    p.label->Caption()->SetColorEnd(clNone);
    p.label->Caption()->SetText("HHH");
    const QImage img = p.Image();
    int inked = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            if (c == kWhite)
                continue;
            ++inked;
            // Anti-aliased red on white: red stays full, green equals blue.
            ASSERT_GE(qRed(c), 250) << x << "," << y;
            ASSERT_NEAR(qGreen(c), qBlue(c), 2) << x << "," << y;
        }
    EXPECT_GT(inked, 50);
}

TEST(SmoothLabelPaint, KindsWithoutABrushDrawNoText)
{
    for (auto kind : {TGDIPFill::gtRadial, TGDIPFill::gtAngle, TGDIPFill::gtPath, TGDIPFill::gtNone,
                      TGDIPFill::gtTexture}) {
        LabelOnParent p;
        p.label->Caption()->SetText("Hidden");
        p.label->Caption()->SetGradientType(kind);
        EXPECT_EQ(InkCount(p.Image(), kWhite), 0) << int(kind);
    }
    for (auto kind : {TGDIPFill::gtSolid, TGDIPFill::gtHorizontal, TGDIPFill::gtForwardDiagonal,
                      TGDIPFill::gtBackwardDiagonal, TGDIPFill::gtHatch}) {
        LabelOnParent p;
        p.label->Caption()->SetText("Shown");
        p.label->Caption()->SetGradientType(kind);
        EXPECT_GT(InkCount(p.Image(), kWhite), 50) << int(kind);
    }
    // A hatch style outside the table makes no brush either.
    LabelOnParent p;
    p.label->Caption()->SetText("Shown");
    p.label->Caption()->SetGradientType(TGDIPFill::gtHatch);
    p.label->Caption()->SetHatchStyle(53);
    EXPECT_EQ(InkCount(p.Image(), kWhite), 0);
}

TEST(SmoothLabelPaint, TextureTextNeedsADecodablePicture)
{
    QImage tile(4, 4, QImage::Format_RGB32);
    tile.fill(Qt::green);
    QByteArray png;
    {
        QBuffer b(&png);
        b.open(QIODevice::WriteOnly);
        tile.save(&b, "PNG");
    }
    LabelOnParent p;
    p.label->Caption()->SetText("Tex");
    p.label->Caption()->SetGradientType(TGDIPFill::gtTexture);
    p.label->Caption()->Picture()->SetData("not an image");
    EXPECT_EQ(InkCount(p.Image(), kWhite), 0);
    p.label->Caption()->Picture()->SetData(png);
    const QImage img = p.Image();
    int green = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) == qRgb(0, 255, 0))
                ++green;
    EXPECT_GT(green, 20);
}

TEST(SmoothLabelPaint, WideTextIsCutAtTheEdgesNotWrapped)
{
    SolidParent parent(Qt::white, {300, 150});
    auto* label = new TSmoothLabel(nullptr, &parent);
    label->SetBounds(50, 20, 120, 100);
    label->Caption()->Font()->SetHeight(-16);
    label->Caption()->SetLocation(TSmoothLabelCaption::plTopLeft);
    label->Caption()->SetText("many words that are far wider than this label is");
    const QImage img = Render(parent);
    // Nothing outside the label.
    EXPECT_EQ(InkCount(img, kWhite, QRect(0, 0, 50, 150)), 0);
    EXPECT_EQ(InkCount(img, kWhite, QRect(170, 0, 130, 150)), 0);
    // One line only, reaching the right edge.
    const auto [top, bottom] = InkRows(img, kWhite);
    EXPECT_LT(bottom - top, 24);
    EXPECT_GT(InkCount(img, kWhite, QRect(160, 20, 10, 30)), 0);

    // With WordWrap on the same text takes several lines.
    label->SetWordWrap(true);
    const auto [wtop, wbottom] = InkRows(Render(parent), kWhite);
    EXPECT_GT(wbottom - wtop, 40);
}

TEST(SmoothLabelPaint, OpaqueLabelPaintsTheDefaultFillGradient)
{
    SolidParent parent(Qt::white, {120, 60});
    auto* label = new TSmoothLabel(nullptr, &parent);
    label->SetBounds(0, 0, 100, 50);
    label->SetTransparent(false);
    const QImage img = Render(parent);
    // Square corners, no border: the corner is the gradient's own colour.
    const QRgb topLeft = img.pixel(0, 0);
    EXPECT_NEAR(qRed(topLeft), 0xC0, 4);
    EXPECT_EQ(qRed(topLeft), qBlue(topLeft));
    EXPECT_NEAR(qRed(img.pixel(50, 48)), 0x80, 5);
    EXPECT_GT(qRed(img.pixel(50, 10)), qRed(img.pixel(50, 40)));
    // The fill covers (0, 0, Width - 1, Height - 1): the last column and row stay the parent's.
    EXPECT_EQ(img.pixel(99, 20), kWhite);
    EXPECT_EQ(img.pixel(40, 49), kWhite);
}

TEST(SmoothLabelRepaint, ChangesRepaintEqualValuesAndStylesDoNot)
{
    SolidParent parent(Qt::white);
    auto* label = new TSmoothLabel(nullptr, &parent);
    label->SetBounds(10, 10, 100, 30);
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    auto paintsAfter = [&](const std::function<void()>& change) {
        QApplication::processEvents();
        parent.paints = 0;
        change();
        QApplication::processEvents();
        return parent.paints;
    };
    EXPECT_GT(paintsAfter([&] { label->Caption()->SetText("A"); }), 0);
    EXPECT_EQ(paintsAfter([&] { label->Caption()->SetText("A"); }), 0);
    EXPECT_GT(paintsAfter([&] { label->Caption()->SetColorEnd(clRed); }), 0);
    EXPECT_GT(paintsAfter([&] { label->Caption()->Font()->SetHeight(-20); }), 0);
    EXPECT_GT(paintsAfter([&] { label->Caption()->Font()->SetColor(clRed); }), 0);
    EXPECT_GT(paintsAfter([&] { label->Fill()->SetRounding(3); }), 0);
    EXPECT_EQ(paintsAfter([&] { label->Fill()->SetRounding(3); }), 0);
    EXPECT_GT(paintsAfter([&] { label->Fill()->Picture()->SetData("x"); }), 0);
    EXPECT_GT(paintsAfter([&] { label->SetWordWrap(true); }), 0);
    EXPECT_EQ(paintsAfter([&] { label->SetTransparent(true); }), 0);
    EXPECT_EQ(paintsAfter([&] { label->ApplyComponentStyle(tsOffice2003Blue); }), 0);
    EXPECT_EQ(label->Caption()->ColorEnd(), clRed);
}

TEST(SmoothLabelRepaint, RefreshRepaintsTheParentAreaAtOnce)
{
    SolidParent parent(Qt::white);
    auto* label = new TSmoothLabel(nullptr, &parent);
    label->SetBounds(20, 10, 100, 30);
    label->Caption()->SetText("WWWWWW");
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    QApplication::processEvents();
    parent.paints = 0;
    label->Caption()->SetText(".");
    label->Refresh();
    EXPECT_EQ(parent.paints, 1);
    EXPECT_TRUE(parent.lastRegion.contains(QRect(20, 10, 100, 30)));
}

TEST(SmoothLabelAssign, CopiesFillCaptionButNotFontAndKeepsOwnRepaint)
{
    TSmoothLabel a, b;
    b.Fill()->SetColor(clRed);
    b.Fill()->SetRounding(4);
    b.Caption()->SetText("from b");
    b.Caption()->SetLocation(TSmoothLabelCaption::plBottomRight);
    b.Caption()->SetColorStart(clGreen);
    b.Caption()->SetOpacityEnd(9);
    b.Caption()->Font()->SetName("Courier");
    b.SetTransparent(false);
    b.SetWordWrap(true);

    a.Assign(b);
    EXPECT_EQ(a.Fill()->Color(), clRed);
    EXPECT_EQ(a.Fill()->Rounding(), 4);
    EXPECT_EQ(a.Caption()->Text(), "from b");
    EXPECT_EQ(a.Caption()->Location(), TSmoothLabelCaption::plBottomRight);
    EXPECT_EQ(a.Caption()->ColorStart(), clGreen);
    EXPECT_EQ(a.Caption()->OpacityEnd(), 9);
    EXPECT_EQ(a.Caption()->Font()->Name(), "Tahoma");
    EXPECT_FALSE(a.Transparent());
    EXPECT_TRUE(a.WordWrap());

    // Each fill still notifies its own label after an assignment.
    int aChanges = 0, bChanges = 0;
    a.Fill()->OnChange = [&] { ++aChanges; };
    b.Fill()->OnChange = [&] { ++bChanges; };
    a.Assign(b);
    aChanges = bChanges = 0;
    a.Fill()->SetColor(clBlue);
    EXPECT_EQ(aChanges, 1);
    EXPECT_EQ(bChanges, 0);
    b.Fill()->SetColor(clYellow);
    EXPECT_EQ(aChanges, 1);
    EXPECT_EQ(bChanges, 1);
    // Assigning a picture repaints once, even when the content is the same;
    // the fill keeps its own picture and takes the content (none for null).
    a.Fill()->SetPicture(a.Fill()->Picture());
    EXPECT_EQ(aChanges, 2);
    b.Fill()->Picture()->SetData(QByteArrayLiteral("not an image"));
    a.Fill()->SetPicture(b.Fill()->Picture());
    EXPECT_EQ(aChanges, 3);
    EXPECT_NE(a.Fill()->Picture(), b.Fill()->Picture());
    EXPECT_EQ(a.Fill()->Picture()->Data(), b.Fill()->Picture()->Data());
    a.Fill()->SetPicture(nullptr);
    EXPECT_EQ(aChanges, 4);
    EXPECT_TRUE(a.Fill()->Picture()->Empty());
}

TEST(SmoothLabelCaption, BytesAreClampedAndFormNamesResolve)
{
    TSmoothLabelCaption c;
    c.SetOpacityStart(300);
    c.SetOpacityEnd(-4);
    EXPECT_EQ(c.OpacityStart(), 255);
    EXPECT_EQ(c.OpacityEnd(), 0);
    // The form reader sets enumerations by name through the meta-object.
    EXPECT_TRUE(c.setProperty("Location", "plCenterLeft"));
    EXPECT_EQ(c.Location(), TSmoothLabelCaption::plCenterLeft);
    EXPECT_TRUE(c.setProperty("GradientType", "gtHatch"));
    EXPECT_EQ(c.GradientType(), TGDIPFill::gtHatch);
}

#include "controls/core/Form.h"
#include "controls/core/FormReader.h"

TEST(SmoothLabelForm, ReadFromAFormFileAsTheWindowStoresIt)
{
    TForm form;
    const QByteArray text = R"(object Form1: TForm
  object CurrentWordLabel: TSmoothLabel
    Left = 64
    Top = 292
    Width = 164
    Height = 33
    Fill.ColorMirror = clNone
    Fill.ColorMirrorTo = clNone
    Fill.Rounding = 0
    Fill.ShadowOffset = 0
    Caption.Text = ''
    Caption.Location = plCenterLeft
    Caption.Font.Color = clWindowText
    Caption.Font.Height = -23
    Caption.Font.Name = 'Tahoma'
    Caption.Font.Style = [fsBold]
    Caption.ColorEnd = clNavy
    Version = '1.1.0.1'
  end
end
)";
    const auto error = ReadForm(form, text);
    ASSERT_FALSE(error) << error->ToString().toStdString();
    auto* label = dynamic_cast<TSmoothLabel*>(form.FindComponent("CurrentWordLabel"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->BoundsRect(), QRect(64, 292, 164, 33));
    EXPECT_EQ(label->Caption()->Location(), TSmoothLabelCaption::plCenterLeft);
    EXPECT_EQ(label->Caption()->Font()->Size(), 17);
    EXPECT_EQ(label->Caption()->Font()->Style(), TFontStyles(fsBold));
    EXPECT_EQ(label->Caption()->ColorEnd(), clNavy);
    EXPECT_EQ(label->Caption()->ColorStart(), 0xFFE09F);
    EXPECT_TRUE(label->Transparent());
}
