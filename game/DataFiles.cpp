#include "game/DataFiles.h"

#include "game/GameErrors.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
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

std::string TemporaryPathOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    const std::size_t at = slash == std::string::npos ? 0 : slash + 1;
    return path.substr(0, at) + "." + path.substr(at) + ".part";
}

namespace {

// A file or link left under a temporary name; a folder there is not ours.
void RemoveStray(const std::string& temp)
{
    std::error_code ec;
    const auto status = std::filesystem::symlink_status(temp, ec);
    if (!ec && (std::filesystem::is_regular_file(status) || std::filesystem::is_symlink(status)))
        std::filesystem::remove(temp, ec);
}

// Why the thing at the path cannot be read as a file, or nothing when it
// is a regular file (a link to one counts).
std::optional<std::string> NotAFile(const std::string& path, int& errorNumber)
{
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    errorNumber = 0;
    switch (status.type()) {
    case std::filesystem::file_type::regular:
        return std::nullopt;
    case std::filesystem::file_type::not_found:
        errorNumber = ENOENT;
        return PlainReason(ENOENT);
    case std::filesystem::file_type::directory:
        return "It is a folder, not a file";
    case std::filesystem::file_type::fifo:
        return "It is a pipe, not a file";
    case std::filesystem::file_type::block:
    case std::filesystem::file_type::character:
        return "It is a device, not a file";
    case std::filesystem::file_type::socket:
        return "It is a socket, not a file";
    default:
        if (ec) {
            errorNumber = ec.value();
            return PlainReason(ec.value());
        }
        return "It is not a regular file";
    }
}

// Splits a text that arrives in pieces, with the line rules of
// SplitWordListLines; each finished line goes to `line`.
class LineSplitter {
public:
    template <class Sink>
    void Feed(std::string_view piece, Sink&& line)
    {
        std::size_t pos = 0;
        if (!piece.empty())
            m_any = true;
        while (pos < piece.size()) {
            if (m_afterCr) {
                m_afterCr = false;
                if (piece[pos] == '\n') {
                    ++pos;
                    continue;
                }
            }
            const std::size_t end = piece.find_first_of("\r\n", pos);
            if (end == std::string_view::npos) {
                m_current.append(piece.substr(pos));
                m_open = true;
                return;
            }
            m_current.append(piece.substr(pos, end - pos));
            line(std::move(m_current));
            m_current.clear();
            m_open = false;
            m_afterCr = piece[end] == '\r';
            pos = end + 1;
        }
    }
    // The end test follows each line, so even an empty text gives one line.
    template <class Sink>
    void Finish(Sink&& line)
    {
        if (!m_any || m_open)
            line(std::move(m_current));
        m_current.clear();
    }

private:
    std::string m_current;
    bool m_any = false;
    bool m_open = false;
    bool m_afterCr = false;
};

} // namespace

void WriteWholeFile(const std::string& path, std::string_view bytes)
{
    const std::string temp = TemporaryPathOf(path);
    RemoveStray(temp);
    errno = 0;
    // "x": created here and now, never an existing file or a link.
    std::FILE* raw = std::fopen(temp.c_str(), "wbx");
    if (!raw)
        throw FileCreateError(path, ErrnoOr(EIO));

    errno = 0;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), raw) == bytes.size()
        && std::fflush(raw) == 0;
    int error = written ? 0 : ErrnoOr(EIO);
    if (std::fclose(raw) != 0 && error == 0)
        error = ErrnoOr(EIO);
    if (error == 0 && std::rename(temp.c_str(), path.c_str()) != 0)
        error = ErrnoOr(EIO);
    if (error != 0) {
        std::remove(temp.c_str());
        throw FileCreateError(path, error);
    }
}

void ExtractDataFiles(const std::string& folder, const IResourceSource& resources)
{
    for (const DataFile& file : kDataFiles)
        RemoveStray(TemporaryPathOf(folder + file.fileName));
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
    LineSplitter splitter;
    const auto keep = [&](std::string&& line) { lines.push_back(std::move(line)); };
    splitter.Feed(text, keep);
    splitter.Finish(keep);
    return lines;
}

std::vector<std::string> ReadWordListLines(const std::string& path, std::size_t maxLines)
{
    // Checked before the open: opening a pipe would wait for a writer.
    int notFileError = 0;
    if (const std::optional<std::string> reason = NotAFile(path, notFileError)) {
        if (notFileError != 0)
            throw InOutError(path, notFileError);
        throw InOutError(path, *reason);
    }
    errno = 0;
    FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file)
        throw InOutError(path, ErrnoOr(EIO));

    std::vector<std::string> lines;
    try {
        LineSplitter splitter;
        const auto keep = [&](std::string&& line) {
            // The limit holds while reading: the lines beyond it are never
            // stored.
            if (lines.size() >= maxLines)
                throw TooManyWordsError(path, static_cast<int>(std::min<std::size_t>(maxLines, INT32_MAX)));
            lines.push_back(std::move(line));
        };
        std::size_t total = 0;
        char buffer[1 << 16];
        for (;;) {
            errno = 0;
            const std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get());
            total += got;
            if (total > kMaxWordListBytes)
                throw TooManyWordsError(path, kMaxWordListBytes);
            splitter.Feed(std::string_view(buffer, got), keep);
            if (got < sizeof buffer) {
                if (std::ferror(file.get()))
                    throw InOutError(path, ErrnoOr(EIO));
                break;
            }
        }
        splitter.Finish(keep);
    } catch (const std::bad_alloc&) {
        throw InOutError(path, "There is not enough memory to read it");
    }
    return lines;
}

} // namespace game
