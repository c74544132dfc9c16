#include "controls/core/Events.h"

#include "controls/core/ErrorBox.h"

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
