#pragma once
// Message boxes: the standard error box, the "Confirm" question, the
// "Information" notice and the installer's "Error" retry question.
#include "platform/Service.h"

#include <QString>
#include <QStringList>

namespace platform {

class IDialogs {
public:
    virtual ~IDialogs() = default;
    // Modal box: caption, text, error icon, one OK button.
    virtual void ShowError(const QString& caption, const QString& text) = 0;
    // Caption "Confirm", question icon, Yes and No; true for Yes.
    virtual bool Confirm(const QString& text) = 0;
    // Caption "Information", information icon, OK.
    virtual void Inform(const QString& text) = 0;
    // Caption "Error", error icon, Yes and No; true for Yes.
    virtual bool AskRetry(const QString& text) = 0;
};

// The current dialogs (real QMessageBox windows unless a test replaced them).
IDialogs& Dialogs();

// A stand-in for tests: records every box and answers questions from a
// queue (Yes when the queue is empty, unless defaultAnswer says otherwise).
class RecordingDialogs : public IDialogs {
public:
    struct Shown {
        QString kind; // "error", "confirm", "inform", "retry"
        QString caption;
        QString text;
    };
    void ShowError(const QString& caption, const QString& text) override;
    bool Confirm(const QString& text) override;
    void Inform(const QString& text) override;
    bool AskRetry(const QString& text) override;

    QList<Shown> shown;
    QList<bool> answers;
    bool defaultAnswer = true;

    int Count(const QString& kind) const;
    QStringList Texts(const QString& kind) const;

private:
    bool NextAnswer();
};

} // namespace platform
