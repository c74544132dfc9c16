// Fuzzing the settings file reader: any bytes as "lumora.ini". The input is
// written to a private folder, read as the game reads it at start-up, then
// written back as the close button writes it and read again. Checked for
// every input: reading never changes the file; a theme is a digit 0 to 9;
// a conversion error carries the one character (or nothing) it could not
// convert; what is written back reads back as the same two settings.
#include "window/SettingsFile.h"

#include "game/GameErrors.h"
#include "QtFuzzing.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>
#include <optional>

namespace {

QTemporaryDir* g_dir = nullptr;

struct Settings {
    std::optional<int> style;
    std::optional<bool> sound;
    int styleCalls = 0;
};

// Reads the file; false when it raised the conversion error.
bool ReadInto(const TSettingsFile& file, Settings& s, std::string* error)
{
    try {
        file.Read([&s](int n) { s.style = n; ++s.styleCalls; }, [&s](bool on) { s.sound = on; });
        return true;
    } catch (const TConvertError& e) {
        *error = e.what();
        return false;
    }
}

QByteArray ReadBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        std::abort();
    return f.readAll();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    StartQtApplication<QCoreApplication>(argc, argv);
    // A folder of its own, in memory where the system offers it.
    const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/lumora-fuzz-XXXXXX")
                                                                   : QDir::tempPath() + "/lumora-fuzz-XXXXXX";
    g_dir = new QTemporaryDir(base);
    if (!g_dir->isValid())
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString folder = g_dir->path() + QLatin1Char('/');
    const TSettingsFile file(folder);
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    {
        QFile f(file.Path());
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(input) != input.size())
            std::abort();
    }

    // Start-up: read the file as it stands.
    Settings first;
    std::string error;
    const bool converted = ReadInto(file, first, &error);
    if (ReadBytes(file.Path()) != input)
        std::abort(); // reading must leave the file alone
    if (first.style && (*first.style < 0 || *first.style > 9))
        std::abort();
    if (!converted) {
        // "'x' is not a valid integer value" with one non-digit or nothing.
        const std::string tail = "' is not a valid integer value";
        if (error.size() < tail.size() + 1 || error[0] != '\''
            || error.compare(error.size() - tail.size(), tail.size(), tail) != 0)
            std::abort();
        const std::string shown = error.substr(1, error.size() - 1 - tail.size());
        if (shown.size() == 1 && shown[0] >= '0' && shown[0] <= '9')
            std::abort();
        if (!input.contains("STYLE= "))
            std::abort();
    } else if (first.styleCalls > 0 && !input.contains("STYLE= ")) {
        std::abort();
    }

    // Close: write what was read (the defaults where nothing was), then
    // the file must give exactly that back.
    const int style = first.style.value_or(1);
    const bool sound = first.sound.value_or(true);
    file.Write(style, sound);
    if (ReadBytes(file.Path()) != TSettingsFile::Content(style, sound))
        std::abort();
    Settings second;
    if (!ReadInto(file, second, &error) || second.style != style || second.sound != sound || second.styleCalls != 1)
        std::abort();
    return 0;
}
