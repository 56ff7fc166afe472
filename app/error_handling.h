#pragma once
// The program's two error reactions, shared by the main window and the headless runner:
// `fehler` for an object that fails its input test, `AppException` for every error that escapes
// a command or event handler. Plain C++; the boxes go through Messages.
#include "core/messages.h"

#include <exception>
#include <utility>

// Default beep, then the program's error box.
void fehler(Messages& m);

// `fehler`, then the standard box with the error's own message. The program goes on.
void AppException(Messages& m, const std::exception& e);
// The same for an error that carries no message of its own.
void AppException(Messages& m);

// Runs f; an exception escaping it is reported with AppException instead of travelling further.
// Answers true when f returned normally.
template <class F> bool withErrorHandling(Messages& m, F&& f) {
    try {
        std::forward<F>(f)();
        return true;
    } catch (const std::exception& e) {
        AppException(m, e);
    } catch (...) {
        AppException(m);
    }
    return false;
}
