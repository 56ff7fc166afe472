#pragma once
// The linear-system dialogs ("Lösen eines LGS (2 x 2)" and the 3 × 3 one): the augmented matrix
// as edit fields (all starting at "0"), OK solves and shows the reduced matrix and the solution
// in the dialog's labels, and the dialog stays open for the next system until it is closed.
#include "app/linear_systems.h"

#include <QDialog>

#include <string>
#include <vector>

class Messages;
class QLabel;
class QLineEdit;
class QPushButton;

class LinearSystemDialog : public QDialog {
    Q_OBJECT
public:
    LinearSystemDialog(const LinearSystemSpec& linearSystem, Messages& meldungen,
                       QWidget* parent = nullptr);

    QLineEdit* field(int index) const { return fields_.at(static_cast<std::size_t>(index)); }
    QPushButton* okButton() const { return ok_; }
    QPushButton* exampleButton() const { return example_; } // nullptr for 2 × 2
    // The result labels' texts, top to bottom; empty while they are hidden.
    std::vector<std::string> shownTexts() const;

    // OK: hides the results, solves and shows them (or the a11 message with the focus on a11).
    void solve();

private:
    const LinearSystemSpec& linearSystem_;
    Messages& meldungen_;
    std::vector<QLineEdit*> fields_;
    std::vector<QLabel*> results_;
    QPushButton* ok_ = nullptr;
    QPushButton* example_ = nullptr;
};

// Shows the dialog of this linear system modally until the user closes it.
void runLinearSystemDialog(const LinearSystemSpec& linearSystem, Messages& meldungen,
                           QWidget* parent);
