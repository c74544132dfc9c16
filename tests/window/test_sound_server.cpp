// The sounds as a player hears them: a PulseAudio server of the test's own
// (a null sink, in a private runtime folder and home), the real sound
// service, words typed on the real window, and the null sink's monitor
// recorded while they play. What arrived is measured against the files.
#include "support_window.h"

#include "controls/grid/GridBase.h"
#include "platform/FileOps.h"
#include "platform/WaveFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTemporaryDir>
#include <QThread>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// The sanitizer build runs several times slower, opening a library far
// slower still: its time bounds are wider. The bounds themselves are the
// program's.
#if defined(__SANITIZE_ADDRESS__)
constexpr double kSlowdown = 3;
#else
constexpr double kSlowdown = 1;
#endif

constexpr int kRate = 44100;    // the recording: mono, 16-bit
constexpr double kWholeMs = 10; // a sound's loud stretch is its file's, within this
constexpr double kOnsetMs = 50 * kSlowdown; // and it starts within this of when it was due
constexpr double kCallMs = 5 * kSlowdown;   // no call of the service takes longer

// A loud stretch of a signal, in milliseconds from the signal's start.
struct Stretch {
    double start = 0;
    double end = 0;
    double Length() const { return end - start; }
};

// The stretches where the signal is loud, split where it stays below
// `floor` for `gapMs`; each then measured from the first to the last sample
// above a twentieth of its own peak, so that a level changed by the
// server's resampler, or a louder sound beside it, measures the same.
std::vector<Stretch> LoudStretches(const std::vector<float>& mono, int rate, double gapMs = 120, float floor = 300)
{
    struct Span {
        size_t first, last;
        float peak;
    };
    std::vector<Span> spans;
    const size_t gap = size_t(gapMs * rate / 1000);
    for (size_t i = 0; i < mono.size(); ++i) {
        const float level = std::abs(mono[i]);
        if (level < floor)
            continue;
        if (!spans.empty() && i - spans.back().last < gap) {
            spans.back().last = i;
            spans.back().peak = std::max(spans.back().peak, level);
        } else {
            spans.push_back({i, i, level});
        }
    }
    std::vector<Stretch> found;
    const double msPerSample = 1000.0 / rate;
    for (const Span& s : spans) {
        size_t first = s.first;
        size_t last = s.last;
        while (std::abs(mono[first]) < s.peak / 20)
            ++first;
        while (std::abs(mono[last]) < s.peak / 20)
            --last;
        found.push_back({double(first) * msPerSample, double(last) * msPerSample});
    }
    return found;
}

// The channels of a 16-bit WAVE file mixed to one.
std::vector<float> MonoOf(const QByteArray& file)
{
    const std::optional<platform::WaveSamples> s = platform::ReadWaveHeader(file);
    std::vector<float> mono;
    if (!s || s->format != platform::WaveSampleFormat::S16)
        return mono;
    const char* p = file.constData() + s->offset;
    for (std::int64_t f = 0; f < s->bytes / s->frameBytes; ++f) {
        float sum = 0;
        for (int c = 0; c < s->channels; ++c)
            sum += qFromLittleEndian<qint16>(p + (f * s->channels + c) * 2);
        mono.push_back(sum / float(s->channels));
    }
    return mono;
}

// The loud length of a shipped sound.
double FileLoudMs(const char* name)
{
    const QByteArray file = ShippedResource(name);
    const std::optional<platform::WaveSamples> s = platform::ReadWaveHeader(file);
    const std::vector<Stretch> st = LoudStretches(MonoOf(file), s ? int(s->rate) : 1, 1e9);
    return st.empty() ? -1 : st.front().Length();
}

