#pragma once
// A small registry of keys and string values, kept as files under the
// user's data folder. There is one root, HKEY_LOCAL_MACHINE; a key is named
// by its path below the root with "\" between its parts
// ("SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Lumora Game"), and
// key names compare without regard to case, as the system's own registry
// does. Each key is a folder; its values live in the file "values.ini" of
// that folder (Qt's INI format). Key and value names are percent-encoded on
// disk (dots included), so no name can leave the store or collide with the
// values file.
//
//     platform::TRegistry reg;            // root HKEY_LOCAL_MACHINE
//     reg.SetLazyWrite(false);
//     reg.OpenKey(keyPath, true);         // created with its parents
//     reg.WriteString("DisplayName", "Lumora");   // throws ERegistryException
//     reg.CloseKey();
//
// Tests point the store at a folder of their own with a TFileRegistryStore
// behind platform::ScopedService<platform::IRegistryStore>, or replace it
// with a stand-in that fails.
#include "platform/Service.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>

namespace platform {

// A value that could not be written: "Failed to set data for '%s'".
class ERegistryException : public std::runtime_error {
public:
    explicit ERegistryException(const QString& valueName);
};

enum class TRootKey { HKEY_LOCAL_MACHINE };

// The store behind the registry: whole key paths, no open state.
class IRegistryStore {
public:
    virtual ~IRegistryStore() = default;
    virtual bool KeyExists(const QString& key) const = 0;
    // Creates the key and every missing key above it; true when it exists
    // afterwards.
    virtual bool CreateKey(const QString& key) = 0;
    // Writes the value through to disk; false when it is not stored.
    virtual bool WriteString(const QString& key, const QString& name, const QString& value) = 0;
    virtual std::optional<QString> ReadString(const QString& key, const QString& name) const = 0;
    virtual QStringList ValueNames(const QString& key) const = 0;
    virtual QStringList SubKeys(const QString& key) const = 0;
    // Deletes the key with its values and all its sub-keys; false when it
    // is missing or some of it stays.
    virtual bool DeleteKey(const QString& key) = 0;
};

// The current store (HKEY_LOCAL_MACHINE below the user's data folder,
// unless a test replaced it).
IRegistryStore& RegistryStore();

// The folder of the real store: <data folder>/Pellamar/registry/HKEY_LOCAL_MACHINE.
QString DefaultRegistryFolder();

// The parts of a key path: split at "\", empty parts dropped (so a
// trailing or doubled separator names the same key). Nothing when a part
// cannot be a key name (it holds a NUL character) or there are no parts.
std::optional<QStringList> SplitKeyPath(const QString& key);

// One value of a key, and the text of a values file: "[Values]" and one
// "name=value" line each, both percent-encoded (the default value's name
// is "@"). Parsing passes over every line it cannot take; what ValuesText
// writes parses back to the same values.
struct TValue {
    QString name;
    QString value;
};
QList<TValue> ParseValues(const QByteArray& text);
QByteArray ValuesText(const QList<TValue>& values);

// The file store. Key folders are real folders: a link in a key's place is
// never taken for a key nor followed (deleting the key removes the link
// itself). Every operation refuses key paths that SplitKeyPath
// refuses.
class TFileRegistryStore : public IRegistryStore {
public:
    explicit TFileRegistryStore(QString folder);

    QString Folder() const { return m_folder; }

    bool KeyExists(const QString& key) const override;
    bool CreateKey(const QString& key) override;
    bool WriteString(const QString& key, const QString& name, const QString& value) override;
    std::optional<QString> ReadString(const QString& key, const QString& name) const override;
    QStringList ValueNames(const QString& key) const override;
    QStringList SubKeys(const QString& key) const override;
    bool DeleteKey(const QString& key) override;

    static constexpr const char* kValuesFile = "values.ini";

private:
    // The folder of an existing key (parts matched without regard to case),
    // or nothing.
    std::optional<QString> FindKeyFolder(const QString& key) const;

    QString m_folder;
};

// The registry object: a root, one open key at a time, string values.
class TRegistry {
public:
    explicit TRegistry(TRootKey root = TRootKey::HKEY_LOCAL_MACHINE);
    ~TRegistry();
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    TRootKey RootKey() const { return m_root; }
    // Every write goes through to disk in this store; kept for callers that
    // ask for it.
    void SetLazyWrite(bool lazy) { m_lazyWrite = lazy; }
    bool LazyWrite() const { return m_lazyWrite; }

    // Opens the key, creating it with its parents when canCreate; false
    // when it is missing (or cannot be created). Closes the previous key.
    bool OpenKey(const QString& key, bool canCreate);
    void CloseKey();

    // Writes a string value into the open key. Throws ERegistryException
    // when no key is open or the value cannot be stored.
    void WriteString(const QString& name, const QString& value);
    // Reads a string value of the open key; nothing when it is missing.
    std::optional<QString> ReadString(const QString& name) const;

    // Deletes a key below the root with everything in it.
    bool DeleteKey(const QString& key);
    bool KeyExists(const QString& key) const;

private:
    TRootKey m_root;
    bool m_lazyWrite = true;
    bool m_open = false;
    QString m_current;
};

} // namespace platform
