// The game as a screen reader meets it: under its own X server, on a
// private session bus with the desktop's accessibility bus and registry, a
// client of that bus (python3-pyatspi, tests/window/screenreader/client.py)
// plays a word of a real puzzle through the letter buttons' press actions
// and reads back the score, the count, the revealed word and the
// announcements; and types the word with real key events (XTest).
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

struct TSessionResult {
    int status = -1;
    QString output;
};

// Runs the session script in a private session bus; status 77 is a skip.
TSessionResult RunSession(const char* mode)
{
    const QString source = qEnvironmentVariable("LUMORA_SOURCE_DIR");
    const QString folder = source + QStringLiteral("/tests/window/screenreader/");
    QProcess session;
    session.setProcessChannelMode(QProcess::MergedChannels);
    session.start(QStringLiteral("dbus-run-session"),
                  {QStringLiteral("--"), QStringLiteral("/bin/sh"), folder + QStringLiteral("session.sh"),
                   QStringLiteral(LUMORA_GAME_PROGRAM), folder + QStringLiteral("client.py"),
                   QString::fromLatin1(mode)});
    TSessionResult result;
    if (!session.waitForStarted(10'000))
        return result;
    if (!session.waitForFinished(150'000)) {
        session.kill();
        session.waitForFinished();
        result.output = QString::fromLocal8Bit(session.readAll()) + QStringLiteral("\n(timed out)");
        return result;
    }
    result.status = session.exitStatus() == QProcess::NormalExit ? session.exitCode() : -1;
    result.output = QString::fromLocal8Bit(session.readAll());
    return result;
}

// The reason a session could not run at all, or empty.
QString MissingComponent()
{
    for (const char* program : {"dbus-run-session", "dbus-send", "Xvfb", "xdotool"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(program)).isEmpty())
            return QStringLiteral("%1 is not installed (tools/install-deps.sh)").arg(QString::fromLatin1(program));
    if (!QFileInfo::exists(QStringLiteral("/usr/lib/python3/dist-packages/pyatspi")))
        return QStringLiteral("python3-pyatspi is not installed (tools/install-deps.sh)");
    return {};
}

void ExpectPlayed(const char* mode)
{
    if (const QString missing = MissingComponent(); !missing.isEmpty())
        GTEST_SKIP() << missing.toStdString();
    const TSessionResult r = RunSession(mode);
    if (r.status == 77) {
        const qsizetype at = r.output.indexOf(QStringLiteral("SKIP: "));
        GTEST_SKIP() << (at >= 0 ? r.output.mid(at).section(QLatin1Char('\n'), 0, 0) : r.output).toStdString();
    }
    EXPECT_EQ(r.status, 0) << r.output.toStdString();
    EXPECT_TRUE(r.output.contains(QStringLiteral("\nOK"))) << r.output.toStdString();
}

} // namespace

TEST(ScreenReaderBus, PlaysAWordThroughTheButtonsActions)
{
    ExpectPlayed("buttons");
}

// Needs keyboard play: skipped, saying so, while a typed letter presses no
// button at all.
TEST(ScreenReaderBus, TypedWordPressesTheLetterButtons)
{
    ExpectPlayed("typed");
}
