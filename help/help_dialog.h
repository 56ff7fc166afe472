#pragma once
// The "Rechenhilfe" dialog: the help page of the current task in a rich-text view, then the
// worked solution with the task's numbers; "OK", "Drucken" (through the print dialog) and
// "Abbrechen".
#include "help/help_content.h"

#include <QDialog>

class QPrinter;
class QPushButton;
class QTextDocument;
class QTextEdit;

class TRechenhilfeDlg : public QDialog {
public:
    explicit TRechenhilfeDlg(const HelpContent& content, QWidget* parent = nullptr);

    QTextEdit* RichEdit1 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* DruckenBtn = nullptr;
    QPushButton* AbbrechenBtn = nullptr;

    // Prints the view's whole content on the printer.
    void print(QPrinter& printer);

private:
    void FormShow(const HelpContent& content);
    void DruckenClick();
};

// The page as rich text, appended at the end of the document (the first paragraph fills the
// document's empty first block).
void appendRtf(QTextDocument& doc, const RtfDocument& rtf);
