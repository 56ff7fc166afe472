// The dialog table: captions, the consistency of every row, the first-use values, OK without
// a window and the 255-character limit (the examples are checked on the real dialog).
#include "app/dialog_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using G = InputGroup;
using Texts = std::vector<std::string>;

const DialogRow& rowOf(const std::string& className) {
    const DialogRow* row = findDialog(className);
    if (!row) throw std::runtime_error("missing row " + className);
    return *row;
}

// The texts a dialog opens with, as a plain list.
Texts opening(const std::string& className, const LetzteEingaben& in, int slot = 1) {
    return openingTexts(rowOf(className), in, {"", slot});
}

} // namespace

TEST(DialogTable, CaptionsFromTheCallerOrTheSlot) {
    // The vector dialogs serve several tasks; their handlers set the caption.
    EXPECT_EQ(dialogCaption(rowOf("TSkalarProduktDLG"), {"Vektorprodukt:", 1}), "Vektorprodukt:");
    EXPECT_EQ(dialogCaption(rowOf("TKugelV_EbeneNormDlg"), {}), "Dialog");
    EXPECT_EQ(findDialog("TNichtDaDlg"), nullptr);
    const DialogRow& affine = rowOf("TAffAbbEingabeDlg");
    EXPECT_EQ(dialogCaption(affine, {"", 3}), "Abbildungsgleichung: Aff. Abb. Nr. 3");
    EXPECT_THROW(dialogCaption(affine, {"", 0}), std::out_of_range);
    EXPECT_THROW(dialogCaption(affine, {"", 4}), std::out_of_range);
}

TEST(DialogTable, EveryRowIsConsistent) {
    std::set<std::string> names;
    LetzteEingaben in;
    for (const DialogRow& row : dialogTable()) {
        SCOPED_TRACE(row.className);
        EXPECT_TRUE(names.insert(row.className).second) << "duplicate row";
        EXPECT_GT(row.fieldCount(), 0);
        int bound = 0;
        for (const FieldBinding& b : row.bindings) {
            bound += b.count;
            EXPECT_TRUE(b.group == G::None ||
                        std::size_t(b.first + b.count) <= in.group(b.group).size());
        }
        EXPECT_EQ(bound, row.fieldCount());
        EXPECT_EQ(row.example.empty(), row.exampleCaption.empty());
        EXPECT_TRUE(row.example.empty() || int(row.example.size()) == bound);
        EXPECT_TRUE(!row.colourButton || row.colours.size() == 1u);
        EXPECT_EQ(row.captionFromCaller, row.caption.empty());
        EXPECT_LT(std::max({row.copyFrom, row.copyTo}), row.fieldCount());
        for (const auto& [field, text] : row.presetOnOpen) EXPECT_LT(field, row.fieldCount());
    }
}

TEST(DialogTable, FirstUseValuesFillOnlyTheSeededGroups) {
    LetzteEingaben in;
    in.point = {"7", "8", "9"};
    seedFirstUseValues(in);
    const std::vector<std::pair<std::string, Texts>> faelle = {
        {"TDreieckDlg", {"4", "1", "0", "0", "6", "0", "0", "1", "7"}},
        {"TGeradeDlg", Texts(6, "")},
        {"TPunktDlg", {"7", "8", "9"}},
        {"TDreieck2dlg", {"-4", "-1", "4", "-1", "0", "6"}},
        {"TMatmult2x2Dlg", {"1", "2", "1", "0", "1", "0", "-1", "3"}},
    };
    for (const auto& [name, texts] : faelle) EXPECT_EQ(opening(name, in), texts) << name;
    const Texts b = opening("TMatMul3x3Dlg", in);
    EXPECT_EQ(Texts(b.begin() + 9, b.end()),
              (Texts{"0", "1", "-1", "2", "-2", "-1", "1", "0", "-2"}));
    EXPECT_EQ(opening("TAffAbbEingabeDlg", in, 2), Texts(6, ""));
    // Dialogs that ask for part of a group read just that part (ellipse 1, 1, 5, 3; F1 -3, 2).
    EXPECT_EQ(opening("TEllipseHatDlg", in)[0], "5");
    EXPECT_EQ(opening("TEllipseMatDlg", in)[2], "5");
    EXPECT_EQ(opening("TEllipseFtDlg", in)[0], "-3");
}

// What OK remembers is checked on the real dialog; here what differs without a window.
TEST(DialogTable, AcceptingTextsRemembersThemLikeOk) {
    LetzteEingaben in;
    DialogResult r =
        acceptTexts(rowOf("TGeradePunktDlg"), in, {"1", "2", "3", "4", "5", "6", "7", "8", "9"});
    EXPECT_TRUE(r.accepted);
    EXPECT_EQ(r.colours, (std::vector<TFarbe>{0x00FFFF, 0x00FF00}));
    EXPECT_EQ(opening("TKugelMPunktDlg", in), (Texts{"7", "8", "9", "", "", "", ""}));
    EXPECT_THROW(acceptTexts(rowOf("TPunktDlg"), in, {"1", "2"}), std::invalid_argument);
    EXPECT_EQ(in.point, (LetzteEingaben::Texts<3>{"7", "8", "9"}));

    // At most 255 whole characters are remembered, not bytes.
    std::string umlauts;
    for (int i = 0; i < 300; ++i) umlauts += "ä";
    EXPECT_EQ(cutToRememberedLength(umlauts).size(), 2u * 255u);
    EXPECT_EQ(cutToRememberedLength("1.5"), "1.5");
}
