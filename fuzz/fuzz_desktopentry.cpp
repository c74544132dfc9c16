// Fuzzing the desktop-entry quoting: any text as the installed program's
// path. The menu entry written for it is read back the way a desktop reads
// an entry (the value escapes, then the Exec quoting) and must give exactly
// that path, its folder and the uninstaller's path back. Any bytes read as
// an entry must parse without fault.
#include "platform/DesktopShortcut.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));

    // Whatever an entry file holds.
    (void)platform::ProgramOfEntry(input);
    (void)platform::DesktopEntryValue(input, QStringLiteral("Desktop Action Uninstall"), QStringLiteral("Exec"));

    // The round trip.
    const QString target = QString::fromUtf8(input);
    const QString folder = target.left(target.lastIndexOf(u'/') + 1);
    const QString remover = folder + QStringLiteral("RemoveLumora");
    const QByteArray entry = platform::MenuEntryText(target, folder, remover).toUtf8();
    if (platform::ProgramOfEntry(entry) != target)
        std::abort();
    if (platform::DesktopEntryValue(entry, QStringLiteral("Desktop Entry"), QStringLiteral("Path")) != folder)
        std::abort();
    const auto exec = platform::DesktopEntryValue(entry, QStringLiteral("Desktop Action Uninstall"), QStringLiteral("Exec"));
    if (!exec || platform::SplitExecArguments(*exec) != QStringList{remover})
        std::abort();
    if (platform::ProgramOfEntry(platform::DesktopEntryText(target, folder).toUtf8()) != target)
        std::abort();
    return 0;
}
