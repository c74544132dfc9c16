#pragma once
// The desktop shortcut of the installed game: a freedesktop desktop entry
// "Lumora.desktop" in the user's desktop folder (QStandardPaths' desktop
// location, which follows XDG_DESKTOP_DIR of the user's dirs file and falls
// back to ~/Desktop). The entry starts the target program in its folder:
//
//     [Desktop Entry]
//     Type=Application
//     Name=Lumora
//     Exec="/home/ann/My Games/Lumora"
//     Path=/home/ann/My Games/
//     Icon=lumora
//
// It is written whole or not at all, replacing an earlier one (a link of
// that name is replaced, never written through), and made executable,
// which desktops ask of a launcher on the desktop. The applications menu
// gets the same entry as "lumora.desktop" in the user's applications
// folder (<data folder>/applications), with an "Uninstall" action that
// starts the uninstaller, and the icon goes into the user's hicolor icon
// theme (<data folder>/icons/hicolor/256x256/apps/lumora.png).
#include "platform/Service.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace platform {

class IDesktopShortcut {
public:
    virtual ~IDesktopShortcut() = default;
    // The user's desktop folder (no trailing separator).
    virtual QString DesktopFolder() const = 0;
    // Writes the shortcut to `target`, started in `workingFolder`; false
    // when it could not be saved.
    virtual bool Save(const QString& target, const QString& workingFolder) = 0;
    // Deletes the shortcut file, but only when it starts `program`: a
    // shortcut of another installation stays. Nothing when it is gone or
    // was not ours, else the reason it stays.
    virtual std::optional<QString> Remove(const QString& program) = 0;

    // Writes the applications-menu entry and the icon; false when either
    // could not be saved.
    virtual bool SaveMenuEntry(const QString& target, const QString& workingFolder,
                               const QString& uninstaller) = 0;
    // Deletes the menu entry and the icon when the entry starts `program`.
    // Returns what stays, each as "path: reason".
    virtual QStringList RemoveMenuEntry(const QString& program) = 0;
};

// The current desktop (the user's own, unless a test replaced it).
IDesktopShortcut& DesktopShortcut();

// The shortcut's file name on the desktop.
inline constexpr const char* kShortcutFileName = "Lumora.desktop";

// One argument of an Exec line, quoted as the Desktop Entry specification
// asks: an argument holding a reserved character is put in double quotes
// with ", `, $ and \ escaped by a backslash; "%" is doubled. The result is
// still to be escaped as a string value (EscapeDesktopValue).
QString QuoteExecArgument(const QString& argument);

// A string value of a desktop entry: "\" becomes "\\", and line ends and
// tabs become \n, \r and \t, so the value stays on its one line. A leading
// blank is written \s so that it is not taken for the blank around "=".
QString EscapeDesktopValue(const QString& value);

// The whole entry for a target program started in workingFolder.
QString DesktopEntryText(const QString& target, const QString& workingFolder);
// The applications-menu entry: the same, with an "Uninstall" action.
QString MenuEntryText(const QString& target, const QString& workingFolder, const QString& uninstaller);

// Reading entries back, as a desktop reads them.
// The value with its escapes (\s, \n, \t, \r, \\) resolved; nothing when
// a backslash ends it or starts an unknown escape.
std::optional<QString> UnescapeDesktopValue(const QString& value);
// The arguments of an Exec value (escapes already resolved): quoted ones
// with their \", \`, \$ and \\ resolved, "%%" as "%". Nothing when a quote
// is left open or a field code (%f, %u, ...) stands in an argument.
std::optional<QStringList> SplitExecArguments(const QString& exec);
// The value of key in group of an entry's text, its escapes resolved.
std::optional<QString> DesktopEntryValue(const QByteArray& text, const QString& group, const QString& key);
// The program the entry's [Desktop Entry] Exec starts, or nothing.
std::optional<QString> ProgramOfEntry(const QByteArray& text);

// The icon's theme name and the menu entry's file name.
inline constexpr const char* kIconName = "lumora";
inline constexpr const char* kMenuEntryFileName = "lumora.desktop";

// The desktop folder of the environment as it stands now.
QString UserDesktopFolder();

// The real shortcut, in a given desktop folder (the user's by default).
class TDesktopEntryShortcut : public IDesktopShortcut {
public:
    TDesktopEntryShortcut() = default;
    explicit TDesktopEntryShortcut(QString desktopFolder) : m_folder(std::move(desktopFolder)) {}

    QString DesktopFolder() const override;
    bool Save(const QString& target, const QString& workingFolder) override;
    std::optional<QString> Remove(const QString& program) override;
    bool SaveMenuEntry(const QString& target, const QString& workingFolder, const QString& uninstaller) override;
    QStringList RemoveMenuEntry(const QString& program) override;
    QString ShortcutPath() const;
    // <data folder>/applications/lumora.desktop, and the icon.
    static QString MenuEntryPath();
    static QString IconPath();

private:
    QString m_folder; // empty: the user's desktop folder at each call
};

// True when both paths name the same program: equal once doubled
// separators are taken as one, or the same file on disk.
bool SameProgram(const QString& a, const QString& b);

} // namespace platform
