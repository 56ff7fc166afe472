// Copying and saving the drawing and the sheet through the main window's commands, with the
// dialogs answered by the test; the print rectangles. Printing itself is tests/print.
#include "app/main_window.h"
#include "app/program.h"
#include "app/task_wiring.h"
#include "sheet/qt_colour.h"
#include "sheet/sheet_window.h"
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

bool hatFarbe(const QImage& bild) {
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) {
            const QColor c = bild.pixelColor(x, y);
            if (c.red() != c.green() || c.green() != c.blue()) return true;
        }
    return false;
}

class Ausgabe : public ::testing::Test {
protected:
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
        m.leeren();
    }
    std::string pfad(const char* name) { return ordner.filePath(name).toStdString(); }
};

TEST_F(Ausgabe, SpeichernSchreibtDasGewaehlteFormatUndNenntDenPfadInGrossbuchstaben) {
    const std::pair<const char*, const char*> faelle[] = {
        {"zeichnung.bmp", "bmp"}, {"Bild.ico", "bmp"}, {"z.png", "png"}, {"z.svg", "svg"}};
    for (auto [name, format] : faelle) {
        m.leeren();
        skript.datei = pfad(name);
        form->befehlAusfuehren("farbig2Click");
        QImageReader leser(QString::fromStdString(*skript.datei));
        EXPECT_EQ(leser.format(), format) << name;
        const QSize groesse = leser.format() == "svg"
                                  ? QSvgRenderer(leser.fileName()).viewBox().size()
                                  : leser.size();
        EXPECT_EQ(groesse, QSize(p.ansicht.Width, p.ansicht.Height)) << name;
        const std::string gross = QString::fromStdString(*skript.datei).toUpper().toStdString();
        EXPECT_EQ(m.eintraege, (std::vector<RecordingMessages::Eintrag>{
                                   {"info", "Ihr Bild finden Sie in der Datei: \r\n" + gross}}));
    }
    skript.datei = pfad("z.pdf");
    form->befehlAusfuehren("schwarzweiss2Click");
    QFile pdf(QString::fromStdString(*skript.datei));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");

    // Black and white has no coloured pixel, and the window keeps its colours.
    skript.datei = pfad("sw.png");
    form->befehlAusfuehren("schwarzweiss2Click");
    EXPECT_FALSE(hatFarbe(QImage(QString::fromStdString(*skript.datei))));
    EXPECT_TRUE(p.ansicht.farbig);
    EXPECT_EQ(skript.gefragt.back(), "Zeichnung speichern unter ...");

    // The sheet is saved whole, larger than its window.
    skript.datei = pfad("e.bmp");
    form->befehlAusfuehren("Ergebnisse2Click");
    const QImage blatt(QString::fromStdString(*skript.datei));
    EXPECT_EQ(blatt, p.sheet.bild().convertToFormat(blatt.format()));
    EXPECT_GT(blatt.height(), form->ergebnisse()->height());
    EXPECT_EQ(skript.gefragt.back(), "Rechenergebnise sppeichern unter ...");
}

TEST_F(Ausgabe, AbbrechenUndFehlerSchreibenNichtsUndBestaetigenNichts) {
    skript.datei.reset();
    for (const char* befehl : {"farbig2Click", "schwarzweiss2Click", "Ergebnisse2Click"})
        form->befehlAusfuehren(befehl);
    EXPECT_TRUE(m.eintraege.empty());
    // A folder that does not exist, a name too long for the system.
    for (const std::string& name : {pfad("fehlt/z.bmp"), pfad(std::string(300, 'z').c_str())}) {
        skript.datei = name;
        for (const char* befehl : {"farbig2Click", "Ergebnisse2Click"}) {
            m.leeren();
            form->befehlAusfuehren(befehl);
            EXPECT_EQ(m.arten(), (std::vector<std::string>{"piep", "fehler", "ausnahme"}));
        }
    }
    EXPECT_TRUE(QDir(ordner.path()).isEmpty());

    // "Abbrechen" in the print dialogs prints nothing; the set-up only asks.
    skript.wahl.reset();
    form->befehlAusfuehren("Zeichnung1Click");
    skript.wahl = DrawingPrintChoice{0, true, false};
    form->befehlAusfuehren("Zeichnung1Click");
    form->befehlAusfuehren("Ergebnisse1Click");
    form->befehlAusfuehren("Druckereinrichtung1Click");
    EXPECT_EQ(std::vector<std::string>(skript.gefragt.end() - 5, skript.gefragt.end()),
              (std::vector<std::string>{"Zeichnung drucken", "Zeichnung drucken", "drucken",
                                        "drucken", "einrichtung"}));
    EXPECT_TRUE(p.ansicht.farbig);
}

