#include "controls/ErrorBox.h"

#include "platform/Dialogs.h"

#include <QGuiApplication>

QString ErrorBoxText(const QString& message)
{
    if (!message.isEmpty() && message.back() > QChar(u'.'))
        return message + u'.';
    return message;
}

void ShowException(const std::exception& e)
{
    platform::Dialogs().ShowError(QGuiApplication::applicationDisplayName(),
                                  ErrorBoxText(QString::fromUtf8(e.what())));
}
