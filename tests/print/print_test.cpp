// Printing the sheet and the drawing through the output commands onto a real print queue: a
// private print server (scripts/private_cups.sh) writes each job as a PDF, whose page is read
// back as a picture. Skipped (exit 77) where the server cannot run.
#include "app/commands.h"
#include "app/program.h"
#include "support/recording_messages.h"
#include "support/scripted_output.h"

#include <QApplication>
#include <QDir>
#include <QThread>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

std::string server; // the private server's folder

// The darkest pixels' bounding box, in the page picture's pixels.
QRect tinte(const QImage& seite) {
    QRect r;
    for (int y = 0; y < seite.height(); ++y)
        for (int x = 0; x < seite.width(); ++x)
            if (qGray(seite.pixel(x, y)) < 200) r |= QRect(x, y, 1, 1);
    return r;
}

struct Druck : ::testing::Test {
    RecordingMessages m;
    Programm p{m};
    ScriptedOutput skript;
    OutputCommands ausgabe{p, skript};

    Druck() {
        p.ansicht.setSize(584, 584);
        skript.drucker = QStringLiteral("QuillonPDF");
    }
    // Runs the command and reads back the page that the queue wrote, 72 dots per inch.
    QImage drucke(const char* befehl) {
        auto jobs = [] {
            return QDir(QString::fromStdString(server + "/out"), QStringLiteral("*.pdf"),
                        QDir::Time)
                .entryList();
        };
        const auto vorher = jobs().size();
        Befehle b;
        ausgabe.registerAll(b);
        b.ausfuehren(befehl);
        EXPECT_TRUE(m.eintraege.empty()) << (m.eintraege.empty() ? "" : m.eintraege.back().text);
        for (int i = 0; i < 600 && jobs().size() == vorher; ++i) QThread::msleep(100);
        const QStringList neu = jobs();
        if (neu.size() == vorher) return {};
        const std::string pdf = server + "/out/" + neu.first().toStdString();
        const std::string png = server + "/seite";
        if (std::system(("pdftoppm -q -r 72 -singlefile -png " + pdf + " " + png).c_str()) != 0)
            return {};

        return QImage(QString::fromStdString(png + ".png"));
    }
    // The printable area in the page picture's pixels, and their size per printer pixel.
    QRectF druckbereich(const QImage& seite, double& massstab) {
        const QPageLayout l = ausgabe.printer().pageLayout();
        const int dpi = ausgabe.printer().resolution();
        massstab = seite.width() / static_cast<double>(l.fullRectPixels(dpi).width());
        const QRect r = l.paintRectPixels(dpi);
        return QRectF(r.x() * massstab, r.y() * massstab, r.width() * massstab,
                      r.height() * massstab);
    }
};

TEST_F(Druck, ErgebnisseFuellenEineSeiteInIhrenProportionen) {
    p.sheet.setGroesse(1168, 1600);
    p.sheet.loeschen();
    p.sheet.Outtext(1100, 1586, "ENDE"); // the picture's bottom right corner
    const QImage seite = drucke("Ergebnisse1Click");
    ASSERT_FALSE(seite.isNull());
    double s = 0;
    const QRectF bereich = druckbereich(seite, s);
    const double k = std::min(bereich.width() / 1168, bereich.height() / 1600);
    const QRect t = tinte(seite);
    EXPECT_TRUE(bereich.adjusted(-1, -1, 1, 1).contains(t)) << t.x() << ' ' << t.bottom();
    // From "Ergebnisse:" at the top left to "ENDE" at the bottom right, at the page's scale.
    EXPECT_NEAR(t.left(), bereich.left() + 4 * k, 2);
    EXPECT_NEAR(t.bottom(), bereich.top() + 1597 * k, 0.01 * seite.height());
    EXPECT_NEAR(t.right(), bereich.left() + 1128 * k, 0.01 * seite.width());
}

TEST_F(Druck, ZeichnungInViertelHalberUndGanzerSeitenbreite) {
    for (int groesse : {0, 1, 2}) {
        skript.wahl = DrawingPrintChoice{groesse, false, false};
        const QImage seite = drucke("Zeichnung1Click");
        ASSERT_FALSE(seite.isNull());
        double s = 0;
        const QRectF bereich = druckbereich(seite, s);
        const int breite = ausgabe.printer().width();
        const int w = groesse == 0 ? breite / 4 : groesse == 1 ? breite / 2 : breite - 20;
        // The black frame of the black-and-white picture from (10, 10) to (w, w).
        const QRect t = tinte(seite);
        EXPECT_NEAR(t.left(), bereich.left() + 10 * s, 2) << groesse;
        EXPECT_NEAR(t.top(), bereich.top() + 10 * s, 2) << groesse;
        EXPECT_NEAR(t.right() + 1, bereich.left() + w * s, 2) << groesse;
        EXPECT_NEAR(t.bottom() + 1, bereich.top() + w * s, 2) << groesse;
    }
    EXPECT_TRUE(p.ansicht.farbig);
}

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    char ordner[] = "/tmp/quillon-cups-XXXXXX";
    if (!mkdtemp(ordner)) return 77;
    server = ordner;
    const std::string skript = std::string("bash ") + QUILLON_CUPS_SCRIPT + " ";
    const int start = std::system((skript + "start " + server).c_str());
    if (start != 0 || std::system("command -v pdftoppm >/dev/null") != 0) {
        std::system((skript + "stop " + server + "; rm -rf " + server).c_str());
        std::puts("no print server here: skipped");
        return 77;
    }
    setenv("CUPS_SERVER", (server + "/sock").c_str(), 1);
    int ergebnis = 0;
    {
        QApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        ergebnis = RUN_ALL_TESTS();
    }
    std::system((skript + "stop " + server + "; rm -rf " + server).c_str());
    return ergebnis;
}
