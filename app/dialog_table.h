#pragma once
// The input dialogs as one table: each row names a dialog class ("TGeradeDlg") and gives its
// caption, the labels and edit fields laid out like the formula, the remembered group behind each
// run of fields, the colour presets and the example texts. One dialog class (input_dialog.h)
// builds any row; the functions at the end do the dialog's work on plain texts, so that tests and
// the headless runner can run a task without a window and still remember what was typed.
#include "app/remembered_inputs.h"
#include "core/vector.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// One element of a dialog line; a line's elements stand left to right, vertically centred.
struct DialogItem {
    enum class Kind { Label, Raised, Fields };
    Kind kind = Kind::Label;
    // Label, Raised: the text. Fields: a heading above the block ("" for none).
    std::string text{};
    // Fields: a block of edit fields, read row by row.
    int rows = 1;
    int columns = 1;
    // Fields: the label between two fields of one row ("/" in a point).
    std::string separator{};
    // Label: object name of a label that a hook changes ("StaticText2"); "" otherwise.
    std::string objectName{};
};
using DialogLine = std::vector<DialogItem>;

// A run of consecutive fields, in reading order, tied to texts first .. first+count-1 of a group.
struct FieldBinding {
    InputGroup group = InputGroup::None;
    int first = 0;
    int count = 0;
};

// The preset colour of one object of the dialog (0x00BBGGRR).
struct ColourPreset {
    std::string object{};
    TFarbe colour = 0;
};

// The example button's text for a field that the example leaves alone.
inline constexpr std::string_view unchangedByExample = "·";

struct DialogRow {
    std::string className{};
    // The window title; for the rows with captionFromCaller the caller supplies it, for the
    // affine-map row the slot number is appended.
    std::string caption{};
    bool captionFromCaller = false;
    // Lines top to bottom. The reading order of the fields (the order of the texts everywhere)
    // is line by line, element by element, and row by row within a block.
    std::vector<DialogLine> lines{};
    // Bindings in reading order; together they cover every field.
    std::vector<FieldBinding> bindings{};
    // One preset per coloured object, in the order of the objects; the "Farbe" button changes
    // the first.
    std::vector<ColourPreset> colours{};
    bool colourButton = false;
    std::string exampleCaption{}; // "Beispiel", "Bsp." or "" (no example button)
    // One text per field, or empty when there is no example; unchangedByExample leaves a field.
    std::vector<std::string> example{};
    std::string checkBox{}; // caption of the check box, "" for none

    // Hooks of the few special members.
    bool emptyFieldsToZero = false; // OK first puts "0" into every empty field
    int copyFrom = -1;              // while field copyFrom changes, its text goes to field copyTo
    int copyTo = -1;
    std::vector<std::pair<int, std::string>> presetOnOpen{}; // set on every opening, after filling
    bool affineSlot =
        false; // the Map1 binding follows the slot (1..3); "a1:" label and caption too

    int fieldCount() const;
};

// Every row, in the order of the menus.
const std::vector<DialogRow>& dialogTable();
// The row of a dialog class, or nullptr.
const DialogRow* findDialog(std::string_view className);

// What the caller tells a dialog before it opens.
struct DialogOptions {
    std::string caption; // for the rows with captionFromCaller
    int affineSlot = 1;  // for the affine-map row: the map slot 1, 2 or 3
};

// What a dialog hands back: OK or Cancel, the field texts in reading order (as the fields hold
// them after OK, not cut), the colours of the objects and the check box.
struct DialogResult {
    bool accepted = false;
    std::vector<std::string> texts;
    std::vector<TFarbe> colours;
    bool checked = false;
};

// The window title for the given options.
std::string dialogCaption(const DialogRow& row, const DialogOptions& options);
// The group a binding reads and writes for the given options (the affine row follows the slot).
// Throws std::out_of_range for a slot outside 1..3.
InputGroup boundGroup(const DialogRow& row, const FieldBinding& binding,
                      const DialogOptions& options);
// The texts the fields show when the dialog opens: the remembered texts (empty for fields
// without a group), then the texts the row presets on every opening.
std::vector<std::string> openingTexts(const DialogRow& row, const LetzteEingaben& inputs,
                                      const DialogOptions& options = {});
// Puts the example texts into the fields they name.
void applyExample(const DialogRow& row, std::vector<std::string>& texts);
// What OK does before the dialog closes: the row's own changes to the texts (empty fields to
// "0"), then every text, cut to 255 characters, into its remembered group.
void rememberTexts(const DialogRow& row, LetzteEingaben& inputs, std::vector<std::string>& texts,
                   const DialogOptions& options = {});
// OK without a window, for tests and the headless runner: remembers the texts and returns what
// the dialog would have returned, with the preset colours. Throws std::invalid_argument when the
// number of texts differs from the number of fields.
DialogResult acceptTexts(const DialogRow& row, LetzteEingaben& inputs,
                         std::vector<std::string> texts, const DialogOptions& options = {},
                         bool checked = false);
