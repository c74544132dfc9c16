// Repainting the window's caption panel: 451 x 404, the Obsidian face in two
// gradient halves, the 18-pixel caption band with its marked-up title.
// Goal: a whole repaint under 2 ms.
//
//   BM_CaptionPanelPaint    the panel's drawing onto an image of its size
//   BM_CaptionPanelRepaint  a change and the synchronous repaint of the shown
//                           panel into the window's backing store
//   BM_CaptionPanelUnderButton  the panel redrawn under one 48 x 48 letter
//                           button, as each frame of the button's fade asks
#include "controls/panel/PanelStyler.h"
#include "controls/panel/StyledPanel.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>


namespace {

const QString kTitle = QStringLiteral("<FONT face=\"Arial\">Lumora 1.1</FONT>  find every word of the cross");

struct CaptionPanelWindow {
    TControl form;
    TPanelStyler* styler = new TPanelStyler(&form);
    TStyledPanel* panel = new TStyledPanel(&form, &form);

    CaptionPanelWindow()
    {
        form.SetBounds(0, 0, 450, 404);
        styler->SetStyle(psOffice2007Obsidian);
        panel->SetBounds(-1, 0, 451, 404);
        panel->SetBevelOuter(bvNone);
        panel->SetStyler(styler);
        panel->Caption()->SetVisible(true);
        panel->Caption()->SetText(kTitle);
        panel->Caption()->SetIndent(0);
    }
};

void BM_CaptionPanelPaint(benchmark::State& state)
{
    CaptionPanelWindow w;
    QImage surface(451, 404, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&surface);
        TCanvas canvas(painter);
        w.panel->PaintTo(canvas);
        painter.end();
        benchmark::DoNotOptimize(surface.constBits());
    }
}

void BM_CaptionPanelRepaint(benchmark::State& state)
{
    CaptionPanelWindow w;
    w.form.show();
    QApplication::processEvents();
    bool flip = false;
    for (auto _ : state) {
        // A change of the caption's colour (as a theme makes) marks the image stale.
        w.panel->Caption()->SetColor((flip = !flip) ? 0xB8B8B6 : 0xB8B8B7);
        w.panel->repaint();
    }
    QApplication::processEvents();
}

void BM_CaptionPanelUnderButton(benchmark::State& state)
{
    CaptionPanelWindow w;
    w.form.show();
    QApplication::processEvents();
    const QRect button(199, 150, 48, 48);
    for (auto _ : state)
        w.panel->repaint(button);
    QApplication::processEvents();
}

} // namespace

BENCHMARK(BM_CaptionPanelPaint)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_CaptionPanelRepaint)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_CaptionPanelUnderButton)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
