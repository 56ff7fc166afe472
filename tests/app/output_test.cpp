// Copying and saving the drawing and the sheet through the main window's commands, with the
// dialogs answered by the test; the print rectangles. Printing itself is tests/print.
#include "app/main_window.h"
#include "app/program.h"
#include "app/task_wiring.h"
#include "sheet/qt_colour.h"
#include "support/recording_messages.h"
#include "support/scripted_output.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QImageReader>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <random>

namespace {

using Arten = std::vector<std::string>;
const Arten Fehler{"piep", "fehler", "ausnahme"};

struct Ausgabe : ::testing::Test {
    RecordingMessages m;
    Programm p{m};
    std::unique_ptr<TForm1> form = std::make_unique<TForm1>(p);
    ScriptedOutput skript;
    QTemporaryDir ordner;
    int neuGezeichnet = 0;

    Ausgabe() {
        form->aufgaben().output().setDialogs(skript);
        form->aufgaben().output().redraw = [this] { ++neuGezeichnet; };
        form->resize(1000, 700);
        form->show();
        form->befehlAusfuehren("Kugel3Click"); // the example sphere
    }
    // Runs the command with the name answered in the save dialog ("" is Cancel).
    QString befehl(const char* name, const char* datei = "") {
        const QString pfad = ordner.filePath(QString::fromUtf8(datei));
        skript.datei = *datei ? std::optional(pfad.toStdString()) : std::nullopt;
        m.leeren();
        form->befehlAusfuehren(name);
        return pfad;
    }
};

TEST_F(Ausgabe, SpeichernSchreibtDasGewaehlteFormatUndNenntDenPfadInGrossbuchstaben) {
    const char* const faelle[][2] = {
        {"zeichnung.bmp", "bmp"}, {"Bild.ico", "bmp"}, {"z.png", "png"}, {"z.svg", "svg"}};
    for (auto [datei, format] : faelle) {
        QImageReader leser(befehl("farbig2Click", datei));
        EXPECT_EQ(leser.format(), format);
        EXPECT_EQ(leser.format() == "svg" ? QSvgRenderer(leser.fileName()).viewBox().size()
                                          : leser.size(),
                  QSize(p.ansicht.Width, p.ansicht.Height));
        EXPECT_EQ(m.eintraege.back().text, "Ihr Bild finden Sie in der Datei: \r\n" +
                                               leser.fileName().toUpper().toStdString());
    }
    QFile pdf(befehl("schwarzweiss2Click", "z.pdf"));
    EXPECT_TRUE(pdf.open(QIODevice::ReadOnly) && pdf.read(5) == "%PDF-");
    // Black and white has no coloured pixel, and the window keeps its colours.
    EXPECT_TRUE(QImage(befehl("schwarzweiss2Click", "sw.png")).allGray());
    EXPECT_TRUE(p.ansicht.farbig);
    // The sheet is saved whole, larger than its window.
    const QImage blatt(befehl("Ergebnisse2Click", "e.bmp"));
    EXPECT_EQ(blatt, p.sheet.bild().convertToFormat(blatt.format()));
    EXPECT_GT(blatt.height(), form->height());
    EXPECT_EQ(skript.gefragt.back(), "Rechenergebnise sppeichern unter ...");
}

TEST_F(Ausgabe, AbbrechenUndFehlerSchreibenNichtsUndBestaetigenNichts) {
    const std::string zuLang(300, 'z');
    for (const char* datei : {"", "fehlt/z.bmp", zuLang.c_str()})
        for (const char* name : {"farbig2Click", "Ergebnisse2Click"})
            EXPECT_EQ((befehl(name, datei), m.arten()), *datei ? Fehler : Arten{});
    EXPECT_TRUE(QDir(ordner.path()).isEmpty());
    // "Abbrechen" in the print dialogs prints nothing; the set-up only asks.
    skript.gefragt.clear();
    befehl("Zeichnung1Click");
    skript.wahl = DrawingPrintChoice{0, true, false};
    for (const char* name : {"Zeichnung1Click", "Ergebnisse1Click", "Druckereinrichtung1Click"})
        befehl(name);
    EXPECT_EQ(skript.gefragt, (Arten{"Zeichnung drucken", "Zeichnung drucken", "drucken", "drucken",
                                     "einrichtung"}));
    EXPECT_TRUE(m.eintraege.empty() && p.ansicht.farbig);
}

TEST_F(Ausgabe, KopierenLegtDasBildInDieZwischenablage) {
    QClipboard* ablage = QGuiApplication::clipboard();
    befehl("schwarzweiss1Click");
    EXPECT_TRUE(ablage->image().allGray());
    // A black frame around white.
    EXPECT_EQ(ablage->image().pixelColor(0, 0).rgb() ^ ablage->image().pixelColor(1, 1).rgb(),
              0xFFFFFFu);
    befehl("Ergebnissekopieren1Click");
    EXPECT_EQ(ablage->image(), p.sheet.bild().convertToFormat(ablage->image().format()));
    // With the plane triangle on screen the copy shows the plane's x-axis across the window.
    befehl("Dreieck3Click");
    befehl("Zeichnungkopieren1Click");
    const QImage bild = ablage->image();
    const int y = p.ansicht.Ursprung2Y, w = bild.width();
    EXPECT_TRUE(bild.pixelColor(2, y) == Qt::white && bild.pixelColor(w - 3, y) == Qt::white);
    EXPECT_EQ(bild.pixelColor(1, 1), toQColor(p.ansicht.Hintergrundfarbe));
    // A drawing that fails is reported, copies nothing, and the window still paints again.
    ablage->clear();
    neuGezeichnet = 0;
    p.ansicht.zweidim = false;
    p.szene.art = Szenenart::Punkt;
    p.szene.SzenePunkt = punkt(1e300, 0, 0);
    befehl("schwarzweiss1Click");
    EXPECT_EQ(m.arten(), Fehler);
    EXPECT_TRUE(ablage->image().isNull() && p.ansicht.farbig && neuGezeichnet == 1);
}

TEST(Druckrechteck, ZeichnungNachSeitenbreiteErgebnisseInIhrenProportionen) {
    for (auto [groesse, w] : {std::pair{0, 1200}, {1, 2400}, {2, 4780}})
        EXPECT_EQ(drawingPrintRect(4800, groesse), QRect(10, 10, w - 10, w - 10));
    EXPECT_TRUE(drawingPrintRect(30, 0).isEmpty() && fitIntoPage({0, 5}, {9, 9}).isEmpty());
    // The sheet on the page: inside it, one side filling it, its proportions to a pixel.
    std::mt19937 zufall(15);
    std::uniform_int_distribution<int> n(1, 9000);
    for (int i = 0; i < 2000; ++i) {
        const QSize bild(n(zufall), n(zufall)), seite(n(zufall), n(zufall));
        const QRect r = fitIntoPage(bild, seite);
        const double schief = 1.0 * r.width() * bild.height() - 1.0 * r.height() * bild.width();
        ASSERT_TRUE(QRect(QPoint(0, 0), seite).contains(r) &&
                    (r.width() == seite.width() || r.height() == seite.height()) &&
                    std::abs(schief) <= bild.width() + bild.height());
    }
}

} // namespace
