// lumora_shots: renders the window headless to PNG files, one per theme and
// one per face, so that the look can be checked without a display.
//
//     QT_QPA_PLATFORM=offscreen lumora_shots [output folder]   (default: shots)
//
// Every theme is also drawn at twice the pixel density (theme-N-name@2x.png),
// as a screen scaled to 200 % shows it.
//
// Each picture is made in a fresh temporary program folder with its own
// settings file; the puzzle is drawn from a fixed seed, so two runs give the
// same pictures.
#include "controls/core/Application.h"
#include "controls/glowbutton/GlowButton.h"
#include "controls/grid/GridBase.h"
#include "game/RandomSource.h"
#include "game/WordGame.h"
#include "platform/Dialogs.h"
#include "platform/Shell.h"
#include "platform/Sound.h"
#include "window/Form1.h"
#include "window/ProgramFile.h"
#include "window/Themes.h"
#include "window/VerseTip.h"
#include "tests/support/RecordingDialogs.h"
#include "tests/support/RecordingShell.h"
#include "tests/support/RecordingSound.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

constexpr std::uint32_t kSeed = 20261209;

struct TShot {
    QString fileName;
    QString programName; // chooses the face
    QByteArray settings; // lumora.ini, or empty for none
    bool puzzle = false; // draw a puzzle and find a few words
    bool instructions = false;
    bool alsoAtRatio2 = false; // a second picture at two device pixels per logical pixel
    bool verse = false; // click the last word found, so that its verse shows
};

// Plays a little: the last two answers found, and two letters of the next
// one typed on the cross.
void PlayALittle(TForm1& form)
{
    game::TWordGame* game = form.Game();
    form.RandomSource()->Seed(kSeed);
    form.GenerateLettersButtonClick(nullptr);
    auto* answers = dynamic_cast<TCustomGrid*>(form.FindComponent(QStringLiteral("PossibleWordsGrid")));
    const int rows = answers->RowCount();
    for (int r = rows - 2; r < rows; ++r)
        game->CheckWord(answers->Cells(0, r).toStdString());
    const QString next = answers->Cells(0, 0);
    const std::string& letters = game->PuzzleLetters();
    std::string pool = letters;
    for (int i = 0; i < 2 && i < next.size(); ++i) {
        const std::size_t at = pool.find(char(next[i].toLatin1()));
        if (at == std::string::npos)
            break;
        pool[at] = ' ';
        const int number = int(at) + 1;
        auto* button = dynamic_cast<TCustomGlowButton*>(form.FindComponent(QStringLiteral("CrossButton%1").arg(number)));
        button->SetDown(true); // as the click would
        game->LetterButtonClick(number);
    }
}

// The window as a screen of `ratio` device pixels per logical pixel shows it.
QImage RenderAt(QWidget& window, qreal ratio)
{
    QImage image(window.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black);
    window.render(&image);
    return image;
}

bool Save(const QImage& image, const QString& path)
{
    const bool saved = image.save(path);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
    return saved;
}

// Clicks the last row of the list, as the player would; its verse shows.
void ClickLastWord(TForm1& form)
{
    auto* list = dynamic_cast<TCustomGrid*>(form.FindComponent(QStringLiteral("GuessedWordsGrid")));
    const int last = list->RowCount() - 1;
    list->ScrollIntoView(0, last);
    const QPoint at = list->CellRect(0, last).center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent click(type, at, list->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(list, &click);
    }
}

