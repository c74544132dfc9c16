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
// names the file and the reason in plain words.
class FileCreateError : public GameError {
public:
    FileCreateError(const std::string& path, int errorNumber);
    const std::string& Path() const { return m_path; }
    int ErrorNumber() const { return m_errorNumber; }

private:
    std::string m_path;
    int m_errorNumber;
};

// A data file that could not be opened or read, or that is no regular file
// (a folder, pipe, device or socket in its place): "Cannot read file
// "/games/biblewords.txt". No such file or folder".
class InOutError : public GameError {
public:
    InOutError(const std::string& path, int errorNumber);
    InOutError(const std::string& path, const std::string& reason);
    int ErrorNumber() const { return m_errorNumber; } // 0 for a reason given as text

protected:
    struct WholeMessage {};
    InOutError(WholeMessage, const std::string& message) : GameError(message), m_errorNumber(0) {}

private:
    int m_errorNumber;
};

// A text file that could not be written: "Cannot write file
// "/games/lumora.ini". The disk is full".
class FileWriteError : public InOutError {
public:
    FileWriteError(const std::string& path, const std::string& reason);
};

// A word list with more lines than the word store holds, or more bytes
// than the game reads; nothing is loaded.
class TooManyWordsError : public GameError {
public:
    TooManyWordsError(const std::string& path, int maxWords);
    TooManyWordsError(const std::string& path, std::size_t maxBytes);
};

// The reason of a system error number (errno) in plain words: "The disk is
// full", "Permission denied", "No such file or folder", ...
std::string PlainReason(int errorNumber);

} // namespace game
