#include "platform/DesktopShortcut.h"

#include "platform/FileOps.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <sys/stat.h>

namespace platform {

QString QuoteExecArgument(const QString& argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool needsQuotes = argument.isEmpty();
    for (QChar c : argument)
        needsQuotes = needsQuotes || reserved.contains(c);

    QString out;
    if (needsQuotes)
        out += u'"';
    for (QChar c : argument) {
        if (c == u'%') {
            out += QStringLiteral("%%");
            continue;
        }
        if (needsQuotes && (c == u'"' || c == u'`' || c == u'$' || c == u'\\'))
            out += u'\\';
        out += c;
    }
    if (needsQuotes)
        out += u'"';
    return out;
}

QString EscapeDesktopValue(const QString& value)
{
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == u'\\')
            out += QStringLiteral("\\\\");
        else if (c == u'\n')
            out += QStringLiteral("\\n");
        else if (c == u'\r')
            out += QStringLiteral("\\r");
        else if (c == u'\t')
            out += QStringLiteral("\\t");
        else if (c == u' ' && i == 0)
            out += QStringLiteral("\\s");
        else
            out += c;
    }
    return out;
}

QString DesktopEntryText(const QString& target, const QString& workingFolder)
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Lumora\n"
                          "Exec=%1\n"
                          "Path=%2\n"
                          "Icon=%3\n")
        .arg(EscapeDesktopValue(QuoteExecArgument(target)), EscapeDesktopValue(workingFolder),
             QLatin1String(kIconName));
}

QString MenuEntryText(const QString& target, const QString& workingFolder, const QString& uninstaller)
{
    return DesktopEntryText(target, workingFolder)
        + QStringLiteral("Comment=Find the words hidden in the cross\n"
                         "Categories=Game;LogicGame;\n"
                         "Actions=Uninstall;\n"
                         "\n"
                         "[Desktop Action Uninstall]\n"
                         "Name=Uninstall\n"
                         "Exec=%1\n")
              .arg(EscapeDesktopValue(QuoteExecArgument(uninstaller)));
}

std::optional<QString> UnescapeDesktopValue(const QString& value)
{
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != u'\\') {
            out += value[i];
            continue;
        }
        if (++i == value.size())
            return std::nullopt;
        switch (value[i].unicode()) {
        case u's': out += u' '; break;
        case u'n': out += u'\n'; break;
        case u't': out += u'\t'; break;
        case u'r': out += u'\r'; break;
        case u'\\': out += u'\\'; break;
        default: return std::nullopt;
        }
    }
    return out;
}

std::optional<QStringList> SplitExecArguments(const QString& exec)
{
    QStringList args;
    QString current;
    bool inArgument = false;
    bool quoted = false;
    bool fieldCodeOnly = false; // the argument so far is one field code
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (quoted) {
            if (c == u'"') {
                quoted = false;
            } else if (c == u'\\') {
                if (++i == exec.size())
                    return std::nullopt;
                const QChar e = exec[i];
                if (e != u'"' && e != u'`' && e != u'$' && e != u'\\')
                    return std::nullopt;
                current += e;
            } else if (c == u'%') {
                if (++i == exec.size() || exec[i] != u'%')
                    return std::nullopt;
                current += u'%';
            } else {
                current += c;
            }
            continue;
        }
        if (c == u' ') {
            if (inArgument && !fieldCodeOnly)
                args << current;
            current.clear();
            inArgument = fieldCodeOnly = false;
            continue;
        }
        if (c == u'"') {
            quoted = inArgument = true;
            continue;
        }
        if (c == u'%') {
            if (++i == exec.size())
                return std::nullopt;
            if (exec[i] == u'%') {
                current += u'%';
                inArgument = true;
                continue;
            }
            // A field code is an argument of its own; the file names it
            // stands for are none of the program's path.
            if (inArgument || (i + 1 < exec.size() && exec[i + 1] != u' '))
                return std::nullopt;
            inArgument = fieldCodeOnly = true;
            continue;
        }
        current += c;
        inArgument = true;
    }
    if (quoted)
        return std::nullopt;
    if (inArgument && !fieldCodeOnly)
        args << current;
    return args;
}

std::optional<QString> DesktopEntryValue(const QByteArray& text, const QString& group, const QString& key)
{
    QString currentGroup;
    for (const QByteArray& rawLine : text.split('\n')) {
        const QString line = QString::fromUtf8(rawLine);
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            currentGroup = line.endsWith(u']') ? line.mid(1, line.size() - 2) : QString();
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (eq <= 0 || currentGroup != group || line.left(eq).trimmed() != key)
            continue;
        qsizetype from = eq + 1;
        while (from < line.size() && line[from] == u' ')
            ++from;
        return UnescapeDesktopValue(line.mid(from));
    }
    return std::nullopt;
}

