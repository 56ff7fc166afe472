// Every 3-D task over many seeded random inputs, through the headless session: zeros, equal and
// coplanar points, huge and tiny numbers, "nan", "inf", empty and malformed texts. Each run
// either writes its report and a drawing or ends with one of the program's errors; a failed
// conversion or input test leaves scene and sheet as they were; no text shows NaN or infinity.
#include "app/dialog_table.h"
#include "app/headless_session.h"
#include "app/tasks.h"
#include "core/errors.h"

#include <gtest/gtest.h>

#include <QImage>

#include <random>
#include <regex>
#include <sstream>

namespace {

// The field texts of one run. Mostly small whole numbers from a narrow range, so that zeros,
// equal points and coplanar points come up often; one run in ten repeats each point, one in ten
// has hardly any special texts, so that valid objects come up often as well.
std::vector<std::string> zufallsfelder(std::mt19937& rng, int n) {
    static const char* const besondere[] = {"1e300",   "-1e300",   "1e-300", "-1e-300", "1e308",
                                            "1.7e308", "4.9e-324", "nan",    "inf",     "-inf",
                                            "",        "1,5",      "abc",    " 2 ",     "1e999",
                                            "0x10",    "0.0",      "-0",     "2.5",     "1e-8"};
    auto wahl = [&](int k) { return std::uniform_int_distribution<int>(0, k - 1)(rng); };
    const int art = wahl(10);
    const int selten = art == 1 ? 9 : 120; // special texts per 1000 fields
    std::vector<std::string> t;
    for (int i = 0; i < n; ++i) {
        if (i >= 3 && art == 0)
            t.push_back(t[i - 3]);
        else if (wahl(1000) < selten)
            t.push_back(besondere[wahl(std::size(besondere))]);
        else
            t.push_back(std::to_string(wahl(5) - 2));
    }
    return t;
}

// A number that the sheet must never show.
bool zeigtUnzahl(const std::string& row) {
    static const std::regex unzahl("(^|[^a-z])(nan|inf)([^a-z]|$)", std::regex::icase);
    return std::regex_search(row, unzahl);
}

struct Stand {
    Szenenart art;
    std::vector<std::string> zeilen;
    bool operator==(const Stand&) const = default;
};

TEST(TaskReliability, RandomInputsNeverCrashHangOrShowGarbage) {
    std::ostringstream meldungen;
    HeadlessSession s(meldungen);
    int uebergeben = 0, abgelehnt = 0, umgewandelt = 0, laufzeit = 0;
    for (const TaskSpec& task : taskTable()) {
        SCOPED_TRACE(task.handler);
        const DialogRow* row = findDialog(task.dialogClass);
        std::mt19937 rng(std::hash<std::string>{}(task.handler) & 0xFFFF);
        for (int lauf = 0; lauf < 30; ++lauf) {
            std::vector<std::string> texte = zufallsfelder(rng, row->fieldCount());
            SCOPED_TRACE(::testing::PrintToString(texte));
            const Stand davor{s.szene.art, s.sheet.zeilen()};
            TaskContext c = s.context();
            bool uebergabe = false;
            try {
                uebergabe = runTaskWithTexts(task, s.eingaben, texte, c, {}, lauf % 2 == 0) ==
                            TaskOutcome::HandedOver;
                if (!uebergabe) {
                    ++abgelehnt;
                    EXPECT_EQ((Stand{s.szene.art, s.sheet.zeilen()}), davor);
                }
            } catch (const ConversionError&) {
                ++umgewandelt;
                EXPECT_EQ((Stand{s.szene.art, s.sheet.zeilen()}), davor);
            } catch (const QuillonError&) {
                ++laufzeit; // math, range or overflow: the report stopped, what it wrote stays
            }
            // OK remembered what was typed (the point-and-two-lines dialog stores "0" for "").
            std::vector<std::string> gemerkt =
                openingTexts(*row, s.eingaben, taskDialogOptions(task));
            // A field preset at every opening shows its preset instead.
            for (const auto& [feld, text] : row->presetOnOpen) texte[feld] = text;
            for (std::size_t i = 0; i < texte.size(); ++i)
                EXPECT_EQ(gemerkt[i], texte[i].empty() && row->emptyFieldsToZero ? "0" : texte[i]);

            for (const std::string& z : s.sheet.zeilen()) EXPECT_FALSE(zeigtUnzahl(z)) << z;
            if (uebergabe) {
                ++uebergeben;
                // A small picture is enough to run every drawing step; errors of the drawing
                // become the program's boxes, as in the window.
                EXPECT_EQ(s.renderDrawing(lauf % 3 != 0, 48).width(), 48);
            }
        }
    }
    // The inputs reach every way out.
    EXPECT_GT(uebergeben, 300);
    EXPECT_GT(abgelehnt, 10);
    EXPECT_GT(umgewandelt, 100);
    RecordProperty("laufzeitfehler", laufzeit);
}

} // namespace
