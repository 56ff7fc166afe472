#pragma once
// The application object. Its notify is the one place where an exception escaping any event
// handler (a mouse click on the sheet, a repaint, a menu command) is caught: it goes to the
// installed handler, which shows the two error boxes, and the event loop carries on.
#include <QApplication>

#include <exception>
#include <functional>

class QuillonApp : public QApplication {
public:
    // Null for "no exception object" (something other than a std::exception was thrown).
    using Ausnahmebehandlung = std::function<void(const std::exception*)>;

    QuillonApp(int& argc, char** argv);

    void setAusnahmebehandlung(Ausnahmebehandlung h) { behandlung_ = std::move(h); }
    bool notify(QObject* empfaenger, QEvent* ereignis) override;

private:
    Ausnahmebehandlung behandlung_;
};