std::optional<QString> ProgramOfEntry(const QByteArray& text)
{
    const std::optional<QString> exec = DesktopEntryValue(text, QStringLiteral("Desktop Entry"), QStringLiteral("Exec"));
    if (!exec)
        return std::nullopt;
    const std::optional<QStringList> args = SplitExecArguments(*exec);
    if (!args || args->isEmpty())
        return std::nullopt;
    return args->first();
}

namespace {

QString Collapsed(QString path)
{
    while (path.contains(QStringLiteral("//")))
        path.replace(QStringLiteral("//"), QStringLiteral("/"));
    while (path.contains(QStringLiteral("/./")))
        path.replace(QStringLiteral("/./"), QStringLiteral("/"));
    return path;
}

// A desktop entry of ours is small.
constexpr qint64 kMaxEntry = 1 << 16;

// Deletes the entry file when it starts `program`.
std::optional<QString> RemoveEntryStarting(const QString& path, const QString& program, bool* removed = nullptr)
{
    if (removed)
        *removed = false;
    const TFileKind kind = KindOf(path);
    if (kind == TFileKind::Missing || kind == TFileKind::Folder)
        return std::nullopt; // nothing of ours there
    const TReadResult read = ReadRegularFile(path, kMaxEntry);
    const std::optional<QString> starts = read.error.isEmpty() ? ProgramOfEntry(read.bytes) : std::nullopt;
    if (!starts || !SameProgram(*starts, program))
        return std::nullopt; // another installation's, or not an entry
    if (const std::optional<QString> reason = DeleteFileOnly(path))
        return reason;
    if (removed)
        *removed = true;
    return std::nullopt;
}

void UpdateMenuDatabase(const QString& folder)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("update-desktop-database"));
    if (tool.isEmpty())
        return;
    QProcess run;
    run.start(tool, {folder});
    run.waitForFinished(10000);
}

} // namespace

bool SameProgram(const QString& a, const QString& b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    if (Collapsed(a) == Collapsed(b))
        return true;
    struct stat sa {}, sb {};
    return ::stat(EncodePath(a).constData(), &sa) == 0 && ::stat(EncodePath(b).constData(), &sb) == 0
        && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

QString UserDesktopFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

QString TDesktopEntryShortcut::DesktopFolder() const
{
    return m_folder.isEmpty() ? UserDesktopFolder() : m_folder;
}

QString TDesktopEntryShortcut::ShortcutPath() const
{
    return DesktopFolder() + u'/' + QLatin1String(kShortcutFileName);
}

QString TDesktopEntryShortcut::MenuEntryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/applications/")
        + QLatin1String(kMenuEntryFileName);
}

QString TDesktopEntryShortcut::IconPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/icons/hicolor/256x256/apps/") + QLatin1String(kIconName) + QStringLiteral(".png");
}

bool TDesktopEntryShortcut::Save(const QString& target, const QString& workingFolder)
{
    const QString folder = DesktopFolder();
    if (folder.isEmpty() || !DirectoryExists(folder))
        return false;
    TWriteOptions executable;
    executable.mode = 0755;
    return !WriteFileReplacing(ShortcutPath(), DesktopEntryText(target, workingFolder).toUtf8(), executable);
}

std::optional<QString> TDesktopEntryShortcut::Remove(const QString& program)
{
    return RemoveEntryStarting(ShortcutPath(), program);
}

bool TDesktopEntryShortcut::SaveMenuEntry(const QString& target, const QString& workingFolder,
                                          const QString& uninstaller)
{
    const QString entry = MenuEntryPath();
    const QString icon = IconPath();
    const QString entryFolder = entry.left(entry.lastIndexOf(u'/'));
    QFile resource(QStringLiteral(":/lumora.png"));
    if (!resource.open(QIODevice::ReadOnly) || !ForceDirectories(entryFolder)
        || !ForceDirectories(icon.left(icon.lastIndexOf(u'/'))))
        return false;
    const bool iconSaved = !WriteFileReplacing(icon, resource.readAll());
    const bool entrySaved = !WriteFileReplacing(entry, MenuEntryText(target, workingFolder, uninstaller).toUtf8());
    UpdateMenuDatabase(entryFolder);
    return iconSaved && entrySaved;
}

QStringList TDesktopEntryShortcut::RemoveMenuEntry(const QString& program)
{
    QStringList stays;
    const QString entry = MenuEntryPath();
    bool removed = false;
    if (const std::optional<QString> reason = RemoveEntryStarting(entry, program, &removed))
        stays << entry + QStringLiteral(": ") + *reason;
    // The icon goes with our own entry only.
    if (removed) {
        if (const std::optional<QString> reason = DeleteFileOnly(IconPath()))
            stays << IconPath() + QStringLiteral(": ") + *reason;
        UpdateMenuDatabase(entry.left(entry.lastIndexOf(u'/')));
    }
    return stays;
}

IDesktopShortcut& DesktopShortcut()
{
    static TDesktopEntryShortcut real;
    return Current<IDesktopShortcut>(real);
}

} // namespace platform
