// Selector speed: opening the theme list (filling, measuring, placing and
// showing the popup), and drawing the closed selector.
#include "ControlOnWindow.h"
#include "controls/selector/OfficeSelector.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <benchmark/benchmark.h>

namespace {

const QStringList kThemes{"Luna", "Moonlight", "Obsidian", "Blue", "Chrome", "Olive", "Silver", "Sandy", "Flat"};

void Configure(TOfficeSelector& s)
{
    s.SetBounds(180, 0, 116, 20);
    s.Font()->SetName(QStringLiteral("Arial"));
    s.Font()->SetHeight(-13);
    s.Font()->SetStyle(fsBold);
    s.SetColor(clWhite);
    s.SetDisplayRecentSelection(false);
    s.ApplyComponentStyle(tsOffice2007Obsidian);
    s.SetItems(kThemes);
    s.SetItemIndex(2);
}

void BM_OpenThemeList(benchmark::State& state)
{
    TControlOnWindow<TOfficeSelector> on({450, 100}, Configure);
    on.Show();
    TOfficeSelector* s = on.control;
    for (auto _ : state) {
        s->DropDown();
        // The first paint of the open list belongs to opening it.
        s->DropDownWindow()->repaint();
        benchmark::DoNotOptimize(s->Dropped());
        state.PauseTiming();
        s->CloseUp();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenThemeList)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_PaintClosedSelector(benchmark::State& state)
{
    TControlOnWindow<TOfficeSelector> on({450, 100}, Configure);
    TOfficeSelector* s = on.control;
    QImage img(s->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        s->render(&img);
        benchmark::DoNotOptimize(img.bits());
    }
}
BENCHMARK(BM_PaintClosedSelector)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