TEST_F(Ausgabe, KopierenLegtDasBildInDieZwischenablage) {
    QClipboard* ablage = QGuiApplication::clipboard();
    form->befehlAusfuehren("schwarzweiss1Click");
    QImage bild = ablage->image();
    EXPECT_FALSE(hatFarbe(bild));
    EXPECT_EQ(bild.pixelColor(0, 0), QColor(Qt::black)); // the frame
    EXPECT_EQ(bild.pixelColor(1, bild.height() - 2), QColor(Qt::white));

    form->befehlAusfuehren("Ergebnissekopieren1Click");
    EXPECT_EQ(ablage->image(), p.sheet.bild().convertToFormat(ablage->image().format()));

    // With the plane triangle on screen the copy shows the plane's x-axis across the window.
    form->befehlAusfuehren("Dreieck3Click");
    form->befehlAusfuehren("Zeichnungkopieren1Click");
    bild = ablage->image();
    int achse = 0;
    for (int x = 0; x < bild.width(); ++x)
        achse += bild.pixelColor(x, p.ansicht.Ursprung2Y) == QColor(Qt::white);
    EXPECT_GT(achse, bild.width() * 9 / 10);
    EXPECT_EQ(bild.pixelColor(1, 1), toQColor(p.ansicht.Hintergrundfarbe));

    // A drawing that fails reports the error, puts nothing on the clipboard and still has the
    // window paint again in its own colours.
    ablage->clear();
    m.leeren();
    neuGezeichnet = 0;
    p.ansicht.zweidim = false;
    p.szene.art = Szenenart::Punkt;
    p.szene.SzenePunkt = punkt(1e300, 0, 0);
    form->befehlAusfuehren("schwarzweiss1Click");
    EXPECT_EQ(m.arten(), (std::vector<std::string>{"piep", "fehler", "ausnahme"}));
    EXPECT_TRUE(ablage->image().isNull());
    EXPECT_TRUE(p.ansicht.farbig);
    EXPECT_EQ(neuGezeichnet, 1);
}

TEST(Druckrechteck, ZeichnungAufViertelHalberUndGanzerSeitenbreite) {
    auto ecken = [](QRect r) {
        return std::vector<int>{r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
    };
    EXPECT_EQ(ecken(drawingPrintRect(4800, 0)), (std::vector<int>{10, 10, 1200, 1200}));
    EXPECT_EQ(ecken(drawingPrintRect(4800, 1)), (std::vector<int>{10, 10, 2400, 2400}));
    EXPECT_EQ(ecken(drawingPrintRect(4800, 2)), (std::vector<int>{10, 10, 4780, 4780}));
    EXPECT_TRUE(drawingPrintRect(30, 0).isEmpty());
}

TEST(Druckrechteck, ErgebnisseFuellenDieSeiteInIhrenProportionen) {
    std::mt19937 zufall(15);
    std::uniform_int_distribution<int> groesse(1, 9000);
    for (int i = 0; i < 2000; ++i) {
        const QSize bild(groesse(zufall), groesse(zufall)), seite(groesse(zufall), groesse(zufall));
        const QRect r = fitIntoPage(bild, seite);
        ASSERT_TRUE(QRect(QPoint(0, 0), seite).contains(r));
        // One side fills the page; the proportions are the picture's up to a pixel each way.
        EXPECT_TRUE(r.width() == seite.width() || r.height() == seite.height());
        const double schief = 1.0 * r.width() * bild.height() - 1.0 * r.height() * bild.width();
        EXPECT_LE(std::abs(schief), bild.width() + bild.height());
    }
    EXPECT_TRUE(fitIntoPage(QSize(0, 5), QSize(10, 10)).isEmpty());
}

} // namespace
