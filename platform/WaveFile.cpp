#include "platform/WaveFile.h"

#include <QtEndian>

#include <algorithm>

#include <cstring>

namespace platform {
namespace {

constexpr std::uint16_t kTagPcm = 1;
constexpr std::uint16_t kTagFloat = 3;
constexpr std::uint16_t kTagALaw = 6;
constexpr std::uint16_t kTagMuLaw = 7;
constexpr std::uint16_t kTagExtensible = 0xFFFE;
// The sub-format GUID of the extensible tag: its first two bytes carry a
// plain tag, the other fourteen are always these.
constexpr char kGuidTail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, char(0x80),
                                0x00, 0x00, char(0xAA), 0x00, 0x38, char(0x9B), 0x71};

std::uint32_t Le32(const char* p) { return qFromLittleEndian<quint32>(p); }
std::uint16_t Le16(const char* p) { return qFromLittleEndian<quint16>(p); }

std::optional<WaveSampleFormat> FormatOf(std::uint16_t tag, std::uint16_t bits)
{
    switch (tag) {
    case kTagPcm:
        switch (bits) {
        case 8: return WaveSampleFormat::U8;
        case 16: return WaveSampleFormat::S16;
        case 24: return WaveSampleFormat::S24;
        case 32: return WaveSampleFormat::S32;
        default: return std::nullopt;
        }
    case kTagFloat:
        return bits == 32 ? std::optional(WaveSampleFormat::Float32) : std::nullopt;
    case kTagALaw:
        return bits == 8 ? std::optional(WaveSampleFormat::ALaw) : std::nullopt;
    case kTagMuLaw:
        return bits == 8 ? std::optional(WaveSampleFormat::MuLaw) : std::nullopt;
    default:
        return std::nullopt;
    }
}

// The "fmt " chunk's body: the layout, or nothing when it is not playable.
std::optional<WaveSamples> ReadFormat(const char* f, std::uint32_t size)
{
    if (size < 16)
        return std::nullopt;
    std::uint16_t tag = Le16(f);
    const std::uint16_t channels = Le16(f + 2);
    const std::uint32_t rate = Le32(f + 4);
    const std::uint16_t blockAlign = Le16(f + 12);
    const std::uint16_t bits = Le16(f + 14);
    if (tag == kTagExtensible) {
        // Samples in a container of `bits`, of which `validBits` count; the
        // padding is below the valid bits, so the container is played.
        if (size < 40 || Le16(f + 16) < 22)
            return std::nullopt;
        const std::uint16_t validBits = Le16(f + 18);
        if (validBits > bits || std::memcmp(f + 26, kGuidTail, sizeof kGuidTail) != 0)
            return std::nullopt;
        tag = Le16(f + 24);
    }
    const std::optional<WaveSampleFormat> format = FormatOf(tag, bits);
    if (!format || channels < 1 || channels > kWaveMaxChannels || rate < 1 || rate > kWaveMaxRate
        || blockAlign != channels * (bits / 8))
        return std::nullopt;
    WaveSamples samples;
    samples.format = *format;
    samples.channels = channels;
    samples.rate = rate;
    samples.frameBytes = blockAlign;
    return samples;
}

} // namespace

std::optional<WaveSamples> ReadWaveHeader(const QByteArray& file)
{
    const char* d = file.constData();
    const std::int64_t n = file.size();
    if (n < 12 || n > kWaveMaxFileBytes || std::memcmp(d, "RIFF", 4) != 0
        || std::memcmp(d + 8, "WAVE", 4) != 0)
        return std::nullopt;
    std::optional<WaveSamples> format;
    std::int64_t dataOffset = -1;
    std::int64_t dataBytes = 0;
    std::int64_t pos = 12;
    while (pos + 8 <= n) {
        const char* chunk = d + pos;
        const std::uint32_t size = Le32(chunk + 4);
        const std::int64_t body = pos + 8;
        const std::int64_t held = std::min<std::int64_t>(size, n - body);
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            if (format || held < size)
                return std::nullopt; // a second format, or one cut short
            format = ReadFormat(chunk + 8, size);
            if (!format)
                return std::nullopt;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (dataOffset >= 0)
                return std::nullopt; // which of two would it be?
            dataOffset = body;
            dataBytes = held; // a data chunk cut short plays what it holds
        }
        // Chunks are padded to an even size; one that runs past the end
        // ends the file.
        pos = body + std::int64_t(size) + (size & 1);
    }
    if (!format || dataOffset < 0)
        return std::nullopt;
    format->offset = dataOffset;
    format->bytes = dataBytes - dataBytes % format->frameBytes;
    if (format->bytes == 0)
        return std::nullopt;
    return format;
}

} // namespace platform
