#pragma once
// The data files carried inside the program: the word list, the two sounds
// and the verse of every word, looked up by their resource names
// ("biblewords", "usedword", "newword", "bibleverses") without regard to
// case.
#include "platform/Service.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <optional>

namespace platform {

class IResources {
public:
    virtual ~IResources() = default;
    // The whole content of the named resource, byte for byte, or nothing
    // when no resource has that name.
    virtual std::optional<QByteArray> Find(const QString& name) const = 0;
};

// The current resources (the ones embedded in the program unless a test
// replaced them).
IResources& Resources();

// The embedded file that holds the named resource (":/biblewords.txt" for
// "BibleWords"), or an empty string for an unknown name. Letters compare
// without regard to case, A-Z only: no other character is folded.
QString EmbeddedResourcePath(const QString& name);

// Resource names compared the way the lookup compares them.
bool SameResourceName(const QString& a, const QString& b);

// A stand-in for tests: a table of names and contents, compared like the
// real lookup. Every call to Find is counted in `lookups`.
class MapResources : public IResources {
public:
    void Add(const QString& name, const QByteArray& bytes);
    std::optional<QByteArray> Find(const QString& name) const override;

    mutable QStringList lookups;

private:
    QList<QPair<QString, QByteArray>> m_entries;
};

} // namespace platform
