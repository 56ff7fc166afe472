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

#include <cctype>
#include <random>
#include <sstream>

namespace {

class Eingaben {
public:
    explicit Eingaben(unsigned seed) : rng_(seed) {}

    std::vector<std::string> felder(int n) {
        std::vector<std::string> t;
        // Mostly small whole numbers from a narrow range, so that zeros, equal points and
        // coplanar points come up often.
        const int art = wahl(10);
        for (int i = 0; i < n; ++i) {
            if (i >= 3 && art == 0) {
                t.push_back(t[i - 3]); // this point repeats the previous one
                continue;
            }
            t.push_back(text(art == 1 ? 3 : 40));
        }
        return t;
    }

private:
    int wahl(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    // One field; `selten` out of 1000 is a special text.
    std::string text(int selten) {
        static const char* const besondere[] = {"1e300",   "-1e300",   "1e-300", "-1e-300", "1e308",
                                                "1.7e308", "4.9e-324", "nan",    "inf",     "-inf",
                                                "",        "1,5",      "abc",    " 2 ",     "1e999",
                                                "0x10",    "0.0",      "-0",     "2.5",     "1e-8"};
        if (wahl(1000) < selten * 3) return besondere[wahl(std::size(besondere))];
        return std::to_string(wahl(5) - 2);
    }

    std::mt19937 rng_;
};

// A number that the sheet must never show.
bool zeigtUnzahl(const std::string& row) {
    std::string s;
    for (char c : row) s += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const char* w : {"nan", "inf"}) {
        for (std::size_t p = s.find(w); p != std::string::npos; p = s.find(w, p + 1)) {
            const bool links = p == 0 || !std::isalpha(static_cast<unsigned char>(s[p - 1]));
            const std::size_t e = p + 3;
            const bool rechts = e >= s.size() || !std::isalpha(static_cast<unsigned char>(s[e]));
            if (links && rechts) return true;
        }
    }
    return false;
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
        Eingaben eingaben(std::hash<std::string>{}(task.handler) & 0xFFFF);
        for (int lauf = 0; lauf < 30; ++lauf) {
            const std::vector<std::string> texte = eingaben.felder(row->fieldCount());
            SCOPED_TRACE(::testing::PrintToString(texte));
            const Stand davor{s.szene.art, s.sheet.zeilen()};
            TaskContext c = s.context();
            bool uebergabe = false;
            try {
                const TaskOutcome o =
                    runTaskWithTexts(task, s.eingaben, texte, c, {}, lauf % 2 == 0);
                uebergabe = o == TaskOutcome::HandedOver;
                if (!uebergabe) {
                    ++abgelehnt;
                    EXPECT_EQ((Stand{s.szene.art, s.sheet.zeilen()}), davor);
                }
            } catch (const ConversionError&) {
                ++umgewandelt;
                EXPECT_EQ((Stand{s.szene.art, s.sheet.zeilen()}), davor);
            } catch (const MathError&) {
                ++laufzeit; // the report stopped; what it wrote so far stays
            } catch (const RangeError&) {
                ++laufzeit;
            } catch (const OverflowError&) {
                ++laufzeit;
            }
            // OK remembered what was typed (the point-and-two-lines dialog stores "0" for "").
            std::vector<std::string> gemerkt =
                openingTexts(*row, s.eingaben, taskDialogOptions(task));
            for (std::size_t i = 0; i < texte.size(); ++i)
                EXPECT_EQ(gemerkt[i], texte[i].empty() && row->emptyFieldsToZero ? "0" : texte[i]);

            for (const std::string& z : s.sheet.zeilen()) EXPECT_FALSE(zeigtUnzahl(z)) << z;
            if (uebergabe) {
                ++uebergeben;
                // A small picture is enough to run every drawing step; errors of the drawing
                // become the program's boxes, as in the window.
                const QImage bild = s.renderDrawing(lauf % 3 != 0, 48);
                EXPECT_EQ(bild.width(), 48);
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
