#pragma once
// The two linear-system tasks of "&Matrizen": dialogs that stay open and solve their system on
// every OK. The solving on texts is here, without a window, for the dialog, the headless runner
// and the tests.
#include "plane/linear_system_text.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Messages;

struct LinearSystemSpec {
    const char* handler; // "N2x2LGS1Click"
    const char* path;    // menu path without "&"
    const char* caption; // the dialog's title
    int size;            // 2 or 3
    // The fields in reading order: row by row, each row's coefficients and then its right side.
    int fieldCount() const { return size * (size + 1); }
};

const std::vector<LinearSystemSpec>& linearSystems();
const LinearSystemSpec* findLinearSystemByPath(std::string_view path);

// The message when the first pivot is 0; the dialog then puts the focus on the a11 field.
inline constexpr const char* a11Null = "Der Matrixwert a11 muss ungleich Null sein !";

// OK in the dialog: converts the texts (a text that is not a number throws ConversionError),
// and for a11 = 0 shows the message and returns nothing; otherwise eliminates and returns what
// the labels show. Throws std::invalid_argument for a wrong number of texts.
std::optional<LGSAnzeige> solveLinearSystem(const LinearSystemSpec& linearSystem,
                                            const std::vector<std::string>& texts,
                                            Messages& meldungen);

// The texts of the 3×3 dialog's "Beispiel": 3·x1 − 4·x2 + 2·x3 = 10, 5·x1 − 3·x2 + 4·x3 = 3,
// −2·x1 + 5·x2 − 3·x3 = −7.
std::vector<std::string> linearSystemExample();
