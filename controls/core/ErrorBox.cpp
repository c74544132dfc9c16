#include "controls/core/ErrorBox.h"

#include "platform/Dialogs.h"

#include <QGuiApplication>
#include <new>

QString ErrorBoxText(const QString& message)
{
    if (!message.isEmpty() && message.back() > QChar(u'.'))
        return message + u'.';
    return message;
}

namespace {
QString& StoredTitle()
{
    static QString title;
    return title;
}
} // namespace

QString ApplicationTitle()
{
    const QString& t = StoredTitle();
    return t.isNull() ? QGuiApplication::applicationDisplayName() : t;
}

void SetApplicationTitle(const QString& title)
{
    StoredTitle() = title.isNull() ? QString(QStringLiteral("")) : title;
}

QString ExceptionMessage(const std::exception& e)
{
    // A failed allocation says so in the player's words, not the library's.
    if (dynamic_cast<const std::bad_alloc*>(&e))
        return QStringLiteral("There is not enough memory to go on. Close other programs and try again.");
    return QString::fromUtf8(e.what());
}

void ShowException(const std::exception& e)
{
    platform::Dialogs().ShowError(ApplicationTitle(), ErrorBoxText(ExceptionMessage(e)));
}