// A PulseAudio server with one null sink, reached through its own socket,
// and the address handed to every client of this process.
class TSoundServer {
public:
    TSoundServer()
    {
        const QString exe = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        if (exe.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("parec")).isEmpty()) {
            m_why = "pulseaudio or parec is not installed (tools/install-deps.sh installs them)";
            return;
        }
        const QDir root(m_dir.path());
        root.mkpath(QStringLiteral("run"));
        root.mkpath(QStringLiteral("home"));
        QFile::setPermissions(root.filePath(QStringLiteral("run")), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        m_socket = root.filePath(QStringLiteral("native"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), root.filePath(QStringLiteral("run")));
        env.insert(QStringLiteral("HOME"), root.filePath(QStringLiteral("home")));
        env.remove(QStringLiteral("PULSE_SERVER"));
        m_server.setProcessEnvironment(env);
        m_server.setProcessChannelMode(QProcess::MergedChannels);
        // As root the server warns that it is meant for a user session, and runs.
        m_server.start(exe, {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                             QStringLiteral("--use-pid-file=no"), QStringLiteral("--log-target=stderr"),
                             QStringLiteral("-L"), QStringLiteral("module-null-sink sink_name=lumora rate=44100"),
                             QStringLiteral("-L"), QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=") + m_socket});
        m_server.waitForStarted(5000);
        QElapsedTimer waited;
        waited.start();
        while (!QFile::exists(m_socket) && m_server.state() != QProcess::NotRunning && waited.elapsed() < 10000)
            QThread::msleep(20);
        if (!QFile::exists(m_socket)) {
            m_why = "the PulseAudio server did not start: " + m_server.readAll().toStdString();
            Stop();
            return;
        }
        qputenv("PULSE_SERVER", Address().toUtf8());
    }
    ~TSoundServer() { Stop(); }

    bool Running() const { return m_server.state() == QProcess::Running; }
    const std::string& Why() const { return m_why; }
    QString Address() const { return QStringLiteral("unix:") + m_socket; }
    void Stop()
    {
        if (m_server.state() == QProcess::NotRunning)
            return;
        m_server.terminate();
        if (!m_server.waitForFinished(5000))
            m_server.kill();
        m_server.waitForFinished(2000);
    }

private:
    QTemporaryDir m_dir;
    QString m_socket;
    QProcess m_server;
    std::string m_why;
};

// Runs the window's events for `ms` (the sounds play meanwhile).
void Pause(int ms)
{
    QTest::qWait(ms);
}

// The null sink's monitor, recorded from construction to Finish into a
// file that the recorder writes as the sound arrives.
class TRecording {
public:
    explicit TRecording(const TSoundServer& server) : m_file(m_dir.filePath(QStringLiteral("monitor.raw")))
    {
        // An idle sink feeds its monitor nothing, which would drop the
        // silences from the recording: a stream of zeros keeps it running.
        m_silence.start(QStringLiteral("pacat"),
                        {QStringLiteral("--server=") + server.Address(), QStringLiteral("--device=lumora"),
                         QStringLiteral("--playback"), QStringLiteral("--format=s16le"), QStringLiteral("--rate=44100"),
                         QStringLiteral("--channels=1"), QStringLiteral("--raw"), QStringLiteral("/dev/zero")});
        m_parec.setStandardOutputFile(m_file);
        m_parec.start(QStringLiteral("parec"),
                      {QStringLiteral("--server=") + server.Address(), QStringLiteral("--device=lumora.monitor"),
                       QStringLiteral("--format=s16le"), QStringLiteral("--rate=44100"), QStringLiteral("--channels=1"),
                       QStringLiteral("--raw"), QStringLiteral("--latency-msec=10")});
        // Recording has begun once the first 100 ms of (silent) sound are in.
        QElapsedTimer waited;
        waited.start();
        while (Now() < 100 && waited.elapsed() < 5000)
            QThread::msleep(5);
    }
    ~TRecording()
    {
        for (QProcess* p : {&m_parec, &m_silence}) {
            p->kill();
            p->waitForFinished(2000);
        }
    }

    // Goes on recording for `ms`, then stops; the recorded signal.
    std::vector<float> Finish(int ms)
    {
        Pause(ms);
        m_parec.kill();
        m_parec.waitForFinished(2000);
        m_silence.kill();
        m_silence.waitForFinished(2000);
        QFile f(m_file);
        f.open(QIODevice::ReadOnly);
        const QByteArray bytes = f.readAll();
        std::vector<float> mono;
        for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
            mono.push_back(qFromLittleEndian<qint16>(bytes.constData() + i));
        return mono;
    }
    // Milliseconds of sound recorded so far, as a clock for what comes.
    double Now() const { return double(QFileInfo(m_file).size() / 2) * 1000.0 / kRate; }

private:
    QTemporaryDir m_dir;
    QString m_file;
    QProcess m_silence;
    QProcess m_parec;
};

std::string Describe(const std::vector<Stretch>& st)
{
    std::string s;
    for (const Stretch& x : st)
        s += "[" + std::to_string(int(x.start)) + " ms, " + std::to_string(int(x.Length())) + " ms long] ";
    return s.empty() ? "silence" : s;
}

class SoundServer : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_server = new TSoundServer; }
    static void TearDownTestSuite()
    {
        delete s_server;
        s_server = nullptr;
    }
    void SetUp() override
    {
        if (!s_server->Running())
            GTEST_SKIP() << "no sound server to test against: " << s_server->Why();
    }

