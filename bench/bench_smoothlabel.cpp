// One smooth label with a new text: the label's own drawing, and the whole
// repaint that Refresh asks of a shown window (parent area first, then the
// label). The game's current-word label: 164 x 33, Tahoma -23 bold,
// centre-left, gradient from 0xFFE09F to navy. Goal: under 0.3 ms.
#include "ControlOnWindow.h"
#include "controls/smoothlabel/SmoothLabel.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

class Ground : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), QColor(0xE5, 0xEC, 0xEC)); }
};

void SetUpLabel(TSmoothLabel& label)
{
    label.SetBounds(64, 292, 164, 33);
    label.Caption()->Font()->SetName("Tahoma");
    label.Caption()->Font()->SetHeight(-23);
    label.Caption()->Font()->SetStyle(fsBold);
    label.Caption()->SetLocation(TSmoothLabelCaption::plCenterLeft);
    label.Caption()->SetColorEnd(clNavy);
}

const QString kWords[] = {"CROSSWORD", "CROSS", "LETTERS", "WORD", "ANSWERS", "LUMORA"};

void BM_SmoothLabelNewTextPaint(benchmark::State& state)
{
    TSmoothLabel label;
    SetUpLabel(label);
    QImage surface(label.Width(), label.Height(), QImage::Format_ARGB32_Premultiplied);
    std::size_t i = 0;
    for (auto _ : state) {
        label.Caption()->SetText(kWords[i++ % std::size(kWords)]);
        surface.fill(Qt::white);
        QPainter painter(&surface);
        label.PaintTo(painter);
        painter.end();
        benchmark::DoNotOptimize(surface.constBits());
    }
}

void BM_SmoothLabelNewTextRefresh(benchmark::State& state)
{
    TControlOnWindow<TSmoothLabel, Ground> on({451, 404}, SetUpLabel);
    on.Show();
    TSmoothLabel* label = on.control;
    std::size_t i = 0;
    for (auto _ : state) {
        label->Caption()->SetText(kWords[i++ % std::size(kWords)]);
        label->Refresh();
    }
    QApplication::processEvents();
}

} // namespace

BENCHMARK(BM_SmoothLabelNewTextPaint)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_SmoothLabelNewTextRefresh)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
