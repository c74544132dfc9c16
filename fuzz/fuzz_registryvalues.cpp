// Fuzzing the registry stand-in's values file: any bytes as "values.ini".
// Checked for every input: parsing never fails; what it gives, written out
// again, parses back to exactly the same values in the same order; and a
// name and value taken from the input itself survive a write and a read.
#include "platform/Registry.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdlib>

namespace {

bool Same(const QList<platform::TValue>& a, const QList<platform::TValue>& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i].name != b[i].name || a[i].value != b[i].value)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));

    // A values file as it may stand on disk.
    const QList<platform::TValue> values = platform::ParseValues(input);
    const QByteArray text = platform::ValuesText(values);
    if (!Same(platform::ParseValues(text), values))
        std::abort();
    if (platform::ValuesText(platform::ParseValues(text)) != text)
        std::abort();

    // A name and a value of any characters: the input split at its first
    // NUL byte (no NUL: all of it is the value of the default value).
    const qsizetype nul = input.indexOf('\0');
    const QString name = nul < 0 ? QString() : QString::fromUtf8(input.left(nul));
    const QString value = QString::fromUtf8(nul < 0 ? input : input.mid(nul + 1));
    const QList<platform::TValue> one = {{name, value}};
    const QList<platform::TValue> back = platform::ParseValues(platform::ValuesText(one));
    if (!Same(back, one))
        std::abort();
    return 0;
}
