// From process start to the first painted window, on Qt's offscreen
// platform: the real program (a copy of `lumora` in a folder of its own,
// with the shipped word list beside it) against a bare Qt program that opens
// an empty window (this benchmark run with --bare-window), measured in the
// same run, alternately. Both end themselves after their first paint.
//
// The lumora program is looked for beside this benchmark or one folder up.
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// The bare program: an empty 450 x 390 window that quits after its first paint.
class TBareWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!m_done) {
            m_done = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
    }

private:
    bool m_done = false;
};

int RunBareWindow(int argc, char** argv)
{
    QApplication app(argc, argv);
    TBareWindow window;
    window.resize(450, 390);
    window.show();
    return app.exec();
}

QString g_self;
QString g_lumora;

// Milliseconds from starting the program to its exit after the first paint.
double TimeProgram(const QString& program, const QStringList& arguments, const QString& folder)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("LUMORA_EXIT_AFTER_FIRST_PAINT"), QStringLiteral("1"));
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return -1;
    return double(timer.nsecsElapsed()) / 1e6;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void BM_ProcessStartToFirstPaint(benchmark::State& state)
{
    if (!QFile::exists(g_lumora)) {
        state.SkipWithError("the lumora program is not beside the benchmark");
        return;
    }
    QTemporaryDir folder;
    const QString copy = folder.filePath(QStringLiteral("lumora"));
    QFile::copy(g_lumora, copy);
    // One start writes the data files and the settings; the measured starts
    // find them, as every start after the first does.
    TimeProgram(copy, {}, folder.path());

    std::vector<double> lumora;
    std::vector<double> bare;
    for (auto _ : state) {
        const double a = TimeProgram(copy, {}, folder.path());
        const double b = TimeProgram(g_self, {QStringLiteral("--bare-window")}, folder.path());
        if (a < 0 || b < 0) {
            state.SkipWithError("a program did not end by itself");
            return;
        }
        lumora.push_back(a);
        bare.push_back(b);
        state.SetIterationTime(a / 1000.0); // the game's own start-up; the bare one is a counter
    }
    const double m = Median(lumora);
    const double n = Median(bare);
    state.counters["lumora_median_ms"] = m;
    state.counters["bare_median_ms"] = n;
    state.counters["ratio"] = n > 0 ? m / n : 0;
}
BENCHMARK(BM_ProcessStartToFirstPaint)->UseManualTime()->Iterations(21)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--bare-window") == 0)
            return RunBareWindow(argc, argv);
    {
        QCoreApplication app(argc, argv);
        g_self = QCoreApplication::applicationFilePath();
        // Beside the benchmark, or in the build folder above bench/.
        const QDir here(QCoreApplication::applicationDirPath());
        g_lumora = here.filePath(QStringLiteral("lumora"));
        if (!QFile::exists(g_lumora))
            g_lumora = here.filePath(QStringLiteral("../lumora"));
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
