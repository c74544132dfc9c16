#pragma once
// The application's standard error box: the error's message (with a full stop
// appended when its last character sorts after "."), the application title as
// caption, the error icon and one OK button.
#include <QString>
#include <stdexcept>

// The message as the error box shows it.
QString ErrorBoxText(const QString& message);
// The application title, the caption of the error box. Until it is set, the
// application's display name.
QString ApplicationTitle();
void SetApplicationTitle(const QString& title);
// What the error box says for e: its message, or plain words for a failed
// allocation ("std::bad_alloc" is no message for a player).
QString ExceptionMessage(const std::exception& e);
// Shows the error box for e through the platform's dialogs.
void ShowException(const std::exception& e);
