// Glow button speed: one fade frame of a 48 x 48 letter button with its
// caption, and a full five-step hover fade of the nine letter buttons.
// Fade ticks come from hand-ticked timers so that only drawing is measured.
#include "controls/glowbutton/GlowButton.h"

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {

void ConfigureLetterButton(TGlowButton& b, int index)
{
    b.SetBounds(10 + 52 * index, 10, 48, 48);
    b.Font()->SetName(QStringLiteral("MS Sans Serif"));
    b.Font()->SetHeight(index == 0 ? -19 : -17);
    b.Font()->SetStyle(fsBold);
    b.Font()->SetColor(index == 0 ? clGreen : 0x723708);
    b.SetCaption(QString(QLatin1Char(char('A' + index))));
    b.SetGroupIndex(index + 1);
    b.SetAllowAllUp(true);
    b.ApplyComponentStyle(tsOffice2007Obsidian);
}

void SendEnter(QWidget* w)
{
    QEnterEvent e(QPointF(24, 24), QPointF(24, 24), QPointF(24, 24));
    QApplication::sendEvent(w, &e);
}

void SendLeave(QWidget* w)
{
    QEvent e(QEvent::Leave);
    QApplication::sendEvent(w, &e);
}

void BM_LetterButtonFadeFrame(benchmark::State& state)
{
    TManualFadeTimers timers;
    platform::ScopedService<IFadeTimerFactory> use(timers);
    QWidget host;
    host.resize(100, 100);
    auto* b = new TGlowButton(nullptr, &host);
    ConfigureLetterButton(*b, 1);
    SendEnter(b);
    timers.TickAll();
    timers.TickAll(); // mid-fade: the hot and normal looks mixed at 40
    QImage frame;
    for (auto _ : state) {
        b->PaintFace(frame);
        benchmark::DoNotOptimize(frame.constBits());
    }
}
BENCHMARK(BM_LetterButtonFadeFrame)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_NineLetterButtonsFullHoverFade(benchmark::State& state)
{
    TManualFadeTimers timers;
    platform::ScopedService<IFadeTimerFactory> use(timers);
    QWidget host;
    host.resize(500, 100);
    std::vector<TGlowButton*> buttons;
    for (int i = 0; i < 9; ++i) {
        buttons.push_back(new TGlowButton(nullptr, &host));
        ConfigureLetterButton(*buttons.back(), i);
    }
    std::vector<QImage> frames(9);
    for (auto _ : state) {
        state.PauseTiming();
        for (TGlowButton* b : buttons)
            SendEnter(b);
        state.ResumeTiming();
        // Five repaints per button, then the tick that ends the fade.
        for (int step = 0; step < 5; ++step) {
            timers.TickAll();
            for (int i = 0; i < 9; ++i)
                buttons[i]->PaintFace(frames[i]);
        }
        timers.TickAll();
        state.PauseTiming();
        for (TGlowButton* b : buttons)
            SendLeave(b);
        while (timers.LiveCount() > 0)
            timers.TickAll();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_NineLetterButtonsFullHoverFade)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
