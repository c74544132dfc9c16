#include "platform/Resources.h"

#include <QFile>

#include <array>

namespace platform {
namespace {

struct NamedResource {
    const char* name;
    const char* path;
};

// The program's named data resources and the embedded files holding them.
constexpr std::array<NamedResource, 4> kNamedResources = {{
    {"BIBLEWORDS", ":/biblewords.txt"},
    {"USEDWORD", ":/usedword.wav"},
    {"NEWWORD", ":/newword.wav"},
    {"BIBLEVERSES", ":/bibleverses.txt"},
}};

QChar FoldAscii(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') ? QChar(char16_t(u - u'a' + u'A')) : c;
}

class EmbeddedResources : public IResources {
public:
    std::optional<QByteArray> Find(const QString& name) const override
    {
        const QString path = EmbeddedResourcePath(name);
        if (path.isEmpty())
            return std::nullopt;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt; // named, but not built into this program
        return file.readAll();
    }
};

} // namespace

bool SameResourceName(const QString& a, const QString& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (FoldAscii(a[i]) != FoldAscii(b[i]))
            return false;
    return true;
}

QString EmbeddedResourcePath(const QString& name)
{
    for (const NamedResource& r : kNamedResources)
        if (SameResourceName(name, QLatin1String(r.name)))
            return QLatin1String(r.path);
    return {};
}

IResources& Resources()
{
    static EmbeddedResources real;
    return Current<IResources>(real);
}

void MapResources::Add(const QString& name, const QByteArray& bytes)
{
    for (auto& entry : m_entries)
        if (SameResourceName(entry.first, name)) {
            entry.second = bytes;
            return;
        }
    m_entries.append({name, bytes});
}

std::optional<QByteArray> MapResources::Find(const QString& name) const
{
    lookups.append(name);
    for (const auto& entry : m_entries)
        if (SameResourceName(entry.first, name))
            return entry.second;
    return std::nullopt;
}

} // namespace platform
