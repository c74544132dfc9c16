#include "window/SettingsFile.h"

#include "game/DataFiles.h"
#include "game/GameErrors.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <string_view>

namespace {

// The error number a failed file call left, or a general one.
int LastErrorOr(int fallback)
{
    return errno != 0 ? errno : fallback;
}

} // namespace

namespace {

// A control character would vanish from the message (a NUL would even end
// it there): it is shown by its visible picture instead, U+2400 and on.
QString Visible(QString text)
{
    for (QChar& c : text) {
        if (c.unicode() < 0x20)
            c = QChar(char16_t(0x2400 + c.unicode()));
        else if (c.unicode() == 0x7F)
            c = QChar(char16_t(0x2421));
    }
    return text;
}

} // namespace

TConvertError::TConvertError(const QString& text)
    : std::runtime_error(QStringLiteral("'%1' is not a valid integer value").arg(Visible(text)).toStdString())
{
}

TSettingsFile::TSettingsFile(QString folder)
    : m_path(folder + QLatin1String(kFileName))
{
}

bool TSettingsFile::Exists() const
{
    return game::DataFileExists(m_path.toStdString());
}

void TSettingsFile::WriteDefaultIfMissing() const
{
    if (!Exists())
        Write(kDefaultStyle, true);
}

void TSettingsFile::Read(const std::function<void(int)>& setStyle,
                         const std::function<void(bool)>& setSound) const
{
    if (!Exists())
        return;
    QFile file(m_path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        throw game::InOutError(LastErrorOr(EACCES));
    errno = 0;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw game::InOutError(LastErrorOr(EIO));

    // An empty file has no lines at all; otherwise the word list's line
    // rules apply (CR LF, a lone LF or CR, a last line without one).
    if (bytes.isEmpty())
        return;
    for (const std::string& line : game::SplitWordListLines(std::string_view(bytes.constData(), bytes.size())))
        ApplyLine(QByteArray::fromStdString(line), setStyle, setSound);
}

void TSettingsFile::ApplyLine(const QByteArray& line, const std::function<void(int)>& setStyle,
                              const std::function<void(bool)>& setSound)
{
    if (line.contains(kStyleKey)) {
        // The eighth character alone: the one after "STYLE= " when the line
        // begins with it, whatever stands there otherwise.
        const QByteArray digit = line.mid(7, 1);
        if (digit.size() != 1 || digit[0] < '0' || digit[0] > '9')
            throw TConvertError(QString::fromLatin1(digit));
        setStyle(digit[0] - '0');
    }
    if (line == kSoundOn)
        setSound(true);
    if (line == kSoundOff)
        setSound(false);
}

QByteArray TSettingsFile::Content(int styleNumber, bool soundOn)
{
    QByteArray bytes(kStyleKey);
    bytes += QByteArray::number(styleNumber);
    bytes += "\r\n";
    bytes += soundOn ? kSoundOn : kSoundOff;
    bytes += "\r\n";
    return bytes;
}

void TSettingsFile::Write(int styleNumber, bool soundOn) const
{
    WriteAtomically(Content(styleNumber, soundOn));
}

void TSettingsFile::WriteAtomically(const QByteArray& bytes) const
{
    // The new lines go to a temporary file beside the old one, which is
    // renamed over it only once everything is written.
    // Unbuffered, and the size checked before the rename: a buffered write
    // that the disk cuts short can otherwise still commit, replacing the
    // old file with the first bytes of the new one.
    QSaveFile file(m_path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw game::InOutError(LastErrorOr(EACCES));
    errno = 0;
    if (file.write(bytes) != bytes.size() || file.size() != bytes.size()) {
        const int error = LastErrorOr(EIO);
        file.cancelWriting();
        throw game::InOutError(error);
    }
    errno = 0;
    if (!file.commit())
        throw game::InOutError(LastErrorOr(EIO));
}
