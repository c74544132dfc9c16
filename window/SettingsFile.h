#pragma once
// The settings file "lumora.ini" beside the program: two CR LF lines,
//
//     STYLE= 5
//     SOUND ON
//
// the theme number and the sound switch. Reading is forgiving about what it
// ignores and strict about the one character it converts, and reads only a
// regular file, only its first 64 KB; writing replaces the whole file at
// once, so that it always holds either the old or the new settings, never a
// part of them (except where the folder allows no new file: then the file
// is rewritten in place).
#include "game/DataFiles.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <stdexcept>
#include <string>

// A theme character that is not a decimal digit:
// "'x' is not a valid integer value".
class TConvertError : public std::runtime_error {
public:
    explicit TConvertError(const QString& text);
};

class TSettingsFile {
public:
    static constexpr const char* kFileName = game::kSettingsFileName;
    static constexpr const char* kStyleKey = "STYLE= ";
    static constexpr const char* kSoundOn = "SOUND ON";
    static constexpr const char* kSoundOff = "SOUND OFF";
    static constexpr int kDefaultStyle = 5;
    // The most bytes read: the lines after them are ignored.
    static constexpr qint64 kMaxBytes = 64 * 1024;

    // folder ends in a path separator (the program folder); the file name
    // is appended to it as it stands.
    explicit TSettingsFile(QString folder);

    QString Path() const { return m_path; }
    bool Exists() const;

    // Writes "STYLE= 5" and "SOUND ON" when there is no file yet.
    // Throws game::InOutError when the file cannot be written.
    void WriteDefaultIfMissing() const;

    // Reads the file line by line and reports each setting as its line is
    // met, so a later line overrides an earlier one; lines that set nothing
    // are ignored. Nothing is reported when there is no file. Throws
    // TConvertError at a bad theme character (the lines after it are not
    // read) and game::InOutError when the file cannot be read.
    void Read(const std::function<void(int styleNumber)>& setStyle,
              const std::function<void(bool soundOn)>& setSound) const;

    // Replaces the file with the two lines. Throws game::InOutError, and
    // leaves the old file as it was, when it cannot be written.
    void Write(int styleNumber, bool soundOn) const;

    // The two lines as written.
    static QByteArray Content(int styleNumber, bool soundOn);

    // One line, without its line end: a line containing "STYLE= " anywhere
    // sets the theme to its eighth character's digit; "SOUND ON" and
    // "SOUND OFF" exactly set the switch.
    static void ApplyLine(const QByteArray& line, const std::function<void(int)>& setStyle,
                          const std::function<void(bool)>& setSound);

private:
    void WriteAtomically(const QByteArray& bytes) const;

    QString m_path;
};
