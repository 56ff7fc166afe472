#pragma once
// The output commands of "Datei" and "Bearbeiten": copy the drawing (in colour or black and
// white) and the result sheet to the clipboard, save them as picture files, print them, and set
// up the printer. The dialogs they ask go through OutputDialogs: Qt's dialogs in the program, a
// script in tests.
#include "app/picture_output.h"
#include "drawing/drawing_print_dialog.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class Befehle;
class Messages;
class QPrinter;
struct Programm;

// The save dialog's filters: the bitmap formats first ("Bitmaps (*.bmp)" is preselected), then
// PNG, SVG and PDF.
const std::vector<std::string>& saveFilters();
inline constexpr int PreselectedFilter = 1;

class OutputDialogs {
public:
    virtual ~OutputDialogs() = default;
    // The save dialog with its title; the chosen file name (with its extension), nullopt for
    // Cancel.
    virtual std::optional<std::string> saveFileName(const std::string& title) = 0;
    // The "Zeichnung drucken" dialog, opened with the last choice; nullopt for "Abbrechen".
    virtual std::optional<DrawingPrintChoice> drawingPrint(const DrawingPrintChoice& last) = 0;
    // Qt's print dialog on the printer; false for Cancel.
    virtual bool printDialog(QPrinter& printer) = 0;
    // The print preview of the pages that `paint` prints; the user may print from it.
    virtual void printPreview(QPrinter& printer, const std::function<void(QPrinter&)>& paint) = 0;
    // The printer set-up dialog (page size and orientation); its result is not used.
    virtual void printerSetup(QPrinter& printer) = 0;
};

class OutputCommands {
public:
    OutputCommands(Programm& programm, OutputDialogs& dialogs);
    ~OutputCommands();
    OutputCommands(const OutputCommands&) = delete;
    OutputCommands& operator=(const OutputCommands&) = delete;

    // Registers the nine commands under their menu names.
    void registerAll(Befehle& befehle);

    // Asked after every drawing command, also when it failed (the window paints again).
    std::function<void()> redraw;
    // The drawing switched an option on: the window's check marks must follow.
    std::function<void()> optionsChanged;

    // The printer of the run: the set-up and the print dialogs' choices stay in it.
    QPrinter& printer();
    // Another source of answers (tests script them).
    void setDialogs(OutputDialogs& dialogs) { dialogs_ = &dialogs; }

    void Zeichnungkopieren1Click() { copyDrawing(true); }
    void schwarzweiss1Click() { copyDrawing(false); }
    void farbig2Click() { saveDrawing(true); }
    void schwarzweiss2Click() { saveDrawing(false); }
    void Ergebnissekopieren1Click();
    void Ergebnisse2Click();
    void Ergebnisse1Click();
    void Zeichnung1Click();
    void Druckereinrichtung1Click();

private:
    void copyDrawing(bool farbig);
    void saveDrawing(bool farbig);
    PictureSource drawing(bool farbig, bool aufWeiss = false);
    // Portrait, then the print dialog; false when the user cancelled.
    bool choosePrinter();

    Programm& p_;
    OutputDialogs* dialogs_;
    std::unique_ptr<QPrinter> printer_;
    DrawingPrintChoice lastChoice_;
};
