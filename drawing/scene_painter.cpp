#include "drawing/scene_painter.h"

#include "core/messages.h"
#include "drawing/primitives.h"
#include "drawing/qt_canvas.h"

#include <QObject>
#include <QPainter>
#include <QTimer>

#include <cstring>

namespace {
// FNV-1a over everything that decides what the picture shows, so that an error is reported
// again exactly when the scene, the view or the options have changed since the last report.
struct Fingerprint {
    std::uint64_t h = 14695981039346656037ull;

    void bytes(const void* data, std::size_t n) {
        const auto* p = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < n; ++i) {
            h ^= p[i];
            h *= 1099511628211ull;
        }
    }
    template <class T> void value(T v) { bytes(&v, sizeof v); }
    void text(const std::string& s) {
        value(s.size());
        bytes(s.data(), s.size());
    }
    void add(const TPunkt& p) {
        value(p.x);
        value(p.y);
        value(p.z);
        value(p.Farbe);
        text(p.Name);
    }
    void add(const TGerade& g) {
        add(g.Stuetz);
        add(g.Richtung);
        value(g.Farbe);
        text(g.Name);
    }
    void add(const TEbene& e) {
        add(e.Stuetz);
        add(e.Richtung1);
        add(e.Richtung2);
        value(e.Farbe);
        text(e.Name);
    }
    void add(const TEbeneNorm& e) {
        add(e.Normale);
        value(e.d);
        value(e.Farbe);
        text(e.Name);
    }
    void add(const TKugel& k) {
        add(k.M);
        value(k.r);
        value(k.Farbe);
        text(k.Name);
    }
    void add(const TKugelV& k) {
        add(k.a);
        value(k.c);
        value(k.Farbe);
        text(k.Name);
    }
    void add(const TViereck& v) {
        for (const TPunkt* p : {&v.A, &v.B, &v.C, &v.D}) add(*p);
        value(v.Farbe);
    }
};

void defaultError(Messages& m, const std::exception* e) {
    m.beep();
    m.errorBox(meldung::Eingabefehler);
    m.exceptionBox(e ? e->what() : "Unbekannter Fehler");
}
} // namespace

ScenePainter::ScenePainter(ViewState& view, Szene& szene, Optionen& optionen, Messages& meldungen)
    : view_(view), szene_(szene), optionen_(optionen), meldungen_(meldungen),
      context_(std::make_unique<QObject>()) {
    onError = [this](const std::exception* e) { defaultError(meldungen_, e); };
    post = [this](std::function<void()> f) { QTimer::singleShot(0, context_.get(), std::move(f)); };
}

ScenePainter::~ScenePainter() = default;

std::uint64_t ScenePainter::fingerprint() const {
    Fingerprint f;
    const ViewState& v = view_;
    for (int i : {v.Width, v.Height, v.UrsprungX, v.UrsprungY, v.EinheitenX, v.EinheitenY,
                  v.EinheitenZ, v.WinkelX, v.WinkelY, v.WinkelZ, v.Ursprung2X, v.Ursprung2Y,
                  v.Schritt2X, v.Schritt2Y, v.Einheiten2X, v.Einheiten2Y})
        f.value(i);
    f.value(v.Hintergrundfarbe);
    f.value(v.farbig);
    f.value(v.zweidim);

    const Optionen& o = optionen_;
    for (bool b : {o.Spurpunkte, o.Projektionsgeraden, o.Ursprungslotgeraden, o.KoordSchnittpunkte,
                   o.Spurgeraden, o.Parameterdarstellung, o.Quaderdarstellung,
                   o.Quaderschnittpunkte, o.HilfsQuader, o.DreieckHoehen, o.TetraederKanten,
                   o.KugelEbenenpunkte, o.Seitenmitten, o.Seitenhalbierende, o.Mittelsenkrechte,
                   o.Hoehen, o.Winkelhalbierende, o.Eulergerade, o.Koordinatengitter})
        f.value(b);

    const Szene& s = szene_;
    f.value(static_cast<int>(s.art));
    f.add(s.SzenePunkt);
    f.add(TViereck{s.SzeneStrecke.A, s.SzeneStrecke.B, {}, {}, s.SzeneStrecke.Farbe});
    f.add(TViereck{s.SzeneDreieck.A, s.SzeneDreieck.B, s.SzeneDreieck.C, {}, s.SzeneDreieck.Farbe});
    f.add(s.SzeneViereck);
    f.add(s.SzeneTetraeder);
    for (const TGerade* g : {&s.SzeneGerade, &s.SzeneGerade1, &s.SzeneGerade2}) f.add(*g);
    for (const TEbene* e : {&s.SzeneEbenePar, &s.SzeneEbenePar1, &s.SzeneEbenePar2}) f.add(*e);
    for (const TEbeneNorm* e : {&s.SzeneEbene, &s.SzeneEbene1, &s.SzeneEbene2}) f.add(*e);
    for (const TKugel* k : {&s.SzeneKugel, &s.SzeneKugel1, &s.SzeneKugel2}) f.add(*k);
    for (const TKugelV* k : {&s.SzeneKugelV, &s.SzeneKugelV1, &s.SzeneKugelV2}) f.add(*k);
    for (const TPunkt* p : {&s.SzeneVek1, &s.SzeneVek2, &s.SzeneVek3, &s.SzeneVek4}) f.add(*p);
    for (const TPunkt& p : s.SzeneTeilpunkte) f.add(p);
    for (const TPunkt2& p : s.SzeneDreieck2) f.add(punkt(p.x, p.y, 0, p.Farbe, p.Name));
    for (int i = 0; i < 6; ++i) {
        f.add(s.SzeneSchnittpunkte[i]);
        f.value(s.SzeneSchnittpunktDa[i]);
    }
    return f.h;
}

void ScenePainter::paint(Canvas& canvas) {
    SceneDrawEvents events;
    events.optionsChanged = [this] {
        if (onOptionsChanged) onOptionsChanged();
    };
    events.zeroCrossProduct = [this] {
        post([&m = meldungen_] { m.cancelBox(meldung::Vektorprodukt_Null); });
    };
    try {
        Zeichne_alles(canvas, view_, szene_, optionen_, events);
        reported_ = false; // a picture that works again may fail again later: report that too
    } catch (const std::exception& e) {
        reportOnce(std::current_exception(), e.what());
    } catch (...) {
        reportOnce(std::current_exception(), "");
    }
}

void ScenePainter::reportOnce(std::exception_ptr error, const std::string& message) {
    const std::uint64_t now = fingerprint();
    if (reported_ && reportedMessage_ == message && reportedFingerprint_ == now) return;
    reported_ = true;
    reportedMessage_ = message;
    reportedFingerprint_ = now;
    post([this, error] {
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& e) {
            if (onError) onError(&e);
        } catch (...) {
            if (onError) onError(nullptr);
        }
    });
}

QImage renderScene(ViewState& view, Szene& szene, Optionen& optionen,
                   const SceneDrawEvents& events) {
    QImage image(view.Width, view.Height, QImage::Format_RGB32);
    {
        // The canvas draws its last strokes when it ends, before the painter does.
        QPainter painter(&image);
        QtCanvas canvas(painter);
        paintBackground(canvas, view);
        Zeichne_alles(canvas, view, szene, optionen, events);
    }
    return image;
}
