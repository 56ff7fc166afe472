// The affine maps: the dialog tasks of "Abbildung festlegen", the fourteen examples, and the
// commands without a dialog (inverse, composition, objects, options).
#include "app/affine_commands.h"
#include "app/examples.h"
#include "app/menu_table.h"
#include "app/task_records.h"
#include "core/messages.h"
#include "drawing/handover.h"

#include <array>

namespace {

// The scene after a change of the affine data: recomputed and reported when it is shown, and
// redrawn in any case (the grid serves every plane task).
void neuBerechnen(TaskContext& c) {
    if (c.szene.art == Szenenart::AffineAbbildung)
        c.handover.Ebene2_berechnen();
    else if (c.handover.redraw)
        c.handover.redraw();
}

// A definition by points: the plane scene is cleared, the points stored with their flag set;
// the scene works the map out into slot 1.
template <class F> void definitionZeigen(TaskContext& c, F speichern) {
    c.handover.Ebene2_zuruecksetzen();
    speichern(c.szene.Affin);
    c.szene.Abbildungen.aktuell = 1;
    c.szene.Abbildungen.Verkettung = false;
    c.szene.art = Szenenart::AffineAbbildung;
    c.handover.Ebene2_berechnen();
}

template <int N> TaskOutcome gleichung(TaskFields& f, TaskContext& c) {
    TAbbildung2 m;
    for (int i = 0; i < 6; ++i) affine::wert(m, i) = f.zahl();
    m.festgelegt = true;
    c.szene.Abbildungen.Abb[N - 1] = m;
    Abbildung_zeigen(c, N);
    return TaskOutcome::HandedOver;
}

template <int N> void inverse(TaskContext& c) {
    TAbbildung2& m = c.szene.Abbildungen.Abb[N - 1];
    TAbbildung2 inv;
    if (!m.festgelegt || !Inverse(m, inv)) {
        c.meldungen.infoBox("Affine Abbildung Nr." + std::to_string(N) +
                            " nicht vorhanden oder\r\nkeine reguläre Abbildungs-Matrix.\r\n\r\n"
                            "Kann Inverse nicht berechnen !");
        return;
    }
    m = inv;
    Abbildung_zeigen(c, N);
}

template <int I, int J> void verkettung(TaskContext& c) {
    AffineSlots& s = c.szene.Abbildungen;
    if (!s.Abb[I - 1].festgelegt || !s.Abb[J - 1].festgelegt) {
        c.meldungen.errorBox("Verkettung: Abbildung Nr." + std::to_string(I) +
                             " mit Abbildung Nr." + std::to_string(J) +
                             " nicht möglich.\r\nWahrscheinlich wurden die beiden Abbildungen "
                             "noch nicht eigegeben !");
        return;
    }
    s.Erste = s.Abb[I - 1];
    s.Zweite = s.Abb[J - 1];
    s.erste = I;
    s.zweite = J;
    s.Abb[0] = Verkettung(s.Erste, s.Zweite);
    s.aktuell = 1;
    s.Verkettung = true;
    // Map 1 is the composition now, not the map of a definition by points.
    AffineObjekte& o = c.szene.Affin;
    o.DreiPunkte = o.Fixpunkte = o.Fixgerade = false;
    c.szene.art = Szenenart::AffineAbbildung;
    c.handover.Ebene2_berechnen();
}

constexpr TFarbe gruen = farbe::Lime;

// The entries of "Objekte - Bildobjekte": each stores its fixed object, then toggles it.
template <bool AffineObjekte::*flag> void umschalten(TaskContext& c) {
    c.szene.Affin.*flag = !(c.szene.Affin.*flag);
    neuBerechnen(c);
}
template <bool AffineObjekte::*flag> bool objektGezeigt(const Szene& s, const Optionen&) {
    return s.Affin.*flag;
}

void punkt1(TaskContext& c) {
    c.szene.Affin.A = punkt2(1, 1, gruen, "A");
    umschalten<&AffineObjekte::Punkt1>(c);
}
void punkt2Objekt(TaskContext& c) {
    c.szene.Affin.B = punkt2(1, 1, gruen, "B");
    umschalten<&AffineObjekte::Punkt2>(c);
}
void dreieck(TaskContext& c) {
    TPunkt2* d = c.szene.Affin.D;
    d[0] = punkt2(1, 1, gruen, "A");
    d[1] = punkt2(4, 1, gruen, "B");
    d[2] = punkt2(3, 4, gruen, "C");
    umschalten<&AffineObjekte::Dreieck>(c);
}
void gerade(TaskContext& c) {
    c.szene.Affin.g = TGeradeGl2{-1, 2, 4, gruen, "g"};
    umschalten<&AffineObjekte::Gerade>(c);
}
void kreis(TaskContext& c) {
    c.szene.Affin.M = punkt2(1, -1, gruen, "M");
    c.szene.Affin.r = 2;
    umschalten<&AffineObjekte::Kreis>(c);
}
void urbild(TaskContext& c) {
    c.szene.Affin.H = punkt2(4, 2, farbe::Aqua, "H´");
    umschalten<&AffineObjekte::Urbild>(c);
}

template <bool AffineOptionen::*flag> void option(TaskContext& c) {
    c.szene.AffinOptionen.*flag = !(c.szene.AffinOptionen.*flag);
    neuBerechnen(c);
}
template <bool AffineOptionen::*flag> bool optionAn(const Szene& s, const Optionen&) {
    return s.AffinOptionen.*flag;
}
void gitter(TaskContext& c) {
    c.optionen.Koordinatengitter = !c.optionen.Koordinatengitter;
    neuBerechnen(c);
}
bool gitterAn(const Szene&, const Optionen& o) {
    return o.Koordinatengitter;
}

// The examples' maps in menu order: a11, a21, a12, a22, b1, b2.
constexpr std::array<std::array<double, 6>, 14> beispielwerte = {{
    {1, 0, 0, 1, 1, 1},                          // Verschiebung
    {2, 0, 0, 2, 0, 0},                          // Zentrische Streckung
    {-1, 0, 0, -1, 0, 0},                        // Punktspiegelung
    {1, 0, 0, 2, 0, 0},                          // Parallelstreckung
    {1, 0, 0, -1, 0, 0},                         // Schrägspiegelung
    {2, 0, 0, 3, 0, 0},                          // Euler-Affinität
    {2, 0, 0, -2, 0, 0},                         // Streckspiegelung
    {1, 0, 0, 2, 2, 1},                          // Schubparallelstreckung
    {1, 0, 0, -1, 2, 1},                         // Schubspiegelung
    {1, 0, 1, 1, 0, 0},                          // Scherung
    {2, 0, 1, 2, 0, 0},                          // Scherstreckung
    {1, 0, 1, 1, 2, 1},                          // Schubscherung
    {0.5, 0.866025404, -0.866025404, 0.5, 0, 0}, // Drehung
    {1, -1.732050808, 1.732050808, 1, 0, 0},     // Drehstreckung
}};

template <std::size_t I> void beispiel(TaskContext& c) {
    const auto& w = beispielwerte[I];
    c.szene.Abbildungen.Abb[0] = affine::abbildung(w[0], w[1], w[2], w[3], w[4], w[5]);
    Abbildung_zeigen(c, 1);
}

} // namespace

