#pragma once
#include "platform/Dialogs.h"

namespace platform {

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
