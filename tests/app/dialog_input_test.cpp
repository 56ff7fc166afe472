#include "app/input_dialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
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

void typeAll(InputDialog& dialog, const Texts& texts) {
    for (int i = 0; i < static_cast<int>(texts.size()); ++i) typeInto(dialog.field(i), texts[i]);
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
    typeAll(dialog, texts);
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
    EXPECT_EQ(line.fieldCount(), 6);
    EXPECT_EQ(line.findChild<QLineEdit*>("Edit6"), line.field(5));
    EXPECT_EQ(labelsOf(line), (Texts{"X = ", "+ r"}));
    EXPECT_EQ(line.okButton()->text(), "OK");
    EXPECT_TRUE(line.okButton()->isDefault());
    EXPECT_EQ(line.cancelButton()->text(), "Abbrechen");
    ASSERT_NE(line.colourButton(), nullptr);
    EXPECT_EQ(line.colourButton()->text(), "Farbe");
    ASSERT_NE(line.exampleButton(), nullptr);
    EXPECT_EQ(line.exampleButton()->text(), "Bsp.");
    EXPECT_EQ(line.checkBox(), nullptr);

    // The support point and the direction stand as two columns of three.
    line.show();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(line.field(i)->x(), line.field(0)->x());
        EXPECT_EQ(line.field(i + 3)->y(), line.field(i)->y());
        EXPECT_GT(line.field(i + 3)->x(), line.field(i)->x());
    }
    EXPECT_LT(line.field(0)->y(), line.field(1)->y());
    line.close();

    InputDialog point("TPunktDlg", in);
    EXPECT_EQ(labelsOf(point), (Texts{"P(", "/", "/", ")"}));
    EXPECT_EQ(point.exampleButton()->text(), "Beispiel");
    point.show();
    EXPECT_EQ(point.field(0)->y(), point.field(2)->y()); // a point on one row
    EXPECT_LT(point.field(0)->x(), point.field(1)->x());
    point.close();

    EXPECT_EQ(labelsOf(InputDialog("TEbeneNormDlg", in)), (Texts{"E:", "x  -", "= 0"}));
    EXPECT_EQ(labelsOf(InputDialog("TKugelMDlg", in)), (Texts{"K:", "(x  -", ")", "2", "=", "2"}));
    EXPECT_EQ(labelsOf(InputDialog("TSpatProduktDlg", in, {"Spatprodukt:", 1})),
              (Texts{"p", "q", "r"}));

    // Two coloured objects: no colour button; no example where the row has none.
    InputDialog twoPlanes("TEbeneNormEbeneNormDlg", in);
    EXPECT_EQ(twoPlanes.colourButton(), nullptr);
    EXPECT_EQ(twoPlanes.exampleButton(), nullptr);
    EXPECT_EQ(twoPlanes.windowTitle(), "Zwei Ebenen:");

    EXPECT_THROW(InputDialog("TUnbekanntDlg", in), std::invalid_argument);
}

TEST(InputDialog, SpecialMembersShowTheirExtras) {
    LetzteEingaben in;
    InputDialog sphere("TKugel4PunkteDlg", in);
    ASSERT_NE(sphere.checkBox(), nullptr);
    EXPECT_EQ(sphere.checkBox()->text(), "mit einbeschriebenem Tetraeder zeichnen");
    EXPECT_EQ(sphere.findChild<QCheckBox*>("CheckBox1"), sphere.checkBox());
    sphere.checkBox()->setChecked(true);
    typeAll(sphere, Texts(12, "1"));
    sphere.okButton()->click();
    EXPECT_TRUE(sphere.outcome().checked);

    Texts labels = labelsOf(InputDialog("TPunkteGeradeGeradeDlg", in));
    ASSERT_GE(labels.size(), 3u);
    EXPECT_EQ(slice(labels, 0, 3),
              (Texts{"Die Routine berechnet eine Gerade von einem ",
                     "Punkt aus, die zwei andere windschiefe Geraden", "schneidet."}));

    InputDialog product("TSkalarProduktDLG", in, {"Skalarprodukt:", 1});
    EXPECT_EQ(product.windowTitle(), "Skalarprodukt:");
    EXPECT_EQ(product.outcome().colours, (std::vector<TFarbe>{0x00FFFF, 0x00FF00}));
}

