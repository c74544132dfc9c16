#include "platform/Registry.h"

#include "platform/FileOps.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QUrl>

namespace platform {
namespace {

// Printable characters that stay readable in the values file; everything
// else (the separator "=", "%", line ends, controls, non-ASCII) is
// percent-encoded.
const QByteArray kReadable = " !\"#$&'()*+,/:;<>?@[\\]^`{|}";

QString EncodeKeyPart(const QString& part)
{
    // Dots are encoded too, so "." and ".." stay ordinary names and no
    // key can be called like the values file.
    return QString::fromLatin1(QUrl::toPercentEncoding(part, " ", "."));
}

QString DecodePart(const QString& encoded)
{
    return QUrl::fromPercentEncoding(encoded.toLatin1());
}

// The default value (empty name) is written as "@", which no encoded name
// can be.
QByteArray EncodeValueName(const QString& name)
{
    return name.isEmpty() ? QByteArray("@") : QUrl::toPercentEncoding(name);
}

QString DecodeValueName(const QByteArray& encoded)
{
    return encoded == "@" ? QString() : QUrl::fromPercentEncoding(encoded);
}

// A values file holds two short strings; anything near this size is not
// one of ours.
constexpr qint64 kMaxValuesFile = 1 << 20;

} // namespace

QList<TValue> ParseValues(const QByteArray& text)
{
    QList<TValue> values;
    for (QByteArray line : text.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        const qsizetype eq = line.indexOf('=');
        if (line.startsWith('[') || eq <= 0)
            continue;
        values.append({DecodeValueName(line.left(eq)), QUrl::fromPercentEncoding(line.mid(eq + 1))});
    }
    return values;
}

QByteArray ValuesText(const QList<TValue>& values)
{
    QByteArray text = "[Values]\n";
    for (const TValue& v : values)
        text += EncodeValueName(v.name) + '=' + QUrl::toPercentEncoding(v.value, kReadable) + '\n';
    return text;
}

namespace {

// Only a regular file is read, and only so much of it.
QList<TValue> ReadValues(const QString& file)
{
    return ParseValues(ReadRegularFile(file, kMaxValuesFile).bytes);
}

// Whole or not at all; a link in the values file's place is replaced, not
// written through.
bool WriteValues(const QString& file, const QList<TValue>& values)
{
    return !WriteFileReplacing(file, ValuesText(values));
}

qsizetype FindValue(const QList<TValue>& values, const QString& name)
{
    for (qsizetype i = 0; i < values.size(); ++i)
        if (values[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

// The real store: the file store of the data folder as the environment
// names it at each call (tests move XDG_DATA_HOME between cases).
class TDataFolderStore : public IRegistryStore {
public:
    bool KeyExists(const QString& key) const override { return Files().KeyExists(key); }
    bool CreateKey(const QString& key) override { return Files().CreateKey(key); }
    bool WriteString(const QString& key, const QString& name, const QString& value) override
    {
        return Files().WriteString(key, name, value);
    }
    std::optional<QString> ReadString(const QString& key, const QString& name) const override
    {
        return Files().ReadString(key, name);
    }
    QStringList ValueNames(const QString& key) const override { return Files().ValueNames(key); }
    QStringList SubKeys(const QString& key) const override { return Files().SubKeys(key); }
    bool DeleteKey(const QString& key) override { return Files().DeleteKey(key); }

private:
    static TFileRegistryStore Files() { return TFileRegistryStore(DefaultRegistryFolder()); }
};

} // namespace

ERegistryException::ERegistryException(const QString& valueName)
    : std::runtime_error(QStringLiteral("Failed to set data for '%1'").arg(valueName).toStdString())
{
}

QString DefaultRegistryFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/Pellamar/registry/HKEY_LOCAL_MACHINE");
}

IRegistryStore& RegistryStore()
{
    static TDataFolderStore real;
    return Current<IRegistryStore>(real);
}

std::optional<QStringList> SplitKeyPath(const QString& key)
{
    QStringList parts = key.split(u'\\', Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return std::nullopt;
    for (const QString& p : parts)
        if (p.contains(QChar(0)))
            return std::nullopt;
    return parts;
}

TFileRegistryStore::TFileRegistryStore(QString folder) : m_folder(std::move(folder)) {}

std::optional<QString> TFileRegistryStore::FindKeyFolder(const QString& key) const
{
    const auto parts = SplitKeyPath(key);
    if (!parts)
        return std::nullopt;
    QString path = m_folder;
    for (const QString& part : *parts) {
        // Key folders are real folders: a link is never taken for a key,
        // so nothing below the store can lead out of it.
        const QString exact = path + u'/' + EncodeKeyPart(part);
        if (KindOf(exact) == TFileKind::Folder) {
            path = exact;
            continue;
        }
        bool found = false;
        const QStringList children = QDir(path).entryList(QDir::Dirs | QDir::NoSymLinks | QDir::NoDotAndDotDot | QDir::Hidden);
        for (const QString& child : children) {
            if (DecodePart(child).compare(part, Qt::CaseInsensitive) == 0) {
                path += u'/' + child;
                found = true;
                break;
            }
        }
        if (!found)
            return std::nullopt;
    }
    return path;
}

bool TFileRegistryStore::KeyExists(const QString& key) const
{
    return FindKeyFolder(key).has_value();
}

bool TFileRegistryStore::CreateKey(const QString& key)
{
    const auto parts = SplitKeyPath(key);
    if (!parts)
        return false;
    // Walk down as far as the key exists, then create the rest.
    QString path = m_folder;
    QString known;
    for (const QString& part : *parts) {
        known += u'\\' + part;
        if (const auto existing = FindKeyFolder(known)) {
            path = *existing;
            continue;
        }
        if (path == m_folder && !ForceDirectories(m_folder))
            return false;
        path += u'/' + EncodeKeyPart(part);
        // One folder at a time, and only where nothing stands: a link or a
        // file in the way is not a key.
        if (!QDir().mkdir(path) || KindOf(path) != TFileKind::Folder)
            return false;
    }
    return KindOf(path) == TFileKind::Folder;
}

bool TFileRegistryStore::WriteString(const QString& key, const QString& name, const QString& value)
{
    if (!CreateKey(key))
        return false;
    const auto folder = FindKeyFolder(key);
    if (!folder)
        return false;
    const QString file = *folder + u'/' + QLatin1String(kValuesFile);
    QList<TValue> values = ReadValues(file);
    const qsizetype i = FindValue(values, name);
    if (i >= 0)
        values[i].value = value;
    else
        values.append({name, value});
    return WriteValues(file, values);
}

std::optional<QString> TFileRegistryStore::ReadString(const QString& key, const QString& name) const
{
    const auto folder = FindKeyFolder(key);
    if (!folder)
        return std::nullopt;
    const QList<TValue> values = ReadValues(*folder + u'/' + QLatin1String(kValuesFile));
    const qsizetype i = FindValue(values, name);
    if (i < 0)
        return std::nullopt;
    return values[i].value;
}

QStringList TFileRegistryStore::ValueNames(const QString& key) const
{
    QStringList names;
    if (const auto folder = FindKeyFolder(key))
        for (const TValue& v : ReadValues(*folder + u'/' + QLatin1String(kValuesFile)))
            names << v.name;
    return names;
}

QStringList TFileRegistryStore::SubKeys(const QString& key) const
{
    QStringList names;
    if (const auto folder = FindKeyFolder(key))
        for (const QString& child :
             QDir(*folder).entryList(QDir::Dirs | QDir::NoSymLinks | QDir::NoDotAndDotDot | QDir::Hidden))
            names << DecodePart(child);
    return names;
}

bool TFileRegistryStore::DeleteKey(const QString& key)
{
    const auto parts = SplitKeyPath(key);
    if (!parts)
        return false;
    if (const auto folder = FindKeyFolder(key)) {
        // Sub-keys first, deepest first, then the key itself; a link inside
        // goes as a link, and what it points at stays.
        return RemoveTreeNoFollow(*folder).isEmpty();
    }
    // A link where the key's folder should be is no key, but it goes as a
    // link: what it points at is never entered.
    QStringList above = *parts;
    const QString last = above.takeLast();
    const auto parent = above.isEmpty() ? std::optional<QString>(m_folder) : FindKeyFolder(above.join(u'\\'));
    if (!parent)
        return false;
    for (const QString& child : QDir(*parent).entryList(QDir::System | QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        const QString path = *parent + u'/' + child;
        if (DecodePart(child).compare(last, Qt::CaseInsensitive) == 0 && KindOf(path) == TFileKind::Link)
            return !DeleteFileOnly(path);
    }
    return false;
}

TRegistry::TRegistry(TRootKey root) : m_root(root) {}

TRegistry::~TRegistry()
{
    CloseKey();
}

bool TRegistry::OpenKey(const QString& key, bool canCreate)
{
    CloseKey();
    IRegistryStore& store = RegistryStore();
    const bool ok = store.KeyExists(key) || (canCreate && store.CreateKey(key));
    if (ok) {
        m_open = true;
        m_current = key;
    }
    return ok;
}

void TRegistry::CloseKey()
{
    m_open = false;
    m_current.clear();
}

void TRegistry::WriteString(const QString& name, const QString& value)
{
    if (!m_open || !RegistryStore().WriteString(m_current, name, value))
        throw ERegistryException(name);
}

std::optional<QString> TRegistry::ReadString(const QString& name) const
{
    if (!m_open)
        return std::nullopt;
    return RegistryStore().ReadString(m_current, name);
}

bool TRegistry::DeleteKey(const QString& key)
{
    return RegistryStore().DeleteKey(key);
}

bool TRegistry::KeyExists(const QString& key) const
{
    return RegistryStore().KeyExists(key);
}

} // namespace platform
