#pragma once
// The output commands' dialogs answered by the test: the file name to save under (none: Cancel),
// the choice of "Zeichnung drucken" (none: "Abbrechen"), the print dialog's printer (empty:
// Cancel). It counts what was asked.
#include "app/output_commands.h"

#include <QPrinter>

struct ScriptedOutput : OutputDialogs {
    std::optional<std::string> datei;
    std::optional<DrawingPrintChoice> wahl;
    QString drucker;
    std::vector<std::string> gefragt; // save dialogs' titles, "drucken", "einrichtung", …

    std::optional<std::string> saveFileName(const std::string& title) override {
        return gefragt.push_back(title), datei;
    }
    std::optional<DrawingPrintChoice> drawingPrint(const DrawingPrintChoice&) override {
        return gefragt.push_back("Zeichnung drucken"), wahl;
    }
    bool printDialog(QPrinter& printer) override {
        gefragt.push_back("drucken");
        printer.setPrinterName(drucker);
        return !drucker.isEmpty();
    }
    void printPreview(QPrinter&, const std::function<void(QPrinter&)>&) override {}
    void printerSetup(QPrinter&) override { gefragt.push_back("einrichtung"); }
};
