#include "window/SettingsFile.h"

#include "game/DataFiles.h"
#include "game/GameErrors.h"

#include "platform/FileOps.h"

#include <string_view>
#include <sys/stat.h>

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
    // By the path's own bytes, which need not be UTF-8.
    struct stat st {};
    return ::stat(platform::EncodePath(m_path).constData(), &st) == 0 && !S_ISDIR(st.st_mode);
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
    // Only a regular file, and only its beginning: two short lines are all
    // it ever holds, and a pipe or device in its place must not hold the
    // start.
    platform::TReadResult read = platform::ReadRegularFile(m_path, kMaxBytes);
    if (!read.error.isEmpty())
        throw game::InOutError(m_path.toStdString(), read.error.toStdString());
    if (read.cutShort) {
        // A line cut by the limit is no line of the file.
        const qsizetype end = std::max(read.bytes.lastIndexOf('\n'), read.bytes.lastIndexOf('\r'));
        read.bytes.truncate(end + 1);
    }

    // An empty file has no lines at all; otherwise the word list's line
    // rules apply (CR LF, a lone LF or CR, a last line without one).
    const QByteArray& bytes = read.bytes;
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
    // renamed over it only once everything is written. Where the folder
    // takes no new file (another user's folder, the file writable by the
    // player), the file is rewritten in place; it keeps its owner and
    // permissions either way, so a start by another user (root) does not
    // take it away from its owner.
    platform::TWriteOptions options;
    options.keepOwnerAndMode = true;
    options.inPlaceFallback = true;
    if (const std::optional<QString> reason = platform::WriteFileReplacing(m_path, bytes, options))
        throw game::FileWriteError(m_path.toStdString(), reason->toStdString());
}
