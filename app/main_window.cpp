#include "app/main_window.h"

#include "app/about.h"
#include "app/application.h"
#include "app/error_handling.h"
#include "app/program.h"
#include "app/remembered_inputs.h"
#include "app/task_commands.h"
#include "app/task_wiring.h"
#include "app/units.h"
#include "core/trig_tables.h"
#include "drawing/drawing_window.h"
#include "drawing/handover.h"
#include "sheet/sheet_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QResizeEvent>
#include <QShowEvent>

#include <clocale>
#include <functional>
#include <map>

namespace {

const char* const Fenstertitel = "Quillon – Analytische Geometrie und Vektorrechnung";

// The area below the menu; it places the drawing window and the sheet whenever its size changes.
class Arbeitsflaeche : public QWidget {
public:
    std::function<void(int, int)> groesseGeaendert;

protected:
    void resizeEvent(QResizeEvent* e) override {
        QWidget::resizeEvent(e);
        if (groesseGeaendert) groesseGeaendert(width(), height());
    }
};

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

TForm1::TForm1(Programm& programm, QWidget* parent) : QMainWindow(parent), p_(programm) {
    setWindowTitle(QStringLiteral("Quillon"));
    auto* flaeche = new Arbeitsflaeche;
    setCentralWidget(flaeche);

    // The drawing window first, then the sheet; both are shown by FormShow.
    zeichnung_ = new TZeichnungsDlg(p_.ansicht, p_.optionen, p_.szene, p_.meldungen, flaeche);
    zeichnung_->hide();
    zeichnung_->onReturnTo3d = [this] { returnTo3d(); };
    ergebnisse_ = new TErgebnisDLG(p_.sheet, flaeche);
    ergebnisse_->hide();
    flaeche->groesseGeaendert = [this](int b, int h) { arrangeWindows(b, h); };

    buildMenu();
    befehle_.onChange([this] { updateMenu(); });
    befehle_.registrieren("Beenden1Click", [this] { Beenden1Click(); });
    befehle_.registrieren("N10Einheitenmehr1Click", [this] { N10Einheitenmehr1Click(); });
    befehle_.registrieren("N10Einheitenweniger1Click", [this] { N10Einheitenweniger1Click(); });
    befehle_.registrieren("Copyright1Click", [this] { Copyright1Click(); });
    befehle_.registrieren("loeschen1Click", [this] { loeschen1Click(); });
    befehle_.registrieren("Rechenhilfe1Click", [this] { Rechenhilfe1Click(); });
    zeichnung_->onCalculationHelp = [this] { befehlAusfuehren("Rechenhilfe1Click"); };
    aufgaben_ = std::make_unique<TaskWiring>(*this);

    FormCreate();
}

TForm1::~TForm1() {
    if (auto* app = dynamic_cast<QuillonApp*>(QCoreApplication::instance()))
        app->setAusnahmebehandlung(nullptr);
}

void TForm1::FormCreate() {
    Tabellen_fuellen();
    if (auto* app = dynamic_cast<QuillonApp*>(QCoreApplication::instance()))
        app->setAusnahmebehandlung([this](const std::exception* e) { AppException(e); });
}

void TForm1::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (!gezeigt_ && !e->spontaneous()) {
        gezeigt_ = true;
        FormShow();
    }
}

void TForm1::FormShow() {
    setWindowTitle(QString::fromUtf8(Fenstertitel));
    if (QAction* c = menueAktion({"Copyright"})) c->setVisible(true);
    zeichnung_->show();
    ergebnisse_->show();
    // Numbers are typed and written with a decimal point, whatever the user's locale.
    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_NUMERIC, "C");
    p_.ansicht.WinkelX = 0;
    p_.ansicht.WinkelY = 0;
    p_.ansicht.WinkelZ = 0;
    // The origin record (UrsprungPunkt) is a constant and needs no reset.
    p_.ansicht.Verschieben = false;
    zeichnung_->redraw();
    seedFirstUseValues(p_.eingaben);
    // There is no affine map yet.
    abbildungsmenues_freigeben(false);
}

// The drawing window is square and as high as the area below the menu; the sheet fills the
// rest. While nothing has been computed yet (the window is still settling at start-up) the
// drawing's origin is placed anew and the sheet's picture sized to twice the sheet; later
// changes of the window size move the windows but keep the view and the results.
void TForm1::arrangeWindows(int breite, int hoehe) {
    const int seite = std::max(1, std::min(hoehe, breite - 1));
    const int rest = std::max(1, breite - seite);
    const bool leer =
        p_.sheet.protokoll().size() <= 1 && p_.szene.art == Szenenart::keine && !p_.ansicht.zweidim;
    if (leer) {
        zeichnung_->placeAt(0, 0, seite);
        ergebnisse_->setzeGeometrie(seite, 0, rest, seite);
    } else {
        zeichnung_->setGeometry(0, 0, seite, seite);
        ergebnisse_->setGeometry(seite, 0, rest, seite);
    }
}

void TForm1::buildMenu() {
    std::map<std::vector<std::string>, QMenu*> menues;
    for (const MenuZeile& z : menueTabelle()) {
        QMenu* eltern = nullptr;
        if (z.pfad.size() > 1) {
            auto pfad = z.pfad;
            pfad.pop_back();
            eltern = menues.at(pfad);
        }
        QAction* a = nullptr;
        if (z.befehl.empty()) {
            auto* m = new QMenu(text(z.pfad.back()), eltern ? static_cast<QWidget*>(eltern)
                                                            : static_cast<QWidget*>(menuBar()));
            menues[z.pfad] = m;
            a = eltern ? eltern->addMenu(m) : menuBar()->addMenu(m);
        } else {
            a = eltern ? eltern->addAction(text(z.pfad.back()))
                       : menuBar()->addAction(text(z.pfad.back()));
            a->setCheckable(z.abhakbar);
            const std::string befehl = z.befehl;
            connect(a, &QAction::triggered, this, [this, befehl] { befehlAusfuehren(befehl); });
        }
        knoten_.push_back({&z, a});
    }
    // "Copyright" appears when the window is first shown.
    if (QAction* c = menueAktion({"Copyright"})) c->setVisible(false);
    updateMenu();
}

