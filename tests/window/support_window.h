#pragma once
// The window under test: a real TForm1 read from its form file, started as
// a program file in an empty temporary folder, with the platform's boxes,
// sounds, shell and window manager replaced by recording stand-ins.
#include "controls/core/Component.h"
#include "platform/Dialogs.h"
#include "platform/Shell.h"
#include "platform/Sound.h"
#include "window/Form1.h"
#include "window/ProgramFile.h"
#include "window/WindowChrome.h"
#include "tests/support/RecordingDialogs.h"
#include "tests/support/RecordingShell.h"
#include "tests/support/RecordingSound.h"
#include "tests/support/RecordingWindowChrome.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <optional>
#include <string>
#include <stdexcept>

class TCustomGlowButton;
class TCustomGrid;

class TWindowHarness {
public:
    TWindowHarness();
    ~TWindowHarness();

    // The program folder, ending in "/".
    QString Folder() const;
    QString PathOf(const QString& fileName) const { return Folder() + fileName; }

    void WriteFile(const QString& fileName, const QByteArray& bytes) const;
    std::optional<QByteArray> ReadFile(const QString& fileName) const;
    bool FileExists(const QString& fileName) const;

    // Creates the window as the program file `programName` of the folder
    // (its start-up sequence runs), shows it and waits until it is exposed.
    TForm1& Start(const QString& programName = QStringLiteral("lumora"));
    TForm1& Form() const { return *m_form; }
    // Frees the window (its handlers run no more).
    void Stop();

    // A control of the window by name and class; fails the test when absent.
    template <class T>
    T& Get(const char* name) const
    {
        auto* found = dynamic_cast<T*>(m_form->FindComponent(QString::fromLatin1(name)));
        if (!found)
            throw std::runtime_error(std::string("no control ") + name);
        return *found;
    }

    // A left click in the middle of a control, delivered as real mouse events.
    void Click(const char* name) const;
    static void Click(QWidget& widget);

    // The selector's published ItemIndex and text.
    int SelectorIndex() const;
    QString SelectorText() const;
    // Chooses a theme as the player does: ItemIndex, then the selection event.
    void ChooseTheme(int itemIndex) const;

    // The word being built as the player sees it: the current-word label's
    // text, and the digits of the letter buttons that are down, in order.
    QString CurrentWord() const;
    std::string DownButtons() const;
    // The buttons the game holds pressed, as digits in the same order, to
    // compare with what the screen shows down.
    std::string PressedButtons() const;

    platform::RecordingDialogs dialogs;
    platform::RecordingSound sound;
    platform::RecordingShell shell;
    TRecordingWindowChrome chrome;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<TFixedProgramFile> m_program;
    std::unique_ptr<platform::ScopedService<IProgramFile>> m_useProgram;
    platform::ScopedService<platform::IDialogs> m_useDialogs;
    platform::ScopedService<platform::ISound> m_useSound;
    platform::ScopedService<platform::IShell> m_useShell;
    platform::ScopedService<IWindowChrome> m_useChrome;
    std::unique_ptr<TForm1> m_form;
};

// The lines of the shipped word list resource.
QByteArray ShippedResource(const char* name);

class TCustomGrid;
// A letter button of the cross by its number, 1 to 9.
TCustomGlowButton& Letter(const TWindowHarness& h, int number);
// The texts of a grid's one column, row by row.
QStringList Column(const TCustomGrid& grid);
// Types the word by clicking, for each letter, a button that shows it and
// is still up. Fails the test when the cross cannot spell it.
void TypeWord(const TWindowHarness& h, const QString& word);