// The window, and over it the verse tip where it shows on the screen.
QImage Picture(TForm1& form)
{
    const QImage window = form.grab().toImage();
    const TVerseTip* tip = form.VerseTips() ? form.VerseTips()->Tip() : nullptr;
    if (!tip || !tip->isVisible())
        return window;
    const QRect windowRect(form.mapToGlobal(QPoint(0, 0)), window.size());
    const QRect tipRect(tip->pos(), tip->size());
    const QRect all = windowRect.united(tipRect);
    QImage picture(all.size(), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.drawImage(windowRect.topLeft() - all.topLeft(), window);
    painter.drawImage(tipRect.topLeft() - all.topLeft(), const_cast<TVerseTip*>(tip)->grab().toImage());
    return picture;
}

bool Render(const TShot& shot, const QString& outFolder)
{
    QTemporaryDir folder;
    if (!folder.isValid())
        return false;
    if (!shot.settings.isEmpty()) {
        QFile ini(folder.filePath(QStringLiteral("lumora.ini")));
        if (!ini.open(QIODevice::WriteOnly) || ini.write(shot.settings) != shot.settings.size())
            return false;
    }
    TFixedProgramFile program(folder.filePath(shot.programName));
    platform::ScopedService<IProgramFile> useProgram(program);

    auto form = std::make_unique<TForm1>();
    if (shot.puzzle)
        PlayALittle(*form);
    if (shot.instructions)
        form->HowToPlayButtonClick(nullptr);
    form->show();
    QCoreApplication::processEvents();
    if (shot.verse)
        ClickLastWord(*form);
    QCoreApplication::processEvents();
    const QString path = QDir(outFolder).filePath(shot.fileName);
    bool saved = Save(Picture(*form), path);
    if (shot.alsoAtRatio2) {
        QString path2 = path;
        path2.insert(path2.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
        saved = Save(RenderAt(*form, 2.0), path2) && saved;
    }
    return saved;
}

} // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    TApplication app(argc, argv);
    app.SetTitle(QStringLiteral("Lumora - find the words hidden in the cross"));
    const QString outFolder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("shots");
    if (!QDir().mkpath(outFolder)) {
        std::fprintf(stderr, "cannot create the folder %s\n", qPrintable(outFolder));
        return 1;
    }

    // Nothing may wait for a player: boxes are recorded, sounds and
    // addresses go nowhere.
    platform::RecordingDialogs dialogs;
    platform::ScopedService<platform::IDialogs> useDialogs(dialogs);
    platform::RecordingSound sound;
    platform::ScopedService<platform::ISound> useSound(sound);
    platform::RecordingShell shell;
    platform::ScopedService<platform::IShell> useShell(shell);

    QList<TShot> shots;
    shots << TShot{QStringLiteral("first-start.png"), QStringLiteral("lumora"), {}, false, false};
    for (int n = 1; n <= int(kThemes.size()); ++n) {
        const QString name = QString::fromLatin1(kThemes[std::size_t(n - 1)].Name).toLower();
        shots << TShot{QStringLiteral("theme-%1-%2.png").arg(n).arg(name), QStringLiteral("lumora"),
                       QByteArray("STYLE= ") + QByteArray::number(n) + "\r\nSOUND ON\r\n", true, false, true};
    }
    for (int n : {1, 3, 4, 5}) {
        const QString name = QString::fromLatin1(kThemes[std::size_t(n - 1)].Name).toLower();
        shots << TShot{QStringLiteral("verse-%1-%2.png").arg(n).arg(name), QStringLiteral("lumora"),
                       QByteArray("STYLE= ") + QByteArray::number(n) + "\r\nSOUND ON\r\n", true, false, false, true};
    }
    shots << TShot{QStringLiteral("instructions.png"), QStringLiteral("lumora"), {}, false, true};
    shots << TShot{QStringLiteral("face-installer.png"), QStringLiteral("InstallLumora"), {}, false, false};
    shots << TShot{QStringLiteral("face-uninstaller.png"), QStringLiteral("RemoveLumora"), {}, false, false};

    int failures = 0;
    for (const TShot& shot : shots)
        failures += Render(shot, outFolder) ? 0 : 1;
    for (const auto& box : dialogs.shown)
        std::printf("box shown: %s: %s\n", qPrintable(box.kind), qPrintable(box.text));
    return failures == 0 ? 0 : 1;
}
