#include "affine/affine_scene.h"

void Affin_ableiten(AffineSlots& slots, const AffineObjekte& o, AffineDaten& d) {
    d = AffineDaten{};
    if (o.definition()) {
        TAbbildung2 m;
        bool ok = false;
        if (o.DreiPunkte) ok = AbbildungAusDreiPunkten(o.Urbilder, o.Bilder, m);
        if (o.Fixpunkte) ok = AbbildungAusFixpunkten(o.FP[0], o.FP[1], o.FP[2], o.FP[3], m);
        if (o.Fixgerade) ok = AbbildungAusFixpunktgerade(o.FG[0], o.FG[1], o.f, m);
        if (!ok) {
            // No map: slot 1 keeps what it held and nothing is shown.
            d.kollinear = true;
            return;
        }
        slots.Abb[0] = m;
        slots.aktuell = 1;
        slots.Verkettung = false;
    }
    const TAbbildung2& m = slots.gezeigt();
    if (!m.festgelegt) return;
    d.gezeigt = true;
    d.M = m;
    d.analyse = affine::analysieren(m);
}
