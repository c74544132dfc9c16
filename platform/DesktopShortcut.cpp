#include "platform/DesktopShortcut.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

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
                          "Path=%2\n")
        .arg(EscapeDesktopValue(QuoteExecArgument(target)), EscapeDesktopValue(workingFolder));
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

bool TDesktopEntryShortcut::Save(const QString& target, const QString& workingFolder)
{
    const QString folder = DesktopFolder();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return false;
    QSaveFile file(ShortcutPath());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = DesktopEntryText(target, workingFolder).toUtf8();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit())
        return false;
    return QFile::setPermissions(ShortcutPath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                     | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther
                                                     | QFile::ExeOther);
}

bool TDesktopEntryShortcut::Remove()
{
    const QString path = ShortcutPath();
    // Only a file (or a link) of that name; a folder called so stays.
    const QFileInfo info(path);
    if (!info.isSymLink() && !info.isFile())
        return false;
    return QFile::remove(path);
}

IDesktopShortcut& DesktopShortcut()
{
    static TDesktopEntryShortcut real;
    return Current<IDesktopShortcut>(real);
}

} // namespace platform
