#include "controls/Events.h"

#include "controls/ErrorBox.h"

#include <exception>

void GuardedCall(const std::function<void()>& fn)
{
    try {
        fn();
    } catch (const std::exception& e) {
        ShowException(e);
    } catch (...) {
        ShowException(std::runtime_error("Unknown error"));
    }
}
