// Fuzzing the form-file reader: any bytes as a form file, read onto a fresh
// form with every standard class registered and a few handlers to bind.
// Checked for every input: the syntax check and the reader agree about
// syntax errors; a failed read leaves no component behind; a successful
// read leaves the form no longer loading. Leaks and memory errors are the
// sanitizers' to find.
#include "controls/core/Form.h"
#include "controls/core/FormReader.h"
#include "QtFuzzing.h"

#include <QApplication>
#include <QByteArray>
#include <cstdint>
#include <cstdlib>

namespace {

class FuzzForm : public TForm {
public:
    FuzzForm()
    {
        RegisterHandler(QStringLiteral("FormCreate"), &FuzzForm::Notify);
        RegisterHandler(QStringLiteral("Click"), &FuzzForm::Notify);
        RegisterHandler(QStringLiteral("MouseDown"), &FuzzForm::MouseDown);
    }
    void Notify(QObject*) { ++notified; }
    void MouseDown(QObject*, TMouseButton, TShiftState, int, int) {}
    int notified = 0;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    StartQtApplication<QApplication>(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<TFormError> syntax = CheckFormSyntax(text);

    FuzzForm form;
    const std::optional<TFormError> error = form.LoadFromForm(text);
    if (syntax && !error)
        std::abort(); // a syntax error the reader let through
    if (syntax && error && syntax->Line != error->Line)
        std::abort();
    if (error) {
        if (form.ComponentCount() != 0 || form.notified != 0)
            std::abort();
        if (error->ToString().isEmpty())
            std::abort();
    } else if (form.IsLoading()) {
        std::abort();
    }
    // Deferred deletions and posted events of the read run now and then.
    static unsigned calls = 0;
    if (++calls % 64 == 0)
        QCoreApplication::processEvents();
    return 0;
}
