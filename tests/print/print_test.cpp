// Printing the sheet and the drawing through the output commands onto a real print queue: a
// private print server (scripts/private_cups.sh) writes each job as a PDF, whose page is read
// back at 72 dots per inch. The test runs inside `private_cups.sh run`, which skips it (exit 77)
// where no server can run.
#include "app/commands.h"
#include "app/program.h"
#include "support/recording_messages.h"
#include "support/scripted_output.h"

#include <QDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

// The folder where the queue leaves its PDF files.
const std::string aus = std::getenv("QUILLON_PRINT_OUT") ? std::getenv("QUILLON_PRINT_OUT") : "";

QStringList jobs() {
    return QDir(QString::fromStdString(aus), "*.pdf", QDir::Time).entryList();
}

TEST(Drucken, ErgebnisseAufEinerSeiteUndZeichnungNachSeitenbreite) {
    if (aus.empty()) GTEST_SKIP() << "needs scripts/private_cups.sh run";
    RecordingMessages m;
    Programm p{m};
    ScriptedOutput skript;
    skript.drucker = QStringLiteral("QuillonPDF");
    OutputCommands ausgabe{p, skript};
    Befehle befehle;
    ausgabe.registerAll(befehle);
    p.ansicht.setSize(584, 584);
    p.sheet.setGroesse(1168, 1600);
    p.sheet.Outtext(1100, 1586, "ENDE"); // the picture's bottom right corner
    for (int groesse : {-1, 0, 1, 2}) {  // -1: the sheet, else the drawing in that size
        skript.wahl = DrawingPrintChoice{groesse, false, false};
        const auto vorher = jobs().size();
        befehle.ausfuehren(groesse < 0 ? "Ergebnisse1Click" : "Zeichnung1Click");
        for (int i = 0; i < 600 && jobs().size() == vorher; ++i) QThread::msleep(100);
        const std::string pdf = aus + "/" + jobs().value(0).toStdString(), png = aus + "/seite";
        std::system(("pdftoppm -q -r 72 -singlefile -png " + pdf + " " + png).c_str());
        const QImage seite(QString::fromStdString(png + ".png"));
        ASSERT_FALSE(seite.isNull());
        // Where the ink should be, in printer pixels of the printable area: the sheet scaled to
        // the page from "Ergebnisse:" to "ENDE", the black-and-white drawing's black frame from
        // (10, 10) to (w, w).
        QPrinter& d = ausgabe.printer();
        const double k = std::min(d.width() / 1168.0, d.height() / 1600.0);
        const int w = groesse == 0 ? d.width() / 4 : groesse == 1 ? d.width() / 2 : d.width() - 20;
        const QRectF soll =
            groesse < 0 ? QRectF(4 * k, 3 * k, 1124 * k, 1592 * k) : QRectF(10, 10, w - 10, w - 10);
        const QPageLayout l = d.pageLayout();
        const double s = seite.width() / double(l.fullRectPixels(d.resolution()).width());
        const QPointF rand = l.paintRectPixels(d.resolution()).topLeft();
        QRect t;
        for (int y = 0; y < seite.height(); ++y)
            for (int x = 0; x < seite.width(); ++x)
                if (qGray(seite.pixel(x, y)) < 200) t |= QRect(x, y, 1, 1);
        const QRectF ist(QPointF(t.topLeft()) / s - rand, QSizeF(t.size()) / s);
        const double toleranz = 0.01 * d.width();
        EXPECT_NEAR(ist.left(), soll.left(), toleranz) << groesse;
        EXPECT_NEAR(ist.top(), soll.top(), toleranz) << groesse;
        EXPECT_NEAR(ist.right(), soll.right(), toleranz) << groesse;
        EXPECT_NEAR(ist.bottom(), soll.bottom(), toleranz) << groesse;
    }
    EXPECT_TRUE(m.eintraege.empty() && p.ansicht.farbig);
}

} // namespace
