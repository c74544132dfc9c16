// The game window in one process: a click on a letter button until the
// whole window is painted again, and the window's creation (form file read,
// start-up sequence with the shipped word list) until its first paint.
#include "controls/glowbutton/GlowButton.h"
#include "game/RandomSource.h"
#include "game/WordGame.h"
#include "platform/Dialogs.h"
#include "platform/Sound.h"
#include "window/Form1.h"
#include "window/ProgramFile.h"
#include "tests/support/RecordingDialogs.h"
#include "tests/support/RecordingSound.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QMouseEvent>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// A left press and release at the point, as the platform delivers them.
void LeftClick(QWidget* widget, QPoint at)
{
    const QPointF local(at);
    const QPointF global(widget->mapToGlobal(at));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &release);
}

struct TQuietServices {
    platform::RecordingDialogs dialogs;
    platform::RecordingSound sound;
    platform::ScopedService<platform::IDialogs> useDialogs{dialogs};
    platform::ScopedService<platform::ISound> useSound{sound};
};

// A click on CrossButton6 (the left end of the crossbar, never the first
// letter of a word), its handler, and a synchronous repaint of the window.
void BM_LetterClickToRepaintedWindow(benchmark::State& state)
{
    TQuietServices quiet;
    QTemporaryDir folder;
    TFixedProgramFile program(folder.filePath(QStringLiteral("lumora")));
    platform::ScopedService<IProgramFile> useProgram(program);
    TForm1 form;
    form.show();
    QCoreApplication::processEvents();
    form.RandomSource()->Seed(7);
    form.GenerateLettersButtonClick(nullptr);
    auto* button = dynamic_cast<TCustomGlowButton*>(form.FindComponent(QStringLiteral("CrossButton6")));
    const QPoint centre = button->rect().center();
    for (auto _ : state) {
        LeftClick(button, centre);
        form.repaint();
        state.PauseTiming();
        if (form.Game()->PressedButtons() != "6") {
            state.SkipWithError("the click did not reach the letter button");
            return;
        }
        form.ClearButtonClick(nullptr);
        form.repaint();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LetterClickToRepaintedWindow)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Creating the window in an existing program folder (data files and
// settings beside it), showing it and painting it once.
void BM_WindowCreateToFirstPaint(benchmark::State& state)
{
    TQuietServices quiet;
    QTemporaryDir folder;
    TFixedProgramFile program(folder.filePath(QStringLiteral("lumora")));
    platform::ScopedService<IProgramFile> useProgram(program);
    { TForm1 first; } // writes the data files and the settings once
    for (auto _ : state) {
        auto form = std::make_unique<TForm1>();
        form->show();
        form->repaint();
        state.PauseTiming();
        form.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_WindowCreateToFirstPaint)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
