#include "app/error_handling.h"

#include <string>

void fehler(Messages& m) {
    m.beep();
    m.errorBox(meldung::Eingabefehler);
}

void AppException(Messages& m, const std::exception& e) {
    fehler(m);
    m.exceptionBox(e.what());
}

void AppException(Messages& m) {
    fehler(m);
    m.exceptionBox("Unbekannter Fehler");
}
