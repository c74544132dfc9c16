#include "platform/Shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace platform {
namespace {

class DesktopShell : public IShell {
public:
    bool OpenAddress(const QString& address) override
    {
        const QUrl url(address.trimmed(), QUrl::TolerantMode);
        if (!url.isValid() || url.scheme().isEmpty())
            return false;
        return QDesktopServices::openUrl(url);
    }

    bool OpenFile(const QString& path) override
    {
        const QFileInfo info(path);
        if (!info.exists())
            return false;
        if (info.isFile() && info.isExecutable())
            return QProcess::startDetached(info.absoluteFilePath(), {}, QDir::currentPath());
        return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
    }
};

} // namespace

bool IsShellAddress(const QString& reference)
{
    return reference.contains(QLatin1String("://")) || reference.contains(QLatin1String("mailto:"));
}

IShell& Shell()
{
    static DesktopShell real;
    return Current<IShell>(real);
}

} // namespace platform