void Abbildung_zeigen(TaskContext& c, int n) {
    c.handover.Ebene2_zuruecksetzen();
    c.szene.Abbildungen.aktuell = n;
    c.szene.Abbildungen.Verkettung = false;
    c.szene.art = Szenenart::AffineAbbildung;
    c.handover.Ebene2_berechnen();
}

namespace task_rows {

void addAffineTasks(std::vector<TaskSpec>& t) {
    const std::string festlegen[] = {"2-&dim. Geometrie", "Affine Abbildungen",
                                     "Abbildung festlegen"};
    auto pfad = [&](const char* eintrag) {
        return std::vector<std::string>{festlegen[0], festlegen[1], festlegen[2], eintrag};
    };
    t.push_back({"Abbildung11Click", pfad("Abbildung 1 (Gleichung)"), "TAffAbbEingabeDlg", "",
                 gleichung<1>, 1});
    t.push_back({"Abbildung21Click", pfad("Abbildung 2 (Gleichung)"), "TAffAbbEingabeDlg", "",
                 gleichung<2>, 2});
    t.push_back({"Abbildung31Click", pfad("Abbildung 3 (Gleichung)"), "TAffAbbEingabeDlg", "",
                 gleichung<3>, 3});
    t.push_back({"N3PunkteundBildpunkte1Click", pfad("Drei Punkte und Bildpunkte"), "TAffAbb3PDlg",
                 "", [](TaskFields& f, TaskContext& c) {
                     TPunkt2 P[3], B[3];
                     const char* namen[] = {"P", "Q", "R"};
                     for (int i = 0; i < 3; ++i) P[i] = f.punkt2(namen[i], gelb);
                     for (int i = 0; i < 3; ++i) B[i] = f.punkt2(std::string(namen[i]) + "´", cyan);
                     definitionZeigen(c, [&](AffineObjekte& o) {
                         for (int i = 0; i < 3; ++i) {
                             o.Urbilder[i] = P[i];
                             o.Bilder[i] = B[i];
                         }
                         o.DreiPunkte = true;
                     });
                     return TaskOutcome::HandedOver;
                 }});
    t.push_back({"PunkteundFixpunkte1Click", pfad("Punkt, Bildpunkt und 2 Fixpunkte"),
                 "TPunktFPunktDlg", "", [](TaskFields& f, TaskContext& c) {
                     const TPunkt2 P[4] = {f.punkt2("P", gelb), f.punkt2("P´", cyan),
                                           f.punkt2("F1", rot), f.punkt2("F2", rot)};
                     definitionZeigen(c, [&](AffineObjekte& o) {
                         for (int i = 0; i < 4; ++i) o.FP[i] = P[i];
                         o.Fixpunkte = true;
                     });
                     return TaskOutcome::HandedOver;
                 }});
    t.push_back({"PunkteundFixpunktgerade1Click", pfad("Punkt, Bildpunkt und Fixpunktgerade"),
                 "TPunktFPGeradeDlg", "", [](TaskFields& f, TaskContext& c) {
                     const TPunkt2 P = f.punkt2("P", gelb), Q = f.punkt2("P´", cyan);
                     TGeradeGl2 g;
                     g.u = f.zahl();
                     g.v = f.zahl();
                     g.w = f.zahl();
                     g.Farbe = rot;
                     g.Name = "g";
                     definitionZeigen(c, [&](AffineObjekte& o) {
                         o.FG[0] = P;
                         o.FG[1] = Q;
                         o.f = g;
                         o.Fixgerade = true;
                     });
                     return TaskOutcome::HandedOver;
                 }});
}

} // namespace task_rows

