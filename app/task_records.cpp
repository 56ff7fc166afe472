#include "app/task_records.h"

#include "app/error_handling.h"

#include <utility>

namespace task_rows {

TGerade gerade(TaskFields& f, std::string name, std::string stuetz, std::string richtung,
               TFarbe farbe) {
    TGerade g;
    g.Stuetz = f.punkt(std::move(stuetz), farbe);
    g.Richtung = f.punkt(std::move(richtung), farbe);
    g.Farbe = farbe;
    g.Name = std::move(name);
    return g;
}

TEbene ebenePar(TaskFields& f, std::string name, TFarbe farbe) {
    TEbene e;
    e.Stuetz = f.punkt("P", farbe);
    e.Richtung1 = f.punkt("u", farbe);
    e.Richtung2 = f.punkt("v", farbe);
    e.Farbe = farbe;
    e.Name = std::move(name);
    return e;
}

TEbeneNorm ebeneNorm(TaskFields& f, std::string name, TFarbe farbe) {
    TEbeneNorm e;
    e.Normale = f.punkt("n", farbe);
    e.d = f.zahl();
    e.Farbe = farbe;
    e.Name = std::move(name);
    return e;
}

TKugel kugelM(TaskFields& f, std::string name, std::string mittelpunkt, TFarbe farbe) {
    TKugel k;
    k.M = f.punkt(std::move(mittelpunkt), farbe);
    k.r = f.zahl();
    k.Farbe = farbe;
    k.Name = std::move(name);
    return k;
}

TKugelV kugelV(TaskFields& f, std::string name, TFarbe farbe) {
    TKugelV k;
    k.a = f.punkt("a", farbe);
    k.c = f.zahl();
    k.Farbe = farbe;
    k.Name = std::move(name);
    return k;
}

TViereck vierPunkte(TaskFields& f, TFarbe farbe) {
    TViereck v;
    v.A = f.punkt("A", farbe);
    v.B = f.punkt("B", farbe);
    v.C = f.punkt("C", farbe);
    v.D = f.punkt("D", farbe);
    v.Farbe = farbe;
    return v;
}

bool gueltig(TaskContext& c, bool allePassen, int zusaetzlichePiepse) {
    if (allePassen) return true;
    for (int i = 0; i < zusaetzlichePiepse; ++i) c.meldungen.beep();
    fehler(c.meldungen);
    return false;
}

void spurpunkteAn(Optionen& o) {
    o.Spurpunkte = true;
}

void nurSpurpunkte(Optionen& o) {
    o.Spurpunkte = true;
    o.Projektionsgeraden = false;
}

} // namespace task_rows
