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
//
// It is written whole or not at all, replacing an earlier one, and made
// executable, which desktops ask of a launcher on the desktop.
#include "platform/Service.h"

#include <QString>

namespace platform {

class IDesktopShortcut {
public:
    virtual ~IDesktopShortcut() = default;
    // The user's desktop folder (no trailing separator).
    virtual QString DesktopFolder() const = 0;
    // Writes the shortcut to `target`, started in `workingFolder`; false
    // when it could not be saved.
    virtual bool Save(const QString& target, const QString& workingFolder) = 0;
    // Deletes the shortcut file; false when there was none or it stays.
    virtual bool Remove() = 0;
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

// The desktop folder of the environment as it stands now.
QString UserDesktopFolder();

// The real shortcut, in a given desktop folder (the user's by default).
class TDesktopEntryShortcut : public IDesktopShortcut {
public:
    TDesktopEntryShortcut() = default;
    explicit TDesktopEntryShortcut(QString desktopFolder) : m_folder(std::move(desktopFolder)) {}

    QString DesktopFolder() const override;
    bool Save(const QString& target, const QString& workingFolder) override;
    bool Remove() override;
    QString ShortcutPath() const;

private:
    QString m_folder; // empty: the user's desktop folder at each call
};

} // namespace platform