    // The window, started, a puzzle drawn; its sounds go to `sound`.
    static QString StartGame(TWindowHarness& h)
    {
        h.Start();
        h.Click("GenerateLettersButton");
        return Column(h.Get<TCustomGrid>("PossibleWordsGrid")).last();
    }

    static TSoundServer* s_server;
};
TSoundServer* SoundServer::s_server = nullptr;

TEST_F(SoundServer, EverySoundArrivesWholeTheFirstAfterStartToo)
{
    const double newMs = FileLoudMs("newword");
    const double usedMs = FileLoudMs("usedword");
    ASSERT_GT(newMs, 50);
    ASSERT_GT(usedMs, 900);

    TWindowHarness h;
    platform::ServerSound sound; // fresh: nothing loaded, connected or uploaded
    platform::ScopedService<platform::ISound> useServer(sound);
    const QString word = StartGame(h);
    // New Puzzle has the sounds made ready; a player takes longer than
    // this to click the four letters of the first word.
    Pause(300);
    TRecording rec(*s_server);

    // A new word, the same word again, and again after Clear Word.
    // Each is due at the click on its last letter.
    std::vector<double> due;
    TypeWord(h, word);
    due.push_back(rec.Now());
    Pause(500);
    TypeWord(h, word);
    due.push_back(rec.Now());
    Pause(1400);
    h.Click("ClearButton");
    TypeWord(h, word);
    due.push_back(rec.Now());
    const std::vector<Stretch> heard = LoudStretches(rec.Finish(1400), kRate);

    ASSERT_EQ(heard.size(), 3u) << Describe(heard);
    const double expected[] = {newMs, usedMs, usedMs};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_NEAR(heard[i].Length(), expected[i], kWholeMs) << "sound " << i + 1 << ": " << Describe(heard);
        // Each onset is measured from the first, so that the recorder's own
        // delay drops out: the first sound, which loads and uploads, starts
        // as promptly as the later ones that play from the server's cache.
        if (i > 0) {
            EXPECT_NEAR(heard[i].start - heard[0].start, due[i] - due[0], kOnsetMs) << Describe(heard);
        }
    }
    EXPECT_TRUE(h.dialogs.Texts(QStringLiteral("error")).isEmpty());
}

TEST_F(SoundServer, ANewSoundEndsThePlayingOneAndStopSilences)
{
    TWindowHarness h;
    platform::ServerSound sound;
    platform::ScopedService<platform::ISound> useServer(sound);
    const QString word = StartGame(h);
    TypeWord(h, word); // the new-word sound: now both files are known
    Pause(300);

    // The long sound, and 300 ms into it the short one.
    TRecording rec(*s_server);
    h.Click("ClearButton");
    TypeWord(h, word); // usedword.wav, 1.08 s
    Pause(300);
    sound.Play(h.PathOf("newword.wav"));
    Pause(700);
    // The long one again, silenced after 200 ms.
    sound.Play(h.PathOf("usedword.wav"));
    Pause(200);
    sound.Stop();
    const std::vector<Stretch> heard = LoudStretches(rec.Finish(1300), kRate, 60);

    ASSERT_EQ(heard.size(), 2u) << Describe(heard);
    EXPECT_NEAR(heard[0].Length(), 300 + FileLoudMs("newword"), kOnsetMs)
        << "the long sound ends where the short one begins, which plays whole: " << Describe(heard);
    EXPECT_NEAR(heard[1].Length(), 200, kOnsetMs) << Describe(heard);
}

