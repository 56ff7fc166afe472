#include "app/startup.h"

#include "app/application.h"
#include "app/main_window.h"
#include "app/program.h"
#include "app/qt_messages.h"

#include <QScreen>

int fensterStarten(int& argc, char** argv) {
    QuillonApp app(argc, argv);
    QtMeldungen meldungen;
    Programm programm(meldungen);
    TForm1 form(programm);
    // Without a window manager (a bare X server) "maximized" does nothing, so the window is
    // given the screen's working area first.
    if (QScreen* s = QGuiApplication::primaryScreen()) form.setGeometry(s->availableGeometry());
    form.showMaximized();
    return app.exec();
}
