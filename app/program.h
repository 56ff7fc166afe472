#pragma once
// The program-wide state: everything that lives for the whole run and carries over from one
// task to the next. The application owns one Programm and hands it by reference to the windows
// and the task commands; there are no other globals.
#include "app/remembered_inputs.h"
#include "core/messages.h"
#include "core/scene.h"
#include "drawing/view.h"
#include "sheet/sheet.h"

struct Programm {
    explicit Programm(Messages& m) : meldungen(m) {}
    Programm(const Programm&) = delete;
    Programm& operator=(const Programm&) = delete;

    Messages& meldungen;     // every box and beep
    ViewState ansicht;       // drawing window: origin, units, angles, colours, 2-D mode
    Optionen optionen;       // drawing options set by the tasks and the context menu
    Szene szene;             // the 3-D scene of the last task
    LetzteEingaben eingaben; // the last accepted texts of the input dialogs
    // The result sheet's picture and text; the window sizes it when it is placed. It reads the
    // colour mode of the view state.
    Sheet sheet{2, 2, ansicht.farbig};
};
