#include "controls/core/ErrorBox.h"

#include "platform/Dialogs.h"

#include <QGuiApplication>

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

void ShowException(const std::exception& e)
{
    platform::Dialogs().ShowError(ApplicationTitle(), ErrorBoxText(QString::fromUtf8(e.what())));
}