TEST(InputDialog, OkInOnePlaneDialogFillsEveryNormalFormPlane) {
    LetzteEingaben in;
    seedFirstUseValues(in);
    DialogResult r = confirm("TEbeneNormDlg", in, {"1", "2", "3", "4"});
    EXPECT_TRUE(r.accepted);
    EXPECT_EQ(r.texts, (Texts{"1", "2", "3", "4"}));
    const Texts plane{"1", "2", "3", "4"};
    EXPECT_EQ(slice(InputDialog("TEbeneNPunktDLG", in).texts(), 0, 4), plane);
    EXPECT_EQ(slice(InputDialog("TGeradeEbeneNormDlg", in).texts(), 6, 4), plane);
    EXPECT_EQ(slice(InputDialog("TTetraederEbeneDlg", in).texts(), 12, 4), plane);
    EXPECT_EQ(slice(InputDialog("TEbeneParEbeneNormDlg", in).texts(), 9, 4), plane);
    // The two-normal-form dialog has groups of its own.
    EXPECT_EQ(InputDialog("TEbeneNormEbeneNormDlg", in).texts(), Texts(8, ""));
}

TEST(InputDialog, OpensWithFirstUseValuesOrEmptyFields) {
    LetzteEingaben in;
    seedFirstUseValues(in);
    EXPECT_EQ(InputDialog("TDreieckDlg", in).texts(),
              (Texts{"4", "1", "0", "0", "6", "0", "0", "1", "7"}));
    EXPECT_EQ(InputDialog("TGeradeDlg", in).texts(), Texts(6, ""));
    EXPECT_EQ(InputDialog("TPunktDlg", in).texts(), Texts(3, ""));
    // The last accepted values win over the first-use values.
    confirm("TEbene3PunkteDlg", in, {"1", "1", "1", "2", "2", "2", "3", "3", "3"});
    EXPECT_EQ(InputDialog("TDreieckDlg", in).texts(),
              (Texts{"1", "1", "1", "2", "2", "2", "3", "3", "3"}));
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
        DialogResult r = dialog.outcome();
        EXPECT_FALSE(r.accepted);
    }
    EXPECT_EQ(in.point, (LetzteEingaben::Texts<3>{"7", "8", "9"}));
    EXPECT_EQ(InputDialog("TGeradePunktDlg", in).texts()[6], "7");

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
    EXPECT_EQ(line.texts(), (Texts{"1", "2", "-1", "1", "-1", "2"}));
    line.okButton()->click();
    EXPECT_EQ(InputDialog("TGeradeKugelMDlg", in).texts(),
              (Texts{"1", "2", "-1", "1", "-1", "2", "", "", "", ""}));

    InputDialog sphere("TKugelVPunktDlg", in);
    sphere.exampleButton()->click();
    EXPECT_EQ(sphere.texts(), (Texts{"2", "2", "8", "0", "4", "0", "10"}));
}

TEST(InputDialog, PointAndTwoLinesStoresZeroForEmptyFields) {
    LetzteEingaben in;
    InputDialog dialog("TPunkteGeradeGeradeDlg", in);
    typeInto(dialog.field(0), "-4");
    typeInto(dialog.field(14), "2.5");
    dialog.okButton()->click();
    Texts expected(15, "0");
    expected[0] = "-4";
    expected[14] = "2.5";
    EXPECT_EQ(dialog.outcome().texts, expected);
    EXPECT_EQ(dialog.field(1)->text(), "0");
    EXPECT_EQ(in.point, (LetzteEingaben::Texts<3>{"-4", "0", "0"}));
    EXPECT_EQ(in.line2, (LetzteEingaben::Texts<6>{"0", "0", "0", "0", "0", "2.5"}));
    // Any other dialog keeps an empty field empty.
    DialogResult r = confirm("TPunktDlg", in, {"", "1", ""});
    EXPECT_EQ(r.texts, (Texts{"", "1", ""}));
    EXPECT_EQ(in.point[0], "");
}

