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

inline constexpr const char* kWordListFileName = "biblewords.txt";
inline constexpr const char* kNewWordSoundFileName = "newword.wav";
inline constexpr const char* kUsedWordSoundFileName = "usedword.wav";
// The settings file the window keeps beside the program.
inline constexpr const char* kSettingsFileName = "lumora.ini";

// The files the game writes beside the program from its resources, in the
// order they are extracted; the uninstaller removes each of them.
inline constexpr std::array<DataFile, 3> kDataFiles = {{
    {kWordListFileName, "biblewords"},
    {kUsedWordSoundFileName, "usedword"},
    {kNewWordSoundFileName, "newword"},
}};

// True when something other than a folder stands at that path (a link is
// followed); such a file is never written over.
bool DataFileExists(const std::string& path);

// The temporary name a data file is written under before it takes its
// own: ".biblewords.txt.part" beside it.
std::string TemporaryPathOf(const std::string& path);

// For each data file in turn: when folder + file name does not exist, write
// a byte-for-byte copy of its resource there. Existing files are never
// touched. Throws ResourceNotFoundError or FileCreateError and stops at the
// first failure. A temporary file that an earlier, killed start left behind
// is removed first.
void ExtractDataFiles(const std::string& folder, const IResourceSource& resources);

// Writes all of bytes under the file's temporary name and then renames it
// to its own, so the file appears whole or not at all; throws
// FileCreateError and leaves no temporary file behind on failure.
void WriteWholeFile(const std::string& path, std::string_view bytes);

// The lines of a word list text: each ends at CR LF (or a lone LF or CR), a
// last line without one counts like any other, and an empty text is one
// empty line. Lines are kept exactly as they stand.
std::vector<std::string> SplitWordListLines(std::string_view text);

// The most bytes of a word list that are read.
inline constexpr std::size_t kMaxWordListBytes = std::size_t(64) << 20;

// Reads the file and splits it, refusing what is no regular file before it
// is opened (so a pipe cannot hold the start). Throws InOutError when the
// file cannot be opened or read, and TooManyWordsError as soon as it has
// more than maxLines lines or kMaxWordListBytes bytes.
std::vector<std::string> ReadWordListLines(const std::string& path,
                                           std::size_t maxLines = std::size_t(-1));

} // namespace game
