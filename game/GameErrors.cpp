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
