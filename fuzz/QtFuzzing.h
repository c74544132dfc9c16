#pragma once
// What the fuzzers that need Qt share. Included by the one source file of
// each fuzzer.
#include <cstdlib>

// Fontconfig and Qt's font engines keep caches for the process's life (the
// application object is never destroyed); leaks anywhere else still count.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\nleak:libQt6Gui.so\n";
}

// Makes the application object of class App once, on Qt's offscreen
// platform unless another one is asked for. It lives until the process
// ends: destroying it in the exit handlers would run after Qt's own
// statics are gone.
template <class App>
void StartQtApplication(int* argc, char*** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int appArgc = *argc; // the application keeps a reference to it
    static App* app = new App(appArgc, *argv); // reachable, so no leak
    (void)app;
}
