#pragma once
// Message boxes and the system beep, as one small interface: the program shows real boxes, tests
// record what would have been shown (and answer questions as the test says), the headless runner
// prints to stderr. Nothing that goes through here can block a test.
#include <string>

class Messages {
public:
    virtual ~Messages() = default;
    // The default system beep.
    virtual void beep() = 0;
    // A modal box with an error symbol and one OK button. Line breaks are written "\r\n".
    virtual void errorBox(const std::string& text) = 0;
    // The application's standard box for an exception's own message (second box of the handler).
    virtual void exceptionBox(const std::string& text) = 0;
    // A modal box with an error symbol and a single Cancel button.
    virtual void cancelBox(const std::string& text) = 0;
    // A modal box with an information symbol and one OK button.
    virtual void infoBox(const std::string& text) = 0;
    // A question with the buttons Yes and No; true for Yes.
    virtual bool askYesNo(const std::string& text) = 0;
};

namespace meldung {
// The program's error box, shown by `fehler` (beep first).
inline const char* const Eingabefehler =
    "Ihre Eingaben enthalten einen Fehler !\r\nKann das Objekt nicht berechnen !\r\n\r\n"
    "Wahrscheinlich zu viele \"Nullen\" oder Eingabefeld leer !";
// The error box of the editing on the sheet (its own text, typos included).
inline const char* const Editierfehler =
    "Ihre Eingaben entalten einen Fehler !\r\nKann das Objekt nicht berechnen !\r\n\r\n"
    "Wahrscheinlich zu viele \"Nullen\".\r\nGruss: Velmar";
inline const char* const Beenden = "Möchten Sie das Programm\r\ntatsächlich beenden ?";
inline const char* const Vektorprodukt_Null =
    "Die beiden Vektoren sind linear abhängig !\r\nVektorprodukt ergibt den Nullvektor";
} // namespace meldung
