// The help dialog and what it shows: the page of the task or the fallback page, a note for a
// missing page with the worked solution kept, the dialog's look and buttons, printing, and the
// two ways to open it; the headless runner's --rechenhilfe; the shipped page names.
#include "app/headless.h"
#include "app/main_window.h"
#include "app/program.h"
#include "app/task_wiring.h"
#include "drawing/drawing_window.h"
#include "drawing/handover.h"
#include "help/help_dialog.h"
#include "help/help_table.h"
#include "support/recording_messages.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

#include <sstream>

namespace {

// The placeholder pages of the tests, found case-exactly as the program finds its own.
std::string testPage(const std::string& name) {
    const QFileInfo f(QDir(QStringLiteral(QUILLON_TEST_DIR "/help")), QString::fromStdString(name));
    return f.isFile() ? f.filePath().toStdString() : std::string();
}

Szene punktSzene() {
    Szene z;
    z.art = Szenenart::Punkt;
    z.SzenePunkt = punkt(1, 2, 3);
    return z;
}

} // namespace

TEST(HelpContent, FallbackPageMissingPageAndTheSolutionAlwaysThere) {
    const HelpContent leer = buildHelpContent(Szene{}, testPage);
    EXPECT_TRUE(leer.pageFound && leer.notes.empty() && leer.solution.empty());
    EXPECT_EQ(helpText(leer), "Platzhalter ohne Aufgabe\n \nZwischenergebnisse:\n \n \n"
                              "Keine weiteren Zwischenergebnisse bei diesem Objekt !\n");

    const std::string mitSeite = helpText(buildHelpContent(punktSzene(), testPage));
    EXPECT_EQ(mitSeite.rfind("Platzhalter Punkt\n \nZwischenergebnisse:\n \n \nPunkt:\n", 0), 0u);

    // Another kind's page is not there: the note, no fallback page, the worked solution.
    Szene strecke;
    strecke.art = Szenenart::Linie;
    const HelpContent c = buildHelpContent(strecke, testPage);
    EXPECT_FALSE(c.pageFound);
    EXPECT_EQ(c.notes,
              std::vector<std::string>{"Die Hilfeseite \"strecke.rtf\" wurde nicht gefunden."});
    EXPECT_NE(helpText(c).find("Strecke:"), std::string::npos);
    // Without any page, even the fallback, the solution's frame still stands.
    const HelpContent nichts = buildHelpContent(Szene{}, [](const std::string&) { return ""; });
    EXPECT_NE(helpText(nichts).find("\"nohelp.rtf\" wurde nicht gefunden.\n \nZwischenergebnisse:"),
              std::string::npos);
}

TEST(HelpContent, ShippedPagesHaveTheTablesNamesExactly) {
    const QDir daten(QStringLiteral(QUILLON_TEST_DIR "/../data/help"));
    if (!daten.exists()) GTEST_SKIP() << "no data/help in this tree";
    QStringList namen = daten.entryList({QStringLiteral("*.rtf")}, QDir::Files);
    for (const HelpKind& k : helpKinds())
        EXPECT_TRUE(namen.contains(QString::fromUtf8(k.page))) << k.page;
    EXPECT_TRUE(namen.contains(QString::fromUtf8(fallbackPage)));
}

TEST(HelpDialog, LooksAsDescribedAndPrints) {
    TRechenhilfeDlg dlg(buildHelpContent(punktSzene(), testPage));
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Rechenhilfe"));
    EXPECT_EQ(dlg.size(), QSize(491, 545));
    EXPECT_EQ(dlg.minimumSize(), dlg.maximumSize());
    EXPECT_TRUE(dlg.OKBtn->isDefault());
    EXPECT_EQ(dlg.OKBtn->text() + dlg.DruckenBtn->text() + dlg.AbbrechenBtn->text(),
              QStringLiteral("OKDruckenAbbrechen"));
    EXPECT_EQ(dlg.RichEdit1->palette().color(QPalette::Base), QColor(244, 239, 212));

    const QTextDocument& doc = *dlg.RichEdit1->document();
    EXPECT_TRUE(
        doc.toPlainText().startsWith(QStringLiteral("Platzhalter Punkt\n \nZwischenergebnisse:")));
    EXPECT_EQ(doc.begin().begin().fragment().charFormat().foreground().color(), QColor(0, 0, 255));
    const QTextBlock kopf = doc.findBlockByNumber(2);
    EXPECT_EQ(kopf.text(), QStringLiteral("Zwischenergebnisse:"));
    const QTextCharFormat f = kopf.begin().fragment().charFormat();
    EXPECT_TRUE(f.fontWeight() == QFont::Bold && f.fontUnderline());
    EXPECT_EQ(f.fontPointSize(), 10);
    EXPECT_EQ(f.foreground().color(), QColor(0, 0, 255));

    TRechenhilfeDlg ohne(buildHelpContent(Szene{}, testPage));
    const QTextBlock rot = ohne.RichEdit1->document()->lastBlock();
    EXPECT_EQ(rot.text(), QString::fromUtf8(noSolutionLine));
    EXPECT_EQ(rot.begin().fragment().charFormat().foreground().color(), QColor(255, 0, 0));

    QTemporaryDir ordner;
    QPrinter drucker;
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(ordner.filePath(QStringLiteral("hilfe.pdf")));
    dlg.print(drucker);
    EXPECT_GT(QFileInfo(drucker.outputFileName()).size(), 1000);
}

TEST(HelpDialog, OpensFromTheMenuAndTheDrawingsContextMenu) {
    RecordingMessages m;
    Programm p{m};
    TForm1 form(p);
    form.aufgaben().handover().Punkt_uebergeben(punkt(1, 2, 3));
    std::vector<QString> gesehen;
    auto schliessen = [&] {
        QTimer::singleShot(0, [&] {
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                gesehen.push_back(d->findChild<QTextEdit*>()->toPlainText());
                d->accept();
            }
        });
    };
    schliessen();
    QAction* eintrag = form.menueAktion({"&Rechenhilfe"});
    ASSERT_TRUE(eintrag && eintrag->isEnabled());
    eintrag->trigger();
    schliessen();
    form.zeichnung()->onCalculationHelp();
    ASSERT_EQ(gesehen.size(), 2u);
    for (const QString& text : gesehen) EXPECT_TRUE(text.contains(QStringLiteral("d = 3.742")));
    EXPECT_TRUE(m.eintraege.empty());
}

TEST(HelpHeadless, RechenhilfePrintsTheHelpInsteadOfTheSheet) {
    std::ostringstream out, err;
    EXPECT_EQ(runHeadless({"--example", "Punkt", "--rechenhilfe"}, out, err), headlessOk);
    const std::string s = out.str();
    EXPECT_NE(s.find("Zwischenergebnisse:\n \n \nPunkt:\n \nGeg: Punkt P(2/2/4)\n"),
              std::string::npos);
    EXPECT_NE(s.find("d = 4.899"), std::string::npos);
    EXPECT_EQ(s.find("Abstand vom Ursprung:  "), std::string::npos);
}
