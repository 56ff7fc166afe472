// A mouse press on the result sheet's picture in the main window reaches the click editing: the
// scene's number changes and the sheet is rewritten, while the dialog's remembered texts stay.
#include "app/main_window.h"
#include "app/program.h"
#include "app/task_commands.h"
#include "app/task_wiring.h"
#include "sheet/sheet_window.h"
#include "support/recording_messages.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(SheetClick, APressOnTheSheetChangesTheSceneButNotTheRememberedTexts) {
    RecordingMessages m;
    Programm p{m};
    auto form = std::make_unique<TForm1>(p);
    form->resize(1000, 700);
    form->show();
    form->aufgaben().commands().showDialog = [](const std::string&, const DialogOptions&) {
        return DialogResult{true, {"1", "2", "5"}, {0x00FF00}, false};
    };
    form->befehlAusfuehren("Punkt1Click");
    ASSERT_EQ(p.szene.art, Szenenart::Punkt);
    const auto gemerkt = p.eingaben.point;

    // The middle of the second coordinate, in picture pixels.
    const PointAnchor a = p.sheet.anker.punkt[0];
    ASSERT_TRUE(a.gesetzt);
    const QPointF wo((a.x2 + a.x3) / 2, a.y + 5);
    for (Qt::MouseButton knopf : {Qt::LeftButton, Qt::LeftButton, Qt::RightButton}) {
        QMouseEvent druck(QEvent::MouseButtonPress, wo, wo, knopf, knopf, Qt::NoModifier);
        QCoreApplication::sendEvent(form->ergebnisse()->bildWidget(), &druck);
    }
    EXPECT_EQ(p.szene.SzenePunkt.y, 3);
    EXPECT_EQ(p.sheet.zeilen().at(2).find("P(1/3/5)"), 1u) << p.sheet.zeilen().at(2);
    EXPECT_EQ(p.eingaben.point, gemerkt);
    EXPECT_TRUE(m.eintraege.empty());
}

} // namespace