void TForm1::updateMenu() {
    // A submenu is enabled only when one of its entries is: the table lists every entry after its
    // submenu, so walking it backwards settles the entries before their submenus.
    std::map<std::vector<std::string>, bool> einEintragFrei;
    for (auto k = knoten_.rbegin(); k != knoten_.rend(); ++k) {
        const MenuZeile& z = *k->zeile;
        bool frei = true;
        if (z.gruppe == Menuegruppe::dreidim) frei = dreidimAktiv_;
        if (z.gruppe == Menuegruppe::abbildung) frei = abbildungAktiv_;
        if (z.befehl.empty())
            frei = frei && einEintragFrei[z.pfad];
        else
            frei = frei && befehle_.hat(z.befehl);
        k->aktion->setEnabled(frei);
        if (frei && z.pfad.size() > 1)
            einEintragFrei[std::vector<std::string>(z.pfad.begin(), z.pfad.end() - 1)] = true;
    }
}

void TForm1::enableGroup(Menuegruppe g, bool aktiv) {
    if (g == Menuegruppe::dreidim) dreidimAktiv_ = aktiv;
    if (g == Menuegruppe::abbildung) abbildungAktiv_ = aktiv;
    updateMenu();
}

QAction* TForm1::menueAktion(const std::vector<std::string>& pfad) const {
    for (const Knoten& k : knoten_)
        if (k.zeile->pfad == pfad) return k.aktion;
    return nullptr;
}

std::vector<QAction*> TForm1::actionsOf(std::string_view befehl) const {
    std::vector<QAction*> r;
    for (const Knoten& k : knoten_)
        if (k.zeile->befehl == befehl) r.push_back(k.aktion);
    return r;
}

void TForm1::setzeHaken(std::string_view befehl, bool an) {
    for (QAction* a : actionsOf(befehl)) a->setChecked(an);
}

void TForm1::befehlAusfuehren(std::string_view name) {
    // Commands report their errors here rather than letting them travel through Qt's menu code.
    withErrorHandling(p_.meldungen, [&] { befehle_.ausfuehren(name); });
}

void TForm1::fehler() {
    ::fehler(p_.meldungen);
}

void TForm1::AppException(const std::exception* e) {
    if (e)
        ::AppException(p_.meldungen, *e);
    else
        ::AppException(p_.meldungen);
}

void TForm1::dreidim_ausschalten() {
    enableGroup(Menuegruppe::dreidim, false);
    zeichnung_->setGroupEnabled(TZeichnungsDlg::Gruppe::Gerade, false);
    zeichnung_->setGroupEnabled(TZeichnungsDlg::Gruppe::Ebene, false);
    zeichnung_->setGroupEnabled(TZeichnungsDlg::Gruppe::AffineAbbildungen, false);
}

void TForm1::dreidim_einschalten() {
    enableGroup(Menuegruppe::dreidim, true);
    zeichnung_->setGroupEnabled(TZeichnungsDlg::Gruppe::Gerade, true);
    zeichnung_->setGroupEnabled(TZeichnungsDlg::Gruppe::Ebene, true);
    zeichnung_->setGroupEnabled(TZeichnungsDlg::Gruppe::AffineAbbildungen, false);
}

void TForm1::abbildungsmenues_freigeben(bool frei) {
    enableGroup(Menuegruppe::abbildung, frei);
}

void TForm1::affinmodus_einschalten(bool abbildungVorhanden) {
    zeichnung_->setGroupEnabled(TZeichnungsDlg::Gruppe::Ellipse, false);
    zeichnung_->setGroupEnabled(TZeichnungsDlg::Gruppe::ZweidimDreieck, false);
    dreidim_ausschalten();
    if (abbildungVorhanden) abbildungsmenues_freigeben(true);
    zeichnung_->setGroupEnabled(TZeichnungsDlg::Gruppe::AffineAbbildungen, true);
}

// The drawing window's button back to 3-D: the plane figures are gone, so is their report.
void TForm1::returnTo3d() {
    aufgaben_->handover().Ebene2_zuruecksetzen();
    p_.sheet.loeschen();
    dreidim_einschalten();
    // The affine objects are shown no more: their check marks follow.
    if (aufgaben_->commands().afterRun) aufgaben_->commands().afterRun();
}

void TForm1::redrawDrawing() {
    zeichnung_->redraw();
}

void TForm1::loeschen1Click() {
    zeichnung_->loeschen();
    p_.sheet.loeschen();
}

void TForm1::N10Einheitenmehr1Click() {
    zehnEinheitenMehr(p_.ansicht);
    redrawDrawing();
}

void TForm1::N10Einheitenweniger1Click() {
    zehnEinheitenWeniger(p_.ansicht);
    redrawDrawing();
}

void TForm1::Beenden1Click() {
    close();
}

void TForm1::Copyright1Click() {
    p_.meldungen.aboutBox(aboutText());
}

bool TForm1::FormCloseQuery() {
    return p_.meldungen.askYesNo(meldung::Beenden);
}

void TForm1::closeEvent(QCloseEvent* e) {
    if (FormCloseQuery())
        e->accept();
    else
        e->ignore();
}
