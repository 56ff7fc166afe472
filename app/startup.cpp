#include "app/startup.h"

#include "app/application.h"
#include "app/main_window.h"
#include "app/program.h"
#include "app/qt_messages.h"

#include <QLibraryInfo>
#include <QScreen>
#include <QTranslator>

int fensterStarten(int& argc, char** argv) {
    QuillonApp app(argc, argv);
    // Qt's own dialogs and menus (the colour chooser, an edit field's context menu) speak German
    // like the rest of the program, whatever the user's locale; without the translation files
    // they stay English.
    QTranslator qtDeutsch;
    if (qtDeutsch.load(QStringLiteral("qtbase_de"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtDeutsch);
    QtMessages meldungen;
    Programm programm(meldungen);
    TForm1 form(programm);
    // Without a window manager (a bare X server) "maximized" does nothing, so the window is
    // given the screen's working area first.
    if (QScreen* s = QGuiApplication::primaryScreen()) form.setGeometry(s->availableGeometry());
    form.showMaximized();
    return app.exec();
}