std::vector<ExampleSpec> affineExamples() {
    return {
        {"Verschiebung", "Verschiebung1Click", {}, beispiel<0>},
        {"Zentrische Streckung", "ZentrischeStreckung1Click", {}, beispiel<1>},
        {"Punktspiegelung", "Punktspiegelung1Click", {}, beispiel<2>},
        {"Parallelstreckung", "Parallelstreckung1Click", {}, beispiel<3>},
        {"Schrägspiegelung", "Schrgspiegelung1Click", {}, beispiel<4>},
        {"Euler-Affinität", "EulerAffinitt1Click", {}, beispiel<5>},
        {"Streckspiegelung", "Streckspiegelung1Click", {}, beispiel<6>},
        {"Schubparallelstreckung", "Schubparallelstreckung1Click", {}, beispiel<7>},
        {"Schubspiegelung", "Schubspiegelung1Click", {}, beispiel<8>},
        {"Scherung", "Scherung1Click", {}, beispiel<9>},
        {"Scherstreckung", "Scherstreckung1Click", {}, beispiel<10>},
        {"Schubscherung", "Schubscherung1Click", {}, beispiel<11>},
        {"Drehung", "Drehung1Click", {}, beispiel<12>},
        {"Drehstreckung", "Drehstreckung1Click", {}, beispiel<13>},
    };
}

