#pragma once
// The one input dialog class: builds any row of the dialog table — labels and edit fields laid
// out like the formula, "OK" and "Abbrechen", and "Farbe", the example button or the check box
// where the row has them — fills the fields from the remembered inputs when it opens and writes
// them back on OK. Tests drive it without exec() through the accessors (or findChild by the
// object names "Edit1".., "OKBtn", "CancelBtn", "FarbeBtn", "BeispielBtn", "CheckBox1").
#include "app/dialog_table.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

class InputDialog : public QDialog {
    Q_OBJECT
public:
    // Asks for a colour, starting from the current one; nullopt when the user cancels.
    using ColourChooser = std::function<std::optional<TFarbe>(TFarbe current, QWidget* parent)>;

    // Throws std::invalid_argument for a class name the table does not know, std::out_of_range
    // for an affine slot outside 1..3.
    InputDialog(const std::string& className, LetzteEingaben& inputs,
                const DialogOptions& options = {}, QWidget* parent = nullptr);
    InputDialog(const DialogRow& row, LetzteEingaben& inputs, const DialogOptions& options = {},
                QWidget* parent = nullptr);

    const DialogRow& row() const { return row_; }
    int fieldCount() const { return static_cast<int>(fields_.size()); }
    // The edit field at a reading-order index (0-based; object name "Edit" + (index + 1)).
    QLineEdit* field(int index) const;
    QPushButton* okButton() const { return okButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }
    QPushButton* colourButton() const { return colourButton_; }   // nullptr when the row has none
    QPushButton* exampleButton() const { return exampleButton_; } // nullptr when the row has none
    QCheckBox* checkBox() const { return checkBox_; }             // nullptr when the row has none

    std::vector<std::string> texts() const;
    // The colour field of an object, 0x00BBGGRR.
    TFarbe colour(int object = 0) const;
    // Replaces the colour chooser ("Farbe"); the default is the platform's colour dialog.
    void setColourChooser(ColourChooser chooser) { chooser_ = std::move(chooser); }

    // OK or Cancel, the texts as the fields hold them, the colours and the check box.
    DialogResult outcome() const;

private:
    void build();
    void addLine(const DialogLine& line);
    void okClicked();
    void exampleClicked();
    void colourClicked();
    void setTexts(const std::vector<std::string>& texts);

    const DialogRow row_; // a copy, so a caller's own row may go out of scope
    LetzteEingaben& inputs_;
    DialogOptions options_;
    std::vector<QLineEdit*> fields_;
    std::vector<TFarbe> colours_;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* colourButton_ = nullptr;
    QPushButton* exampleButton_ = nullptr;
    QCheckBox* checkBox_ = nullptr;
    ColourChooser chooser_;
    bool okPressed_ = false;
};

// Shows the dialog of a class modally and returns what it handed back.
DialogResult runInputDialog(const std::string& className, LetzteEingaben& inputs,
                            const DialogOptions& options = {}, QWidget* parent = nullptr);
