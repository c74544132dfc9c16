#include "game/GameErrors.h"

#include <cerrno>
#include <cstring>

namespace game {

ResourceNotFoundError::ResourceNotFoundError(const std::string& name)
    : GameError("Resource " + name + " not found")
    , m_name(name)
{
}

static std::string CreateMessage(const std::string& path, int errorNumber)
{
    return "Cannot create file \"" + path + "\". " + PlainReason(errorNumber);
}

static std::string ReadMessage(const std::string& path, const std::string& reason)
{
    return "Cannot read file \"" + path + "\". " + reason;
}

FileCreateError::FileCreateError(const std::string& path, int errorNumber)
    : GameError(CreateMessage(path, errorNumber))
    , m_path(path)
    , m_errorNumber(errorNumber)
{
}

InOutError::InOutError(const std::string& path, int errorNumber)
    : GameError(ReadMessage(path, PlainReason(errorNumber)))
    , m_errorNumber(errorNumber)
{
}

InOutError::InOutError(const std::string& path, const std::string& reason)
    : GameError(ReadMessage(path, reason))
    , m_errorNumber(0)
{
}

FileWriteError::FileWriteError(const std::string& path, const std::string& reason)
    : InOutError(WholeMessage{}, "Cannot write file \"" + path + "\". " + reason)
{
}

namespace {

// 5230500 -> "5,230,500".
std::string Grouped(std::size_t n)
{
    std::string digits = std::to_string(n);
    for (std::ptrdiff_t at = std::ptrdiff_t(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(std::size_t(at), 1, ',');
    return digits;
}

} // namespace

TooManyWordsError::TooManyWordsError(const std::string& path, int maxWords)
    : GameError("The word list \"" + path + "\" has more lines than the " + Grouped(std::size_t(maxWords))
                + " words the game can hold. No words were loaded.")
{
}

TooManyWordsError::TooManyWordsError(const std::string& path, std::size_t maxBytes)
    : GameError("The word list \"" + path + "\" is larger than the " + Grouped(maxBytes >> 20)
                + " MB the game reads. No words were loaded.")
{
}

std::string PlainReason(int errorNumber)
{
    switch (errorNumber) {
    case ENOSPC:
    case EDQUOT:
        return "The disk is full";
    case EACCES:
    case EPERM:
        return "Permission denied";
    case EROFS:
        return "The disk is read-only";
    case ENOENT:
        return "No such file or folder";
    case ENOTDIR:
        return "A part of the path is not a folder";
    case EISDIR:
        return "It is a folder, not a file";
    case EFBIG:
        return "The file is too large";
    case ENOMEM:
        return "Not enough memory";
    case EMFILE:
    case ENFILE:
        return "Too many files are open";
    case ENAMETOOLONG:
        return "The name is too long";
    case ELOOP:
        return "Too many links in the path";
    case EIO:
        return "The disk could not be read or written";
    default:
        return std::strerror(errorNumber);
    }
}

} // namespace game
