#include "game/DataFiles.h"

#include "game/GameErrors.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

namespace game {

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

int ErrnoOr(int fallback)
{
    return errno != 0 ? errno : fallback;
}

} // namespace

bool DataFileExists(const std::string& path)
{
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    return !ec && std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

void WriteWholeFile(const std::string& path, std::string_view bytes)
{
    errno = 0;
    std::FILE* raw = std::fopen(path.c_str(), "wb");
    if (!raw)
        throw FileCreateError(path, ErrnoOr(EIO));

    errno = 0;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), raw) == bytes.size()
        && std::fflush(raw) == 0;
    int error = written ? 0 : ErrnoOr(EIO);
    if (std::fclose(raw) != 0 && error == 0)
        error = ErrnoOr(EIO);
    if (error != 0) {
        std::remove(path.c_str());
        throw FileCreateError(path, error);
    }
}

void ExtractDataFiles(const std::string& folder, const IResourceSource& resources)
{
    for (const DataFile& file : kDataFiles) {
        const std::string path = folder + file.fileName;
        if (DataFileExists(path))
            continue;
        const std::optional<std::string> bytes = resources.Find(file.resourceName);
        if (!bytes)
            throw ResourceNotFoundError(file.resourceName);
        WriteWholeFile(path, *bytes);
    }
}

std::vector<std::string> SplitWordListLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t pos = 0;
    // The end test follows each line, so even an empty text gives one line.
    do {
        const std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(pos));
            pos = text.size();
        } else {
            lines.emplace_back(text.substr(pos, end - pos));
            const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
            pos = end + (crlf ? 2 : 1);
        }
    } while (pos < text.size());
    return lines;
}

std::vector<std::string> ReadWordListLines(const std::string& path)
{
    errno = 0;
    FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file)
        throw InOutError(ErrnoOr(EIO));

    std::string text;
    char buffer[1 << 16];
    for (;;) {
        errno = 0;
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get());
        text.append(buffer, got);
        if (got < sizeof buffer) {
            if (std::ferror(file.get()))
                throw InOutError(ErrnoOr(EIO));
            break;
        }
    }
    return SplitWordListLines(text);
}

} // namespace game