// Each of these in the program folder, or the switch off: nothing is heard
// and nothing is shown; a replacement the server can play is heard whole.
TEST_F(SoundServer, SwitchAndReplacementFilesDecideWhatIsHeard)
{
    const QByteArray shipped = ShippedResource("newword");
    const std::optional<platform::WaveSamples> s = platform::ReadWaveHeader(shipped);
    ASSERT_TRUE(s.has_value());
    // The shipped sound as 24-bit extensible and as 32-bit float, each with
    // its samples first and 100 KiB of metadata between them and the format.
    auto rewritten = [&](bool asFloat) {
        QByteArray samples;
        const char* p = shipped.constData() + s->offset;
        for (std::int64_t i = 0; i < s->bytes / 2; ++i) {
            const qint16 v = qFromLittleEndian<qint16>(p + i * 2);
            if (asFloat) {
                const float f = float(v) / 32768.0f;
                char b[4];
                qToLittleEndian(f, b);
                samples.append(b, 4);
            } else {
                const qint32 w = qint32(v) * 256;
                samples.append(char(w & 0xFF)).append(char((w >> 8) & 0xFF)).append(char((w >> 16) & 0xFF));
            }
        }
        const quint16 bits = asFloat ? 32 : 24;
        QByteArray fmt(asFloat ? 16 : 40, '\0');
        qToLittleEndian<quint16>(asFloat ? 3 : 0xFFFE, fmt.data());
        qToLittleEndian<quint16>(1, fmt.data() + 2);
        qToLittleEndian<quint32>(s->rate, fmt.data() + 4);
        qToLittleEndian<quint32>(s->rate * bits / 8, fmt.data() + 8);
        qToLittleEndian<quint16>(bits / 8, fmt.data() + 12);
        qToLittleEndian<quint16>(bits, fmt.data() + 14);
        if (!asFloat) {
            qToLittleEndian<quint16>(22, fmt.data() + 16);
            qToLittleEndian<quint16>(24, fmt.data() + 18);
            qToLittleEndian<quint32>(4, fmt.data() + 20);
            fmt.replace(24, 16, QByteArray("\x01\x00\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 16));
        }
        auto chunk = [](const char* id, const QByteArray& body) {
            QByteArray c(id, 4);
            c.append(4, '\0');
            qToLittleEndian<quint32>(quint32(body.size()), c.data() + 4);
            return c + body + (body.size() % 2 ? QByteArray(1, '\0') : QByteArray());
        };
        const QByteArray body = "WAVE" + chunk("data", samples) + chunk("LIST", QByteArray(100 * 1024, 'x'))
            + chunk("fmt ", fmt);
        QByteArray riff = "RIFF" + QByteArray(4, '\0') + body;
        qToLittleEndian<quint32>(quint32(body.size()), riff.data() + 4);
        return riff;
    };

    struct Case {
        const char* what;
        std::optional<QByteArray> file; // none: the file is missing
        bool soundOn;
        bool heard;
    };
    const Case cases[] = {
        {"the shipped file with the switch off", shipped, false, false},
        {"a missing file", std::nullopt, true, false},
        {"an empty file", QByteArray(), true, false},
        {"a file cut inside its header", shipped.left(40), true, false},
        {"a text file", "STYLE= 5\r\nSOUND ON\r\n", true, false},
        {"24-bit extensible, samples first", rewritten(false), true, true},
        {"32-bit float, samples first", rewritten(true), true, true},
    };
    const double newMs = FileLoudMs("newword");
    for (const Case& c : cases) {
        TWindowHarness h;
        platform::ServerSound sound;
        platform::ScopedService<platform::ISound> useServer(sound);
        h.WriteFile(QStringLiteral("lumora.ini"), c.soundOn ? "STYLE= 1\r\nSOUND ON\r\n" : "STYLE= 1\r\nSOUND OFF\r\n");
        if (c.file)
            h.WriteFile(QStringLiteral("newword.wav"), *c.file);
        const QString word = StartGame(h);
        if (!c.file)
            QFile::remove(h.PathOf(QStringLiteral("newword.wav")));
        TRecording rec(*s_server);
        TypeWord(h, word);
        const std::vector<Stretch> heard = LoudStretches(rec.Finish(400), kRate);
        if (c.heard) {
            ASSERT_EQ(heard.size(), 1u) << c.what << ": " << Describe(heard);
            EXPECT_NEAR(heard[0].Length(), newMs, kWholeMs) << c.what;
        } else {
            EXPECT_TRUE(heard.empty()) << c.what << ": " << Describe(heard);
        }
        EXPECT_EQ(h.dialogs.Count(QStringLiteral("error")) + h.dialogs.Count(QStringLiteral("inform")), 0) << c.what;
        EXPECT_TRUE(sound.WaitUntilIdle(2000)) << c.what;
    }
}

// The program may stand in a folder whose name is not UTF-8 (made on a
// system of another encoding); the game names its files by the folder's own
// bytes, and its sounds are found and heard there too.
TEST_F(SoundServer, ASoundInAFolderNamedInAnotherEncodingIsHeard)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray folder = QFile::encodeName(dir.path()) + "/Caf\xE9 \xFF";
    ASSERT_EQ(::mkdir(folder.constData(), 0700), 0);
    const QByteArray file = folder + "/newword.wav";
    const QByteArray shipped = ShippedResource("newword");
    const int fd = ::open(file.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, shipped.constData(), size_t(shipped.size())), ssize_t(shipped.size()));
    ::close(fd);

    platform::ServerSound sound;
    TRecording rec(*s_server);
    sound.Play(platform::DecodePath(file));
    const std::vector<Stretch> heard = LoudStretches(rec.Finish(600), kRate);
    ASSERT_EQ(heard.size(), 1u) << Describe(heard);
    EXPECT_NEAR(heard[0].Length(), FileLoudMs("newword"), kWholeMs);
}

