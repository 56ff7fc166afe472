#include "app/output_commands.h"

#include "app/commands.h"
#include "app/program.h"

#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QString>

#include <stdexcept>

namespace {

const char* const TitelZeichnung = "Zeichnung speichern unter ...";
const char* const TitelErgebnisse = "Rechenergebnise sppeichern unter ...";
const char* const BildGespeichert = "Ihr Bild finden Sie in der Datei: \r\n";
const char* const ErgebnisseGespeichert = "Ihre Ergebnisse finden Sie in der Datei: \r\n";

// The hourglass while a picture is made; the normal cursor again however the command ends.
class Sanduhr {
public:
    Sanduhr() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~Sanduhr() { QGuiApplication::restoreOverrideCursor(); }
    Sanduhr(const Sanduhr&) = delete;
    Sanduhr& operator=(const Sanduhr&) = delete;
};

// Runs a function when the scope ends, also by an exception: the drawing window paints again
// after every drawing command.
class Danach {
public:
    explicit Danach(const std::function<void()>& f) : f_(f) {}
    ~Danach() {
        if (f_) f_();
    }
    Danach(const Danach&) = delete;
    Danach& operator=(const Danach&) = delete;

private:
    const std::function<void()>& f_;
};

std::string inGrossbuchstaben(const std::string& text) {
    return QString::fromStdString(text).toUpper().toStdString();
}

void toClipboard(const QImage& image) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) throw std::runtime_error("Die Zwischenablage ist nicht verfügbar");
    clipboard->setImage(image);
}

// Paints on the printer's first page; a printer that will not start raises the error.
void printOn(QPrinter& printer, const std::function<void(QPainter&)>& paint) {
    QPainter painter;
    if (!painter.begin(&printer))
        throw std::runtime_error("Der Drucker " + printer.printerName().toStdString() +
                                 " nimmt den Auftrag nicht an");
    paint(painter);
    if (!painter.end()) throw std::runtime_error("Der Druckauftrag ist fehlgeschlagen");
}

} // namespace

const std::vector<std::string>& saveFilters() {
    static const std::vector<std::string> filter = {
        "Alle Dateien (*.bmp *.ico *.emf *.wmf)",
        "Bitmaps (*.bmp)",
        "Symbole (*.ico)",
        "Erweiterte Metadateien (*.emf)",
        "Metadateien (*.wmf)",
        "PNG-Bilder (*.png)",
        "SVG-Vektorgrafik (*.svg)",
        "PDF-Dokumente (*.pdf)",
    };
    return filter;
}

OutputCommands::OutputCommands(Programm& programm, OutputDialogs& dialogs)
    : p_(programm), dialogs_(&dialogs) {}

OutputCommands::~OutputCommands() = default;

void OutputCommands::registerAll(Befehle& b) {
    b.registrieren("Zeichnungkopieren1Click", [this] { Zeichnungkopieren1Click(); });
    b.registrieren("schwarzweiss1Click", [this] { schwarzweiss1Click(); });
    b.registrieren("farbig2Click", [this] { farbig2Click(); });
    b.registrieren("schwarzweiss2Click", [this] { schwarzweiss2Click(); });
    b.registrieren("Ergebnissekopieren1Click", [this] { Ergebnissekopieren1Click(); });
    b.registrieren("Ergebnisse2Click", [this] { Ergebnisse2Click(); });
    b.registrieren("Ergebnisse1Click", [this] { Ergebnisse1Click(); });
    b.registrieren("Zeichnung1Click", [this] { Zeichnung1Click(); });
    b.registrieren("Druckereinrichtung1Click", [this] { Druckereinrichtung1Click(); });
}

PictureSource OutputCommands::drawing(bool farbig, bool aufWeiss) {
    SceneDrawEvents events;
    events.optionsChanged = [this] {
        if (optionsChanged) optionsChanged();
    };
    events.zeroCrossProduct = [&m = p_.meldungen] { m.cancelBox(meldung::Vektorprodukt_Null); };
    ViewState ansicht = p_.ansicht;
    if (aufWeiss) ansicht.Hintergrundfarbe = farbe::Weiss;
    return drawingSource(ansicht, p_.szene, p_.optionen, farbig, events);
}

void OutputCommands::copyDrawing(bool farbig) {
    Danach neuZeichnen(redraw);
    QImage bild;
    {
        Sanduhr s;
        bild = drawing(farbig).image();
    }
    toClipboard(bild);
}

void OutputCommands::saveDrawing(bool farbig) {
    Danach neuZeichnen(redraw);
    // The picture is made before the dialog opens, as it stands when the command is chosen.
    QImage bild;
    {
        Sanduhr s;
        bild = drawing(farbig).image();
    }
    const std::optional<std::string> datei = dialogs_->saveFileName(TitelZeichnung);
    if (!datei) return;
    PictureSource quelle = drawing(farbig);
    quelle.image = [&bild] { return bild; };
    writePicture(*datei, formatForName(*datei, PictureFormat::Bmp), quelle);
    p_.meldungen.infoBox(BildGespeichert + inGrossbuchstaben(*datei));
}

void OutputCommands::Ergebnissekopieren1Click() {
    Sanduhr s;
    toClipboard(p_.sheet.bild());
}

void OutputCommands::Ergebnisse2Click() {
    const std::optional<std::string> datei = dialogs_->saveFileName(TitelErgebnisse);
    if (!datei) return;
    {
        Sanduhr s;
        writePicture(*datei, formatForName(*datei, PictureFormat::Bmp), sheetSource(p_.sheet));
    }
    p_.meldungen.infoBox(ErgebnisseGespeichert + inGrossbuchstaben(*datei));
}

bool OutputCommands::choosePrinter() {
    printer().setPageOrientation(QPageLayout::Portrait);
    return dialogs_->printDialog(printer());
}

void OutputCommands::Ergebnisse1Click() {
    if (!choosePrinter()) return;
    Sanduhr s;
    const PictureSource quelle = sheetSource(p_.sheet);
    printOn(printer(), [&](QPainter& painter) {
        paintScaled(painter, quelle,
                    fitIntoPage(quelle.size, QSize(printer().width(), printer().height())));
    });
}

void OutputCommands::Zeichnung1Click() {
    const std::optional<DrawingPrintChoice> wahl = dialogs_->drawingPrint(lastChoice_);
    if (!wahl) return;
    lastChoice_ = *wahl;
    lastChoice_.vorschau = false;
    Danach neuZeichnen(redraw);
    // Printed on white paper in both modes; in colour the objects keep their colours.
    const PictureSource quelle = drawing(wahl->farbig, true);
    auto seite = [&](QPrinter& drucker) {
        printOn(drucker, [&](QPainter& painter) {
            paintScaled(painter, quelle, drawingPrintRect(drucker.width(), wahl->groesse));
        });
    };
    printer().setPageOrientation(QPageLayout::Portrait);
    if (wahl->vorschau) {
        dialogs_->printPreview(printer(), seite);
        return;
    }
    if (!dialogs_->printDialog(printer())) return;
    Sanduhr s;
    seite(printer());
}

// Made on first use: asking the print system for its printers can take a moment.
QPrinter& OutputCommands::printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void OutputCommands::Druckereinrichtung1Click() {
    dialogs_->printerSetup(printer());
}
