#include "platform/Sound.h"

#include "platform/FileOps.h"
#include "platform/WaveFile.h"

#include <pulse/pulseaudio.h>

#include <condition_variable>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <map>
#include <mutex>
#include <optional>
#include <thread>
#include <unistd.h>

namespace platform {
namespace {

// The client library is opened on the first sound, not linked: a start
// without sound never loads it, and a machine without it plays nothing.
#define LUMORA_PULSE_FUNCTIONS(X)                                                             \
    X(pa_threaded_mainloop_new) X(pa_threaded_mainloop_start) X(pa_threaded_mainloop_stop)     \
    X(pa_threaded_mainloop_free) X(pa_threaded_mainloop_lock) X(pa_threaded_mainloop_unlock)   \
    X(pa_threaded_mainloop_wait) X(pa_threaded_mainloop_signal) X(pa_threaded_mainloop_get_api) \
    X(pa_context_new) X(pa_context_set_state_callback) X(pa_context_connect)                   \
    X(pa_context_get_state) X(pa_context_disconnect) X(pa_context_unref)                       \
    X(pa_stream_new) X(pa_stream_set_state_callback) X(pa_stream_connect_upload)               \
    X(pa_stream_write) X(pa_stream_finish_upload) X(pa_stream_get_state) X(pa_stream_unref)    \
    X(pa_context_play_sample_with_proplist) X(pa_context_kill_sink_input)                      \
    X(pa_context_remove_sample) X(pa_operation_get_state) X(pa_operation_unref)                \
    X(pa_proplist_new) X(pa_proplist_sets) X(pa_proplist_free) X(pa_channel_map_init_auto)

struct PulseApi {
#define LUMORA_DECLARE(f) decltype(&::f) f = nullptr;
    LUMORA_PULSE_FUNCTIONS(LUMORA_DECLARE)
#undef LUMORA_DECLARE

