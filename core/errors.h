#pragma once
// The few exceptions of the program. Computation throws them exactly where a division by zero,
// an invalid operation, a pixel value outside the 32-bit range or a text that is not a number
// would otherwise produce garbage; the application-wide handler turns them into the two boxes.
#include <stdexcept>
#include <string>

// Base of every error the program raises on purpose; what() is the German message shown in the
// second box.
struct QuillonError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Division by zero, 0/0, the square root of a negative number, or a result beyond the double range.
struct MathError : QuillonError {
    using QuillonError::QuillonError;
};

// A projected or computed pixel coordinate that does not fit a 32-bit integer.
struct RangeError : QuillonError {
    using QuillonError::QuillonError;
};

// Integer arithmetic (unit counts, pixel positions on the sheet) that leaves the 32-bit range.
struct OverflowError : QuillonError {
    using QuillonError::QuillonError;
};

// A text typed into a dialog that is not a number.
struct ConversionError : QuillonError {
    using QuillonError::QuillonError;
};

namespace fehlertext {
inline const char* const DivisionDurchNull = "Gleitkommadivision durch Null";
inline const char* const UngueltigeOperation = "Ungültige Gleitkommaoperation";
inline const char* const Gleitkommaueberlauf = "Gleitkommaüberlauf";
inline const char* const Bereichsfehler = "Fehler bei Bereichsprüfung";
inline const char* const Integerueberlauf = "Integer-Überlauf";
} // namespace fehlertext
