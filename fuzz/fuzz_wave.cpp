// Fuzzing the WAVE header check: any bytes as a replacement sound file.
// Checked for every input: what is accepted names whole frames inside the
// file, in a layout the sound server plays, and the yes-or-no check agrees.
#include "platform/Sound.h"
#include "platform/WaveFile.h"

#include <cstdint>
#include <cstdlib>

namespace {

int BytesPerSample(platform::WaveSampleFormat f)
{
    switch (f) {
    case platform::WaveSampleFormat::S16: return 2;
    case platform::WaveSampleFormat::S24: return 3;
    case platform::WaveSampleFormat::S32:
    case platform::WaveSampleFormat::Float32: return 4;
    default: return 1;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray file = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<platform::WaveSamples> s = platform::ReadWaveHeader(file);
    if (platform::IsPlayableWave(file) != s.has_value())
        std::abort();
    if (!s)
        return 0;
    const bool sane = s->channels >= 1 && s->channels <= platform::kWaveMaxChannels && s->rate >= 1
        && s->rate <= platform::kWaveMaxRate && s->frameBytes == s->channels * BytesPerSample(s->format)
        && s->offset >= 12 && s->bytes > 0 && s->bytes % s->frameBytes == 0
        && s->offset + s->bytes <= std::int64_t(size);
    if (!sane)
        std::abort();
    return 0;
}
