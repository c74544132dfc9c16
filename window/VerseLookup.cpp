#include "window/VerseLookup.h"

#include "platform/Resources.h"

std::optional<game::TWordVerse> TVerseLookup::Find(const QString& word) const
{
    if (!m_index) {
        const std::optional<QByteArray> bytes = platform::Resources().Find(QString::fromLatin1(kResourceName));
        m_index.emplace(bytes ? bytes->toStdString() : std::string());
    }
    return m_index->Find(word.toStdString());
}