const std::vector<AffineCommand>& affineCommands() {
    using O = AffineObjekte;
    using P = AffineOptionen;
    static const std::vector<AffineCommand> table = {
        {"vonAbbildung11Click", inverse<1>},
        {"vonAbbildung12Click", inverse<2>},
        {"vonAbbildung31Click", inverse<3>},
        {"Abb1mitAbb21Click", verkettung<1, 2>},
        {"Abb1mitAbb22Click", verkettung<2, 1>},
        {"Abb2mitAbb31Click", verkettung<2, 3>},
        {"Abb3mitAbb21Click", verkettung<3, 2>},
        {"Abb1mitAbb31Click", verkettung<1, 3>},
        {"Abb3mitAbb11Click", verkettung<3, 1>},
        {"PunktBildpunkt1Click", punkt1, objektGezeigt<&O::Punkt1>},
        {"Punkt2Bildpunkt21Click", punkt2Objekt, objektGezeigt<&O::Punkt2>},
        {"DreieckBilddreieck1Click", dreieck, objektGezeigt<&O::Dreieck>},
        {"GeradeBildgerade1Click", gerade, objektGezeigt<&O::Gerade>},
        {"KreisBild1Click", kreis, objektGezeigt<&O::Kreis>},
        {"BildpunktUrbildpunkt1Click", urbild, objektGezeigt<&O::Urbild>},
        {"Fixgeradenbschelzeigen1Click", option<&P::Fixgeradenbueschel>,
         optionAn<&P::Fixgeradenbueschel>},
        {"Koordinatemngitter1Click", gitter, gitterAn},
        {"Konstruktionzeigen1Click", option<&P::Konstruktion>, optionAn<&P::Konstruktion>},
        {"Normalformberechnen1Click", option<&P::Normalform>, optionAn<&P::Normalform>},
        {"InvariantesRechtwinkelpaar1Click", option<&P::Rechtwinkelpaar>,
         optionAn<&P::Rechtwinkelpaar>},
        {"InverseAbbausgeben1Click", option<&P::Inverse>, optionAn<&P::Inverse>},
    };
    return table;
}

const AffineCommand* findAffineCommandByPath(std::string_view path) {
    for (const AffineCommand& c : affineCommands())
        for (const MenuZeile* row : zeilenMitBefehl(c.handler)) {
            std::string joined;
            for (const std::string& caption : row->pfad)
                joined += (joined.empty() ? "" : "/") + ohneKaufmannsUnd(caption);
            if (joined == path) return &c;
        }
    return nullptr;
}

const AffineCommand* affineContextCommand(std::string_view caption) {
    // The context entries carry the main menu's captions, two of them shortened or misspelt.
    static const std::pair<const char*, const char*> twins[] = {
        {"Fixgeradenbüschel", "Fixgeradenbschelzeigen1Click"},
        {"Koordinatengitter", "Koordinatemngitter1Click"},
        {"Konstruktion zeigen", "Konstruktionzeigen1Click"},
        {"Normalform berechnen", "Normalformberechnen1Click"},
        {"Invariantes Rrechtwinkelpaar", "InvariantesRechtwinkelpaar1Click"},
        {"Inverse Abb. ausgeben", "InverseAbbausgeben1Click"},
    };
    for (const auto& [c, h] : twins)
        if (caption == c)
            for (const AffineCommand& a : affineCommands())
                if (a.handler == h) return &a;
    return nullptr;
}
