// The mini-HTML renderer on the texts the window draws.
// Goals: the caption-bar text (a FONT FACE "Arial" title and a notice, one
// line without wrap, 451 x 18) under 50 us per call; a 20-line marked-up
// body text under 1 ms.
//
//   BM_CaptionBarDraw     one drawing call of the caption text (both passes)
//   BM_CaptionBarHitTest  one hit-test call at a point over the notice
//   BM_CaptionBarMeasure  one MeasureOnly call (the first pass alone)
//   BM_BodyText20Lines    twenty word-wrapped lines with bold, italic, colours
//                         and an anchor, drawn into 451 x 404
//   ...Cold               the same, every word shaped afresh (the first paint
//                         of a text; later paints reuse the shaped words)
//   BM_EntityText         a caption-sized drawing call of a text holding N
//                         entities of every kind between short words (the
//                         entities are replaced before the first line is laid
//                         out, so this is mostly the replacement); goal for
//                         100,000 entities: well under a second
#include "controls/minihtml/MiniHtml.h"

#include <benchmark/benchmark.h>
#include <iterator>


namespace {

const QString kCaption = QStringLiteral("<FONT face=\"Arial\">Lumora 1.1</FONT> - find the words hidden in the cross");

TCanvasFont CaptionFont()
{
    TCanvasFont f;
    f.Name = QStringLiteral("MS Sans Serif");
    f.Height = -11;
    f.Color = clWhite;
    return f;
}

QString BodyText()
{
    QString s;
    for (int i = 0; i < 20; ++i) {
        s += QStringLiteral("<B>%1.</B> Click the letters to build a word; <I>every</I> word uses the "
                            "<FONT COLOR=\"clRed\">centre</FONT> letter. <A HREF=\"help%1\">More</A>\r\n")
                 .arg(i + 1);
    }
    return s;
}

void RunCaption(benchmark::State& state, bool hitTest, bool measureOnly)
{
    TBitmapCanvas canvas(451, 18, RGB(0x20, 0x30, 0x60));
    canvas.SetFont(CaptionFont());
    TMiniHtmlParams p;
    p.Canvas = &canvas;
    p.Text = kCaption;
    p.Bounds = TRect {2, 0, 451, 18};
    p.WordWrap = false;
    p.HitTestOnly = hitTest;
    p.MeasureOnly = measureOnly;
    p.PointX = hitTest ? 200 : 0;
    p.PointY = hitTest ? 9 : 0;
    TMiniHtmlResult r;
    for (auto _ : state) {
        benchmark::DoNotOptimize(RenderMiniHtml(p, r));
        benchmark::DoNotOptimize(r.ExtentX);
    }
}

void BM_CaptionBarDraw(benchmark::State& state)
{
    RunCaption(state, false, false);
}
void BM_CaptionBarHitTest(benchmark::State& state)
{
    RunCaption(state, true, false);
}
void BM_CaptionBarMeasure(benchmark::State& state)
{
    RunCaption(state, false, true);
}

void RunBody(benchmark::State& state, bool cold)
{
    TBitmapCanvas canvas(451, 404);
    TCanvasFont f;
    f.Name = QStringLiteral("Tahoma");
    f.Height = -13;
    f.Color = clBlack;
    canvas.SetFont(f);
    TMiniHtmlParams p;
    p.Canvas = &canvas;
    p.Text = BodyText();
    p.Bounds = TRect {0, 0, 451, 404};
    TMiniHtmlResult r;
    for (auto _ : state) {
        if (cold)
            TCanvas::ForgetShapedTexts();
        benchmark::DoNotOptimize(RenderMiniHtml(p, r));
    }
    state.counters["lines_height"] = r.ExtentY;
}

void BM_BodyText20Lines(benchmark::State& state)
{
    RunBody(state, false);
}
void BM_BodyText20LinesCold(benchmark::State& state)
{
    RunBody(state, true);
}

QString EntityText(int count)
{
    static const char* const kEntities[] = {"&amp;", "&quot;", "&SECT;", "&permil;", "&reg;", "&Copy;", "&para;",
        "&trade;", "&euro;", "&nbsp;", "&lt;", "&gt;", "&amp;amp;", "&unknown;"};
    QString s;
    s.reserve(qsizetype(count) * 10);
    for (int i = 0; i < count; ++i) {
        s += QLatin1String(kEntities[i % std::size(kEntities)]);
        s += QLatin1String(i % 3 == 0 ? "ab " : "c");
    }
    return s;
}

void BM_EntityText(benchmark::State& state)
{
    TBitmapCanvas canvas(451, 18);
    canvas.SetFont(CaptionFont());
    TMiniHtmlParams p;
    p.Canvas = &canvas;
    p.Text = EntityText(int(state.range(0)));
    p.Bounds = TRect {2, 0, 451, 18};
    TMiniHtmlResult r;
    for (auto _ : state)
        benchmark::DoNotOptimize(RenderMiniHtml(p, r));
    state.counters["entities"] = double(state.range(0));
}

BENCHMARK(BM_CaptionBarDraw)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_CaptionBarHitTest)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_CaptionBarMeasure)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_BodyText20Lines)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_BodyText20LinesCold)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_EntityText)->Arg(2'000)->Arg(8'000)->Arg(100'000)->Unit(benchmark::kMillisecond)->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace
