// The one input dialog class on real widgets: the formula layout and buttons of its row, the
// special members, OK remembering what was typed, Cancel remembering nothing, the example and
// colour buttons.
#include "app/input_dialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

// Types text into a field key by key, as a user would (clearing it first).
void typeInto(QLineEdit* edit, const std::string& text) {
    edit->clear();
    for (QChar ch : QString::fromStdString(text)) {
        QKeyEvent press(QEvent::KeyPress, ch.unicode(), Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(edit, &press);
    }
}

Texts labelsOf(const InputDialog& dialog) {
    Texts out;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        out.push_back(label->text().toStdString());
    return out;
}

// Opens a dialog, types the texts and presses OK.
DialogResult confirm(const std::string& className, LetzteEingaben& in, const Texts& texts,
                     const DialogOptions& options = {}) {
    InputDialog dialog(className, in, options);
    for (std::size_t i = 0; i < texts.size(); ++i) typeInto(dialog.field(int(i)), texts[i]);
    dialog.okButton()->click();
    return dialog.outcome();
}

Texts slice(const Texts& t, std::size_t from, std::size_t n) {
    return Texts(t.begin() + static_cast<long>(from), t.begin() + static_cast<long>(from + n));
}

} // namespace

TEST(InputDialog, BuildsTheFormulaAndButtonsOfItsRow) {
    LetzteEingaben in;
    InputDialog line("TGeradeDlg", in);
    EXPECT_EQ(line.windowTitle(), "Gerade:");
    EXPECT_EQ(line.findChild<QLineEdit*>("Edit6"), line.field(5));
    EXPECT_EQ(labelsOf(line), (Texts{"X = ", "+ r"}));
    EXPECT_TRUE(line.okButton()->isDefault());
    ASSERT_TRUE(line.colourButton() && line.exampleButton());
    EXPECT_EQ(
        (Texts{line.okButton()->text().toStdString(), line.cancelButton()->text().toStdString(),
               line.colourButton()->text().toStdString(),
               line.exampleButton()->text().toStdString()}),
        (Texts{"OK", "Abbrechen", "Farbe", "Bsp."}));
    EXPECT_EQ(line.checkBox(), nullptr);

    // The support point and the direction stand as two columns of three; a point on one row.
    line.show();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(line.field(i)->x(), line.field(0)->x());
        EXPECT_EQ(line.field(i + 3)->y(), line.field(i)->y());
        EXPECT_GT(line.field(i + 3)->x(), line.field(i)->x());
    }
    EXPECT_LT(line.field(0)->y(), line.field(1)->y());
    InputDialog point("TPunktDlg", in);
    EXPECT_EQ(labelsOf(point), (Texts{"P(", "/", "/", ")"}));
    EXPECT_EQ(point.exampleButton()->text(), "Beispiel");
    point.show();
    EXPECT_EQ(point.field(0)->y(), point.field(2)->y());
    EXPECT_LT(point.field(0)->x(), point.field(1)->x());

    // Raised exponents and headings above field blocks.
    EXPECT_EQ(labelsOf(InputDialog("TKugelMDlg", in)), (Texts{"K:", "(x  -", ")", "2", "=", "2"}));
    EXPECT_EQ(labelsOf(InputDialog("TSpatProduktDlg", in, {"Spatprodukt:", 1})),
              (Texts{"p", "q", "r"}));

    // Two coloured objects: no colour button; no example where the row has none.
    InputDialog twoPlanes("TEbeneNormEbeneNormDlg", in);
    EXPECT_EQ(twoPlanes.colourButton(), nullptr);
    EXPECT_EQ(twoPlanes.exampleButton(), nullptr);
    EXPECT_THROW(InputDialog("TUnbekanntDlg", in), std::invalid_argument);
}

TEST(InputDialog, SpecialMembersShowTheirExtras) {
    LetzteEingaben in;
    InputDialog sphere("TKugel4PunkteDlg", in);
    ASSERT_NE(sphere.checkBox(), nullptr);
    EXPECT_EQ(sphere.checkBox()->text(), "mit einbeschriebenem Tetraeder zeichnen");
    EXPECT_EQ(sphere.findChild<QCheckBox*>("CheckBox1"), sphere.checkBox());
    sphere.checkBox()->setChecked(true);
    sphere.okButton()->click();
    EXPECT_TRUE(sphere.outcome().checked);

    EXPECT_EQ(slice(labelsOf(InputDialog("TPunkteGeradeGeradeDlg", in)), 0, 3),
              (Texts{"Die Routine berechnet eine Gerade von einem ",
                     "Punkt aus, die zwei andere windschiefe Geraden", "schneidet."}));

    // The affine equation dialog edits the slot it is given.
    InputDialog affine("TAffAbbEingabeDlg", in, {"", 2});
    auto* slot = affine.findChild<QLabel*>("StaticText2");
    ASSERT_NE(slot, nullptr);
    EXPECT_EQ(slot->text(), "a2:");
    affine.exampleButton()->click();
    affine.okButton()->click();
    EXPECT_EQ(in.map2, (LetzteEingaben::Texts<6>{"1", "0", "0", "1", "0", "0"}));
    EXPECT_EQ(in.map1, LetzteEingaben::Texts<6>{});
}