// The server gone after it was used, or never there: nothing plays, nothing
// is shown, and no call waits.
TEST_F(SoundServer, WithoutAServerNothingPlaysAndNoCallWaits)
{
    TWindowHarness h;
    const QString word = StartGame(h);
    const QString newWord = h.PathOf(QStringLiteral("newword.wav"));
    const QString usedWord = h.PathOf(QStringLiteral("usedword.wav"));

    platform::ServerSound used; // played once while the server ran
    used.Play(newWord);
    ASSERT_TRUE(used.WaitUntilIdle(5000));
    s_server->Stop();
    const QByteArray address = qgetenv("PULSE_SERVER");
    platform::ServerSound gone;  // its first sound comes after the server went
    platform::ServerSound never; // a server that never was
    struct Case {
        const char* what;
        platform::ServerSound* sound;
        QByteArray server;
    };
    const Case cases[] = {{"stopped after use", &used, address},
                          {"stopped before the first sound", &gone, address},
                          {"never started", &never, "unix:/nonexistent/lumora/native"}};
    for (const Case& c : cases) {
        qputenv("PULSE_SERVER", c.server);
        platform::ScopedService<platform::ISound> use(*c.sound);
        QElapsedTimer slowest;
        qint64 worst = 0;
        for (int i = 0; i < 3; ++i) {
            for (const QString& path : {newWord, usedWord}) {
                slowest.start();
                c.sound->Play(path);
                worst = std::max(worst, slowest.nsecsElapsed());
            }
            slowest.start();
            c.sound->Stop();
            worst = std::max(worst, slowest.nsecsElapsed());
        }
        // And through the window: the word typed, found or found before.
        TypeWord(h, word);
        h.Click("ClearButton");
        EXPECT_LT(worst / 1e6, kCallMs) << c.what << ": the slowest call, in ms";
        EXPECT_TRUE(c.sound->WaitUntilIdle(5000)) << c.what << ": the requests were all handled";
        EXPECT_EQ(h.dialogs.Count(QStringLiteral("error")), 0) << c.what;
    }
    qputenv("PULSE_SERVER", address);
}

} // namespace
