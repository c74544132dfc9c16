// Grid speed: painting the word list beside the letter cross, and filling
// the hidden word store the way start-up does.
#include "controls/grid/StringGrid.h"
#include "controls/grid/StyledStringGrid.h"
#include "tests/support/WordListGrid.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

// The visible list: 161 by 344, one 140-pixel column of 20-pixel rows,
// every visible row holding a starred or revealed word, coloured per row.
void ConfigureWordList(TStyledStringGrid& g)
{
    ShapeLikeTheWordList(g);
    g.ApplyComponentStyle(tsOffice2007Obsidian);
    ColourLikeTheGame(g);
    g.SetRowCount(60);
    for (int r = 0; r < 60; ++r)
        g.SetCells(0, r, r % 3 == 0 ? QStringLiteral("SHEPHERD") : QString(9 - r % 5, QLatin1Char('*')));
}

void BM_PaintWordList(benchmark::State& state)
{
    TStyledStringGrid g;
    ConfigureWordList(g);
    QImage image(g.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        g.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PaintWordList)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

// The word store of `lines` lines filled by fill(grid, lines, word) at each
// pass. The grid stands in a shown window, as the off-screen word store
// does; two words take turns, so that no pass finds its texts already there.
template <class Fill>
void FillWordStore(benchmark::State& state, Fill fill)
{
    const int lines = int(state.range(0));
    QWidget window;
    window.resize(220, 721);
    TStringGrid g(nullptr, &window);
    g.SetBounds(10, 24, 201, 693);
    g.SetColCount(1);
    g.SetColWidth(0, 178);
    window.show();
    QApplication::processEvents();
    const QString words[] = {QStringLiteral("JERUSALEM"), QStringLiteral("BETHLEHEM")};
    int pass = 0;
    for (auto _ : state) {
        fill(g, lines, words[pass++ & 1]);
        benchmark::DoNotOptimize(g.RowCount());
        state.PauseTiming();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

// Line by line: RowCount grows by one for each line, and the line goes
// into the new row.
void BM_FillWordStoreLineByLine(benchmark::State& state)
{
    FillWordStore(state, [](TStringGrid& g, int lines, const QString& word) {
        g.SetRowCount(1);
        for (int n = 0; n < lines; ++n) {
            g.SetRowCount(n + 1);
            g.SetCells(0, n, word);
        }
    });
}
BENCHMARK(BM_FillWordStoreLineByLine)->Arg(12000)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

// As start-up writes it: the column whole, in one step.
void BM_FillWordStoreInOneStep(benchmark::State& state)
{
    FillWordStore(state, [](TStringGrid& g, int lines, const QString& word) {
        g.SetRowCount(lines);
        g.SetColumnCells(0, std::vector<QString>(std::size_t(lines), word));
    });
}
BENCHMARK(BM_FillWordStoreInOneStep)->Arg(12000)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

// A puzzle's answer list: RowCount set once, then every cell written.
void BM_SetRowCountThenWriteEveryCell(benchmark::State& state)
{
    const int rows = int(state.range(0));
    TStringGrid g;
    g.SetBounds(10, 24, 201, 693);
    g.SetColCount(1);
    const QString words[] = {QStringLiteral("JERUSALEM"), QStringLiteral("BETHLEHEM")};
    int pass = 0;
    for (auto _ : state) {
        const QString& word = words[pass++ & 1];
        g.SetRowCount(1);
        g.SetRowCount(rows);
        for (int r = 0; r < rows; ++r)
            g.SetCells(0, r, word);
        benchmark::DoNotOptimize(g.RowCount());
    }
}
BENCHMARK(BM_SetRowCountThenWriteEveryCell)->Arg(12000)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace
