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
    return "Cannot create file \"" + path + "\". " + std::strerror(errorNumber);
}

FileCreateError::FileCreateError(const std::string& path, int errorNumber)
    : GameError(CreateMessage(path, errorNumber))
    , m_path(path)
    , m_errorNumber(errorNumber)
{
}

InOutError::InOutError(int errorNumber)
    : GameError(InOutErrorMessage(errorNumber))
    , m_errorNumber(errorNumber)
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

TooManyWordsError::TooManyWordsError(std::size_t lines, int maxWords)
    : GameError("The word list has " + Grouped(lines) + " lines, more than the " + Grouped(std::size_t(maxWords))
                + " words the game can hold. No words were loaded.")
{
}

std::string InOutErrorMessage(int errorNumber)
{
    switch (errorNumber) {
    case ENOENT:
    case ENOTDIR:
        return "File not found";
    case EACCES:
    case EPERM:
    case EISDIR: // a folder where the file should be cannot be read as one
        return "File access denied";
    case EMFILE:
    case ENFILE:
        return "Too many open files";
    case ENAMETOOLONG:
        return "Invalid filename";
    default:
        return "I/O error " + std::to_string(errorNumber);
    }
}

} // namespace game
