// The program: the application title, the one window, the event loop.
#include "controls/core/Application.h"
#include "bench/FirstPaintExit.h"
#include "window/Form1.h"
#include "window/ProgramFile.h"

// LUMORA_EXIT_AFTER_FIRST_PAINT set in the environment ends the program
// after its first paint, for start-up measurements.
int main(int argc, char** argv)
{
    // The name the program was started under chooses its face and folder.
    RememberProgramName(argc > 0 ? argv[0] : nullptr);
    TApplication app(argc, argv);
    app.SetTitle(QStringLiteral("Lumora - find the words hidden in the cross"));

    TForm1* form = TApplication::CreateForm<TForm1>();
    if (qEnvironmentVariableIsSet("LUMORA_EXIT_AFTER_FIRST_PAINT"))
        form->installEventFilter(new TFirstPaintExit(form));
    form->show();
    app.exec();
    delete form;
    return 0;
}