TEST(InputDialog, TypingTheFirstFocusYAlsoSetsTheSecond) {
    LetzteEingaben in;
    seedFirstUseValues(in);
    in.focus2 = {"2", "9"};
    InputDialog dialog("TEllipseF1F2PDlg", in);
    // Opening keeps each remembered text.
    EXPECT_EQ(dialog.texts(), (Texts{"-3", "2", "2", "9", "2", "4"}));
    typeInto(dialog.field(1), "-1.5");
    EXPECT_EQ(dialog.field(3)->text(), "-1.5");
    typeInto(dialog.field(3), "4"); // F2's y may then be edited on its own
    EXPECT_EQ(dialog.field(1)->text(), "-1.5");
    dialog.okButton()->click();
    EXPECT_EQ(in.focus1, (LetzteEingaben::Texts<2>{"-3", "-1.5"}));
    EXPECT_EQ(in.focus2, (LetzteEingaben::Texts<2>{"2", "4"}));
}

TEST(InputDialog, FocusAndTangentDialogShowsZeroForTheFocusYAtEveryOpening) {
    LetzteEingaben in;
    seedFirstUseValues(in);
    EXPECT_EQ(InputDialog("TEllipseFtDlg", in).texts(), (Texts{"-3", "0", "1", "2", "10"}));
    confirm("TEllipseFtDlg", in, {"-4", "5", "1", "1", "3"});
    EXPECT_EQ(in.focus1, (LetzteEingaben::Texts<2>{"-4", "2"})); // y is not remembered
    EXPECT_EQ(InputDialog("TEllipseFtDlg", in).texts(), (Texts{"-4", "0", "1", "1", "3"}));
}

TEST(InputDialog, AffineEquationDialogEditsTheSlotItIsGiven) {
    LetzteEingaben in;
    InputDialog dialog("TAffAbbEingabeDlg", in, {"", 2});
    EXPECT_EQ(dialog.windowTitle(), "Abbildungsgleichung: Aff. Abb. Nr. 2");
    auto* slot = dialog.findChild<QLabel*>("StaticText2");
    ASSERT_NE(slot, nullptr);
    EXPECT_EQ(slot->text(), "a2:");
    dialog.exampleButton()->click();
    EXPECT_EQ(dialog.texts(), (Texts{"1", "0", "0", "1", "0", "0"}));
    EXPECT_EQ(slot->text(), "a2:");
    dialog.okButton()->click();
    EXPECT_EQ(in.map2, (LetzteEingaben::Texts<6>{"1", "0", "0", "1", "0", "0"}));
    EXPECT_EQ(in.map1, LetzteEingaben::Texts<6>{});
    EXPECT_EQ(InputDialog("TAffAbbEingabeDlg", in, {"", 2}).texts()[0], "1");
    EXPECT_EQ(InputDialog("TAffAbbEingabeDlg", in, {"", 3}).texts()[0], "");
    EXPECT_THROW(InputDialog("TAffAbbEingabeDlg", in, {"", 4}), std::out_of_range);
}

TEST(InputDialog, ColourButtonKeepsTheChosenColour) {
    LetzteEingaben in;
    InputDialog dialog("TPunktDlg", in);
    EXPECT_EQ(dialog.colour(), 0x00FF00u);
    TFarbe offered = 0;
    dialog.setColourChooser([&](TFarbe current, QWidget*) -> std::optional<TFarbe> {
        offered = current;
        return 0x123456;
    });
    dialog.colourButton()->click();
    EXPECT_EQ(offered, 0x00FF00u);
    EXPECT_EQ(dialog.colour(), 0x123456u);
    dialog.setColourChooser([](TFarbe, QWidget*) { return std::optional<TFarbe>(); });
    dialog.colourButton()->click(); // the user cancels the chooser
    typeAll(dialog, {"1", "2", "3"});
    dialog.okButton()->click();
    EXPECT_EQ(dialog.outcome().colours, std::vector<TFarbe>{0x123456});

    // The four vectors of the linear-dependence dialog have no preset colour.
    EXPECT_EQ(InputDialog("TLineeareAbh4Dlg", in).outcome().colours, std::vector<TFarbe>(4, 0));
}

TEST(InputDialog, OkRemembersAtMost255Characters) {
    LetzteEingaben in;
    const std::string longText(300, '5');
    DialogResult r = confirm("TKugelMDlg", in, {longText, "0", "0", "1"});
    EXPECT_EQ(r.texts[0], longText); // the caller reads the field as typed
    EXPECT_EQ(in.sphereM[0], std::string(255, '5'));
}
