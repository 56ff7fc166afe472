#include "app/application.h"

QuillonApp::QuillonApp(int& argc, char** argv) : QApplication(argc, argv) {}

bool QuillonApp::notify(QObject* empfaenger, QEvent* ereignis) {
    try {
        return QApplication::notify(empfaenger, ereignis);
    } catch (const std::exception& e) {
        if (!behandlung_) throw;
        behandlung_(&e);
    } catch (...) {
        if (!behandlung_) throw;
        behandlung_(nullptr);
    }
    return false;
}
