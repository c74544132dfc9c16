#pragma once
// The errors of the data files. Each what() is the exact text the player
// sees in the standard error box (UTF-8).
#include <cstddef>
#include <stdexcept>
#include <string>

namespace game {

class GameError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A data file that is not carried inside the program: "Resource %s not found".
class ResourceNotFoundError : public GameError {
public:
    explicit ResourceNotFoundError(const std::string& name);
    const std::string& Name() const { return m_name; }

private:
    std::string m_name;
};

// A data file that could not be created or written in full; the message
// names the file and the system's reason.
class FileCreateError : public GameError {
public:
    FileCreateError(const std::string& path, int errorNumber);
    const std::string& Path() const { return m_path; }
    int ErrorNumber() const { return m_errorNumber; }

private:
    std::string m_path;
    int m_errorNumber;
};

// A word list file that could not be opened or read: "File not found",
// "File access denied", "I/O error %d" and their kin.
class InOutError : public GameError {
public:
    explicit InOutError(int errorNumber);
    int ErrorNumber() const { return m_errorNumber; }

private:
    int m_errorNumber;
};

// A word list with more lines than the word store holds; nothing is loaded.
class TooManyWordsError : public GameError {
public:
    TooManyWordsError(std::size_t lines, int maxWords);
};

// The text of an input/output error for a system error number (errno).
std::string InOutErrorMessage(int errorNumber);

} // namespace game
