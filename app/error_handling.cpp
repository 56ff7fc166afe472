#include "app/error_handling.h"

#include <string>

void fehler(Meldungen& m) {
    m.piep();
    m.fehlerBox(meldung::Eingabefehler);
}

void AppException(Meldungen& m, const std::exception& e) {
    fehler(m);
    m.ausnahmeBox(e.what());
}

void AppException(Meldungen& m) {
    fehler(m);
    m.ausnahmeBox("Unbekannter Fehler");
}