    // True when the library and every function were found.
    bool Load()
    {
        void* lib = dlopen("libpulse.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!lib)
            return false;
#define LUMORA_LOAD(f)                                               \
    f = reinterpret_cast<decltype(&::f)>(dlsym(lib, #f));             \
    if (!f)                                                          \
        return false;
        LUMORA_PULSE_FUNCTIONS(LUMORA_LOAD)
#undef LUMORA_LOAD
        return true; // the library stays loaded for the process's life
    }
};

pa_sample_format_t PulseFormat(WaveSampleFormat f)
{
    switch (f) {
    case WaveSampleFormat::U8: return PA_SAMPLE_U8;
    case WaveSampleFormat::S16: return PA_SAMPLE_S16LE;
    case WaveSampleFormat::S24: return PA_SAMPLE_S24LE;
    case WaveSampleFormat::S32: return PA_SAMPLE_S32LE;
    case WaveSampleFormat::Float32: return PA_SAMPLE_FLOAT32LE;
    case WaveSampleFormat::ALaw: return PA_SAMPLE_ALAW;
    case WaveSampleFormat::MuLaw: return PA_SAMPLE_ULAW;
    }
    return PA_SAMPLE_INVALID;
}

// The whole file, read by the thread that plays it; empty when it cannot be read.
QByteArray ReadWhole(const QString& path, qint64 size)
{
    const int fd = ::open(EncodePath(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    QByteArray bytes(qsizetype(size), Qt::Uninitialized);
    qint64 got = 0;
    while (got < size) {
        const ssize_t n = ::read(fd, bytes.data() + got, size_t(size - got));
        if (n <= 0)
            break;
        got += n;
    }
    ::close(fd);
    bytes.truncate(qsizetype(got));
    return bytes;
}

} // namespace

bool IsPlayableWave(const QByteArray& bytes) { return ReadWaveHeader(bytes).has_value(); }

// ---- the thread that talks to the sound server --------------------------------

class ServerSound::Worker {
public:
    // The thread starts here, so that no request waits for it to start.
    Worker() : m_thread([this] { Run(); }) {}
    ~Worker();

    // Called on the caller's thread: hand over a request and return.
    void Post(bool play, const QString& path);
    void PostPrepare(const QString& path);
    bool WaitUntilIdle(int ms);

private:
    struct Request {
        bool play = false;
        QString path;
    };
    // A file uploaded to the server, and the file as it was then.
    struct CachedSample {
        qint64 size = -1;
        qint64 modified = 0; // nanoseconds
        QByteArray name;
    };

    void Run();
    void Handle(const Request& request);
    void Upload(const QString& path);
    bool Connected();
    void DropConnection();
    const CachedSample* SampleFor(const QString& path);
    bool Upload(const QByteArray& name, const QByteArray& file, const WaveSamples& samples);
    void Forget(const QString& path);
    void StartSample(const QByteArray& name);
    void StopPlaying();
    void WaitFor(pa_operation* op);
    static void Signal(pa_context*, void* self);
    static void SignalDone(pa_context*, int, void* self);
    static void SignalStream(pa_stream*, void* self);

    // Between the callers and the thread.
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::optional<Request> m_pending;
    QStringList m_prepare; // files to upload once nothing else waits
    bool m_busy = false;
    bool m_quit = false;

    // Only the thread touches these (and the client library's own thread,
    // under the main loop's lock, m_playing).
    PulseApi m_pa;
    bool m_loaded = false;
    bool m_noLibrary = false;
    pa_threaded_mainloop* m_loop = nullptr;
    pa_context* m_context = nullptr;
    std::map<QString, CachedSample> m_samples;
    int m_uploads = 0;
    uint32_t m_playing = PA_INVALID_INDEX;
    std::thread m_thread; // last: it starts once every other member is made
};

void ServerSound::Worker::Post(bool play, const QString& path)
{
    {
        std::lock_guard lock(m_mutex);
        m_pending = Request{play, path};
    }
    m_wake.notify_one();
}

void ServerSound::Worker::PostPrepare(const QString& path)
{
    {
        std::lock_guard lock(m_mutex);
        if (!m_prepare.contains(path))
            m_prepare.append(path);
    }
    m_wake.notify_one();
}

bool ServerSound::Worker::WaitUntilIdle(int ms)
{
    std::unique_lock lock(m_mutex);
    return m_idle.wait_for(lock, std::chrono::milliseconds(ms),
                           [this] { return !m_pending && m_prepare.isEmpty() && !m_busy; });
}

void ServerSound::Worker::Run()
{
    for (;;) {
        std::optional<Request> request;
        QString prepare;
        {
            std::unique_lock lock(m_mutex);
            m_busy = false;
            m_idle.notify_all();
            m_wake.wait(lock, [this] { return m_quit || m_pending || !m_prepare.isEmpty(); });
            if (m_quit)
                return;
            request.swap(m_pending);
            if (!request)
                prepare = m_prepare.takeFirst();
            m_busy = true;
        }
        if (request)
            Handle(*request);
        else
            Upload(prepare);
    }
}

void ServerSound::Worker::Upload(const QString& path)
{
    if (!Connected())
        return;
    m_pa.pa_threaded_mainloop_lock(m_loop);
    SampleFor(path);
    m_pa.pa_threaded_mainloop_unlock(m_loop);
}

void ServerSound::Worker::Handle(const Request& request)
{
    if (!Connected())
        return; // no library or no server: nothing plays, and nothing says so
    m_pa.pa_threaded_mainloop_lock(m_loop);
    // A new request always ends the sound still playing, even when the new
    // file turns out to be unplayable.
    StopPlaying();
    if (request.play) {
        if (const CachedSample* sample = SampleFor(request.path))
            StartSample(sample->name);
    }
    m_pa.pa_threaded_mainloop_unlock(m_loop);
}

bool ServerSound::Worker::Connected()
{
    if (m_noLibrary)
        return false;
    if (!m_loaded) {
        m_loaded = true;
        if (!m_pa.Load() || !(m_loop = m_pa.pa_threaded_mainloop_new())
            || m_pa.pa_threaded_mainloop_start(m_loop) < 0) {
            m_noLibrary = true;
            return false;
        }
    }
    m_pa.pa_threaded_mainloop_lock(m_loop);
    if (m_context && m_pa.pa_context_get_state(m_context) != PA_CONTEXT_READY)
        DropConnection(); // the server went away; try it afresh
    if (!m_context) {
        m_context = m_pa.pa_context_new(m_pa.pa_threaded_mainloop_get_api(m_loop), "Lumora");
        if (m_context) {
            m_pa.pa_context_set_state_callback(m_context, &Worker::Signal, this);
            // A game starts no sound server of its own.
            if (m_pa.pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
                DropConnection();
        }
        while (m_context) {
            const pa_context_state_t state = m_pa.pa_context_get_state(m_context);
            if (state == PA_CONTEXT_READY)
                break;
            if (!PA_CONTEXT_IS_GOOD(state))
                DropConnection();
            else
                m_pa.pa_threaded_mainloop_wait(m_loop);
        }
    }
    const bool ready = m_context != nullptr;
    m_pa.pa_threaded_mainloop_unlock(m_loop);
    return ready;
}

void ServerSound::Worker::DropConnection()
{
    m_pa.pa_context_set_state_callback(m_context, nullptr, nullptr);
    m_pa.pa_context_disconnect(m_context);
    m_pa.pa_context_unref(m_context);
    m_context = nullptr;
    m_samples.clear(); // a new server holds none of them
    m_playing = PA_INVALID_INDEX;
}

const ServerSound::Worker::CachedSample* ServerSound::Worker::SampleFor(const QString& path)
{
    // The file's own record, not QFileInfo's times: those are local times,
    // and the first one would load the time-zone database.
    struct stat info;
    if (path.isEmpty() || ::stat(EncodePath(path).constData(), &info) != 0 || !S_ISREG(info.st_mode)) {
        Forget(path);
        return nullptr;
    }
    const qint64 size = info.st_size;
    const qint64 modified = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    const auto known = m_samples.find(path);
    if (known != m_samples.end() && known->second.size == size && known->second.modified == modified)
        return &known->second;
    Forget(path); // changed on disk, or never seen

    if (size > kWaveMaxFileBytes)
        return nullptr;
    const QByteArray bytes = ReadWhole(path, size);
    const std::optional<WaveSamples> samples = ReadWaveHeader(bytes);
    if (!samples)
        return nullptr;
    const QByteArray name = "lumora-" + QByteArray::number(qint64(getpid())) + "-" + QByteArray::number(++m_uploads);
    if (!Upload(name, bytes, *samples))
        return nullptr;
    return &(m_samples[path] = CachedSample{size, modified, name});
}

bool ServerSound::Worker::Upload(const QByteArray& name, const QByteArray& file, const WaveSamples& samples)
{
    const pa_sample_spec spec{PulseFormat(samples.format), samples.rate, uint8_t(samples.channels)};
    pa_channel_map map;
    const pa_channel_map* layout = m_pa.pa_channel_map_init_auto(&map, unsigned(samples.channels), PA_CHANNEL_MAP_WAVEEX);
    pa_stream* stream = m_pa.pa_stream_new(m_context, name.constData(), &spec, layout);
    if (!stream)
        return false;
    m_pa.pa_stream_set_state_callback(stream, &Worker::SignalStream, this);
    bool written = false;
    if (m_pa.pa_stream_connect_upload(stream, size_t(samples.bytes)) == 0) {
        for (;;) {
            const pa_stream_state_t state = m_pa.pa_stream_get_state(stream);
            if (state == PA_STREAM_READY && !written) {
                written = m_pa.pa_stream_write(stream, file.constData() + samples.offset, size_t(samples.bytes),
                                               nullptr, 0, PA_SEEK_RELATIVE) == 0
                    && m_pa.pa_stream_finish_upload(stream) == 0;
                if (!written)
                    break;
            } else if (state == PA_STREAM_TERMINATED || state == PA_STREAM_FAILED) {
                written = written && state == PA_STREAM_TERMINATED;
                break;
            } else {
                m_pa.pa_threaded_mainloop_wait(m_loop);
            }
        }
    }
    m_pa.pa_stream_set_state_callback(stream, nullptr, nullptr);
    m_pa.pa_stream_unref(stream);
    return written;
}

void ServerSound::Worker::Forget(const QString& path)
{
    const auto known = m_samples.find(path);
    if (known == m_samples.end())
        return;
    if (pa_operation* op = m_pa.pa_context_remove_sample(m_context, known->second.name.constData(), nullptr, nullptr))
        m_pa.pa_operation_unref(op);
    m_samples.erase(known);
}

void ServerSound::Worker::StartSample(const QByteArray& name)
{
    pa_proplist* properties = m_pa.pa_proplist_new();
    m_pa.pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "event");
    m_pa.pa_proplist_sets(properties, PA_PROP_MEDIA_NAME, name.constData());
    // The server answers with the index of the playing sound, by which the
    // next request ends it.
    auto started = [](pa_context*, uint32_t index, void* self) {
        Worker* w = static_cast<Worker*>(self);
        w->m_playing = index;
        w->m_pa.pa_threaded_mainloop_signal(w->m_loop, 0);
    };
    WaitFor(m_pa.pa_context_play_sample_with_proplist(m_context, name.constData(), nullptr, PA_VOLUME_NORM,
                                                      properties, started, this));
    m_pa.pa_proplist_free(properties);
}

void ServerSound::Worker::StopPlaying()
{
    if (m_playing == PA_INVALID_INDEX)
        return;
    // Ending a sound that has already ended is refused by the server, harmlessly.
    if (pa_operation* op = m_pa.pa_context_kill_sink_input(m_context, m_playing, nullptr, nullptr))
        m_pa.pa_operation_unref(op);
    m_playing = PA_INVALID_INDEX;
}

void ServerSound::Worker::WaitFor(pa_operation* op)
{
    if (!op)
        return;
    while (m_pa.pa_operation_get_state(op) == PA_OPERATION_RUNNING)
        m_pa.pa_threaded_mainloop_wait(m_loop);
    m_pa.pa_operation_unref(op);
}

void ServerSound::Worker::Signal(pa_context*, void* self)
{
    Worker* w = static_cast<Worker*>(self);
    w->m_pa.pa_threaded_mainloop_signal(w->m_loop, 0);
}

void ServerSound::Worker::SignalStream(pa_stream*, void* self) { Signal(nullptr, self); }
void ServerSound::Worker::SignalDone(pa_context*, int, void* self) { Signal(nullptr, self); }

ServerSound::Worker::~Worker()
{
    {
        std::lock_guard lock(m_mutex);
        m_quit = true;
    }
    m_wake.notify_one();
    if (m_thread.joinable())
        m_thread.join();
    if (!m_loop)
        return;
    m_pa.pa_threaded_mainloop_lock(m_loop);
    if (m_context) {
        // The server keeps uploaded samples after the client has gone.
        pa_operation* last = nullptr;
        for (const auto& [path, sample] : m_samples) {
            if (last)
                m_pa.pa_operation_unref(last);
            last = m_pa.pa_context_remove_sample(m_context, sample.name.constData(), &Worker::SignalDone, this);
        }
        WaitFor(last);
        DropConnection();
    }
    m_pa.pa_threaded_mainloop_unlock(m_loop);
    m_pa.pa_threaded_mainloop_stop(m_loop);
    m_pa.pa_threaded_mainloop_free(m_loop);
}

// ---- the service ----------------------------------------------------------------

ServerSound::ServerSound() : m_worker(std::make_unique<Worker>()) {}
ServerSound::~ServerSound() = default;

void ServerSound::Play(const QString& path) { m_worker->Post(true, path); }
void ServerSound::Stop() { m_worker->Post(false, QString()); }
void ServerSound::Prepare(const QString& path) { m_worker->PostPrepare(path); }
bool ServerSound::WaitUntilIdle(int ms) { return m_worker->WaitUntilIdle(ms); }

ISound& Sound()
{
    static ServerSound real;
    return Current<ISound>(real);
}

} // namespace platform
