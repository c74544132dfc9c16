#pragma once
// The header of a WAVE file: where its samples lie and how they are laid
// out, for the kinds of samples the sound server plays as they stand.
#include <QByteArray>
#include <cstdint>
#include <optional>

namespace platform {

// Sample layouts the sound server takes without conversion (little-endian).
enum class WaveSampleFormat { U8, S16, S24, S32, Float32, ALaw, MuLaw };

struct WaveSamples {
    WaveSampleFormat format = WaveSampleFormat::S16;
    int channels = 0;
    std::uint32_t rate = 0;
    int frameBytes = 0;
    // The samples within the file's bytes: whole frames only, cut to what
    // the file holds when its data chunk is shorter than declared.
    std::int64_t offset = 0;
    std::int64_t bytes = 0;
};

// Limits of what is played; anything beyond is refused.
inline constexpr int kWaveMaxChannels = 8;
inline constexpr std::uint32_t kWaveMaxRate = 384000; // the sound server's highest rate
inline constexpr std::int64_t kWaveMaxFileBytes = 64 * 1024 * 1024;

// The samples of a whole WAVE file, or nothing when the bytes are no WAVE
// file the server can play: a RIFF "WAVE" file with one "fmt " chunk (plain
// or extensible format tag) describing integer PCM of 8, 16, 24 or 32 bits,
// 32-bit floating point, A-law or mu-law, 1 to 8 channels, 1 Hz to 384 kHz,
// and a "data" chunk holding at least one frame. The chunks may come in any
// order and other chunks of any size may stand between them.
std::optional<WaveSamples> ReadWaveHeader(const QByteArray& file);

} // namespace platform
