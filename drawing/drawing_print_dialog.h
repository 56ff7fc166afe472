#pragma once
// The dialog "Zeichnung drucken": how large the drawing is printed (a quarter, half or the whole
// page width) and whether in black and white or in colour. It only asks; the printing is the
// output commands' (app/output_commands.h). "Vorschau ..." closes it asking for a print preview.
#include <QDialog>

class QButtonGroup;

// What the dialog answers.
struct DrawingPrintChoice {
    int groesse = 2; // 0 "1/4 Seitenbreite", 1 "Halbe Seitenbreite", 2 "Ganze Seitenbreite"
    bool farbig = false;
    bool vorschau = false; // the user asked for a print preview instead of printing at once
};

class TZeichnungdruckDLG : public QDialog {
    Q_OBJECT
public:
    explicit TZeichnungdruckDLG(const DrawingPrintChoice& start, QWidget* parent = nullptr);
    // The choice as the dialog shows it.
    DrawingPrintChoice wahl() const;

private:
    QButtonGroup* RadioGroup1;
    QButtonGroup* RadioGroup2;
    bool vorschau_ = false;
};