TEST(InputDialog, OkFillsEveryDialogOfTheGroupAndWinsOverFirstUseValues) {
    LetzteEingaben in;
    seedFirstUseValues(in);
    const Texts plane{"1", "2", "3", "4"};
    DialogResult r = confirm("TEbeneNormDlg", in, plane);
    EXPECT_TRUE(r.accepted);
    EXPECT_EQ(r.texts, plane);
    EXPECT_EQ(slice(InputDialog("TTetraederEbeneDlg", in).texts(), 12, 4), plane);
    // The two-normal-form dialog has groups of its own.
    EXPECT_EQ(InputDialog("TEbeneNormEbeneNormDlg", in).texts(), Texts(8, ""));

    confirm("TEbene3PunkteDlg", in, {"1", "1", "1", "2", "2", "2", "3", "3", "3"});
    EXPECT_EQ(InputDialog("TDreieckDlg", in).texts(),
              (Texts{"1", "1", "1", "2", "2", "2", "3", "3", "3"}));

    // The caller reads a long field as typed; at most 255 characters are remembered.
    const std::string longText(300, '5');
    EXPECT_EQ(confirm("TKugelMDlg", in, {longText, "0", "0", "1"}).texts[0], longText);
    EXPECT_EQ(in.sphereM[0], std::string(255, '5'));
}

TEST(InputDialog, CancelRemembersNothingEvenAfterTheExample) {
    LetzteEingaben in;
    confirm("TPunktDlg", in, {"7", "8", "9"});
    {
        InputDialog dialog("TPunktDlg", in);
        typeInto(dialog.field(0), "100");
        dialog.exampleButton()->click();
        EXPECT_EQ(dialog.texts(), (Texts{"1", "2", "5"}));
        dialog.cancelButton()->click();
        EXPECT_FALSE(dialog.outcome().accepted);
    }
    EXPECT_EQ(in.point, (LetzteEingaben::Texts<3>{"7", "8", "9"}));

    // Closing with Escape is Cancel too.
    InputDialog dialog("TPunktDlg", in);
    typeInto(dialog.field(1), "0");
    dialog.reject();
    EXPECT_FALSE(dialog.outcome().accepted);
    EXPECT_EQ(in.point[1], "8");
}

TEST(InputDialog, ExampleButtonsFillExactlyTheFieldsTheyName) {
    LetzteEingaben in;
    seedFirstUseValues(in);
    InputDialog planePoint("TEbeneNPunktDLG", in);
    typeInto(planePoint.field(3), "9");
    planePoint.exampleButton()->click();
    EXPECT_EQ(planePoint.texts(), (Texts{"0", "0", "1", "9", "2", "2", "8"}));

    InputDialog line("TGeradeDlg", in);
    line.exampleButton()->click();
    line.okButton()->click();
    EXPECT_EQ(InputDialog("TGeradeKugelMDlg", in).texts(),
              (Texts{"1", "2", "-1", "1", "-1", "2", "", "", "", ""}));
}

TEST(InputDialog, PointAndTwoLinesStoresZeroForEmptyFields) {
    LetzteEingaben in;
    InputDialog dialog("TPunkteGeradeGeradeDlg", in);
    typeInto(dialog.field(0), "-4");
    typeInto(dialog.field(14), "2.5");
    dialog.okButton()->click();
    Texts expected(15, "0");
    expected.front() = "-4";
    expected.back() = "2.5";
    EXPECT_EQ(dialog.outcome().texts, expected);
    EXPECT_EQ(dialog.field(1)->text(), "0");
    EXPECT_EQ(in.point, (LetzteEingaben::Texts<3>{"-4", "0", "0"}));
}

TEST(InputDialog, FocusDialogsCopyOrResetTheFirstFocusY) {
    LetzteEingaben in;
    seedFirstUseValues(in);
    in.focus2 = {"2", "9"};
    InputDialog dialog("TEllipseF1F2PDlg", in);
    // Opening keeps each remembered text; typing F1's y also sets F2's y, not the other way.
    EXPECT_EQ(dialog.texts(), (Texts{"-3", "2", "2", "9", "2", "4"}));
    typeInto(dialog.field(1), "-1.5");
    EXPECT_EQ(dialog.field(3)->text(), "-1.5");
    typeInto(dialog.field(3), "4");
    EXPECT_EQ(dialog.field(1)->text(), "-1.5");
    dialog.okButton()->click();
    EXPECT_EQ(in.focus1, (LetzteEingaben::Texts<2>{"-3", "-1.5"}));
    EXPECT_EQ(in.focus2, (LetzteEingaben::Texts<2>{"2", "4"}));

    // Focus and tangent: the focus y shows 0 at every opening and is not remembered.
    confirm("TEllipseFtDlg", in, {"-4", "5", "1", "1", "3"});
    EXPECT_EQ(in.focus1, (LetzteEingaben::Texts<2>{"-4", "-1.5"}));
    EXPECT_EQ(InputDialog("TEllipseFtDlg", in).texts(), (Texts{"-4", "0", "1", "1", "3"}));
}

TEST(InputDialog, ColourButtonKeepsTheChosenColour) {
    LetzteEingaben in;
    InputDialog dialog("TPunktDlg", in);
    TFarbe offered = 0;
    dialog.setColourChooser([&](TFarbe current, QWidget*) -> std::optional<TFarbe> {
        offered = current;
        return 0x123456;
    });
    dialog.colourButton()->click();
    EXPECT_EQ(offered, 0x00FF00u);
    dialog.setColourChooser([](TFarbe, QWidget*) { return std::optional<TFarbe>(); });
    dialog.colourButton()->click(); // the user cancels the chooser
    dialog.okButton()->click();
    EXPECT_EQ(dialog.outcome().colours, std::vector<TFarbe>{0x123456});
}
