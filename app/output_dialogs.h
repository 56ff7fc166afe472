#pragma once
// The output commands' dialogs as the user meets them: Qt's file dialog with the picture
// filters, the "Zeichnung drucken" dialog, Qt's print, print preview and page set-up dialogs.
#include "app/output_commands.h"

class QWidget;

class QtOutputDialogs : public OutputDialogs {
public:
    explicit QtOutputDialogs(QWidget* parent) : parent_(parent) {}

    std::optional<std::string> saveFileName(const std::string& title) override;
    std::optional<DrawingPrintChoice> drawingPrint(const DrawingPrintChoice& last) override;
    bool printDialog(QPrinter& printer) override;
    void printPreview(QPrinter& printer, const std::function<void(QPrinter&)>& paint) override;
    void printerSetup(QPrinter& printer) override;

private:
    QWidget* parent_;
};
