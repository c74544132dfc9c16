#pragma once
// The data files beside the program: written from the program's resources
// when missing, and the word list read back line by line.
#include "game/GameInterfaces.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace game {

struct DataFile {
    const char* fileName;     // appended to the program folder
    const char* resourceName; // looked up without regard to case
};

// In the order they are extracted.
inline constexpr std::array<DataFile, 3> kDataFiles = {{
    {"biblewords.txt", "biblewords"},
    {"usedword.wav", "usedword"},
    {"newword.wav", "newword"},
}};

inline constexpr const char* kWordListFileName = "biblewords.txt";
inline constexpr const char* kNewWordSoundFileName = "newword.wav";
inline constexpr const char* kUsedWordSoundFileName = "usedword.wav";

// True when a file (not a folder) of that path exists.
bool DataFileExists(const std::string& path);

// For each data file in turn: when folder + file name does not exist, write
// a byte-for-byte copy of its resource there. Existing files are never
// touched. Throws ResourceNotFoundError or FileCreateError and stops at the
// first failure; a file that could not be written in full is removed again,
// so that the next start does not take a truncated copy for the real one.
void ExtractDataFiles(const std::string& folder, const IResourceSource& resources);

// Creates (or empties) the file and writes all of bytes; throws
// FileCreateError and leaves no partial file behind on failure.
void WriteWholeFile(const std::string& path, std::string_view bytes);

// The lines of a word list text: each ends at CR LF (or a lone LF or CR), a
// last line without one counts like any other, and an empty text is one
// empty line. Lines are kept exactly as they stand.
std::vector<std::string> SplitWordListLines(std::string_view text);

// Reads the whole file and splits it; throws InOutError when the file cannot
// be opened or read.
std::vector<std::string> ReadWordListLines(const std::string& path);

} // namespace game
