// The headless runner's command line: rows on stdout, the German error texts on stderr with
// status 2, usage errors with status 1, and the saved pictures.
#include "app/headless.h"
#include "core/messages.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QTemporaryDir>

#include <sstream>

namespace {

struct Lauf {
    int status;
    std::string out, err;
};

// "--task" and its path, then "--fields" and the texts of the blank-separated list, if any.
Lauf quillon(std::vector<std::string> args, const std::string& fields = "") {
    if (!fields.empty()) {
        args.push_back("--fields");
        std::istringstream in(fields);
        for (std::string s; in >> s;) args.push_back(s);
    }
    std::ostringstream out, err;
    const int status = runHeadless(args, out, err);
    return {status, out.str(), err.str()};
}

const std::string eingabefehler =
    "Ihre Eingaben enthalten einen Fehler !\nKann das Objekt nicht berechnen !\n\n"
    "Wahrscheinlich zu viele \"Nullen\" oder Eingabefeld leer !\n";

TEST(Headless, PrintsTheSheetRowsOfATaskOrExample) {
    Lauf l = quillon({"--example", "Punkt"});
    EXPECT_EQ(l.status, 0);
    EXPECT_EQ(l.err, "");
    EXPECT_EQ(l.out.rfind(" Ergebnisse:\n Punkt:\n P(2/2/4)\n", 0), 0u) << l.out;

    // Without --fields the dialog's first-use texts (the paths are the task table's).
    EXPECT_EQ(quillon({"--task", "Punkte/Tetraeder"}).status, 0);
}

TEST(Headless, InputErrorsPrintTheGermanTextsAndEndWithStatusTwo) {
    Lauf l = quillon({"--task", "Punkte/Punkt"}, "1 1,5 3");
    EXPECT_EQ(l.status, headlessInputError);
    EXPECT_EQ(l.out, "");
    EXPECT_EQ(l.err, eingabefehler + "'1,5' ist kein gültiger Gleitkommawert.\n");

    l = quillon({"--task", "Gerade/Gerade/Gerade in Vektorform"}, "1 2 3 0 0 0");
    EXPECT_EQ(l.status, headlessInputError);
    EXPECT_EQ(l.out, "");
    EXPECT_EQ(l.err, eingabefehler);

    // The empty first-use point fields are no numbers (each task's rejected inputs are in the
    // validity test).
    EXPECT_EQ(quillon({"--task", "Punkte/Punkt"}).status, headlessInputError);
}

TEST(Headless, UsageErrorsEndWithStatusOne) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--task", "Punkte/Kreis"},
             {"--example", "Ellipse"},
             {"--task", "Punkte/Punkt", "--fields", "1", "2"},
             {"--frobnicate"},
             {"--fields", "1", "--task", "Punkte/Punkt"},
             {"--example", "Punkt", "--checked"},
             {"--task", "Zweidim. Dreieck/mit Höhen", "--fields", "1"},
             {"--task", "Punkte/Punkt", "--colours", "red"},
             {"--sheet"},
             {"--example", "Punkt", "--sheet", "/nonexistent/dir/x.png"}})
        EXPECT_EQ(quillon(args).status, headlessUsageError) << ::testing::PrintToString(args);
}

TEST(Headless, HelpListsTasksWithAllTheirPathsAndExamples) {
    Lauf l = quillon({"--help"});
    EXPECT_EQ(l.status, 0);
    for (const char* s : {"Kugel/Kugel durch 4 Punkte  (12)", "Punkte/Punkt und Gerade",
                          "Gerade/Gerade mit Punkt", "Ebene/Ebene mit Ebene/Parameter/Normalenform",
                          "  Kugel mit Ebene\n", "--drawing", "--colours", "--checked"})
        EXPECT_NE(l.out.find(s), std::string::npos) << s;
}

TEST(Headless, SavesSheetAndDrawingAsPngOrBmp) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    auto datei = [&](const char* name) { return dir.filePath(name).toStdString(); };
    ASSERT_EQ(quillon({"--example", "Kugel mit Ebene", "--sheet", datei("blatt.png"), "--drawing",
                       datei("zeichnung.BMP")})
                  .status,
              0);
    ASSERT_EQ(
        quillon({"--example", "Kugel mit Ebene", "--drawing", datei("sw.png"), "--bw"}).status, 0);
    QImage blatt(dir.filePath("blatt.png"), "PNG"), bmp(dir.filePath("zeichnung.BMP"), "BMP");
    QImage bw(dir.filePath("sw.png"), "PNG");
    ASSERT_FALSE(blatt.isNull());
    EXPECT_EQ(blatt.pixelColor(blatt.width() - 1, blatt.height() - 1), QColor(Qt::white));
    EXPECT_EQ(bmp.size(), QSize(584, 584));
    ASSERT_EQ(bw.size(), QSize(584, 584));
    // One-pixel black frame; white inside in black and white, the background colour otherwise.
    EXPECT_EQ(bw.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(bw.pixelColor(3, 3), QColor(Qt::white));
    EXPECT_NE(bmp.pixelColor(3, 3), QColor(Qt::white));
}

} // namespace
