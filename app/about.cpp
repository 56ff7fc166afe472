#include "app/about.h"

#include "app/qt_messages.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <QVBoxLayout>

#ifndef QUILLON_VERSION
#define QUILLON_VERSION "0.0.0"
#endif
#ifndef QUILLON_DATA_DIR
#define QUILLON_DATA_DIR "/usr/share/quillon"
#endif

std::string quillonVersion() {
    return QUILLON_VERSION;
}

std::string aboutText() {
    return "Quillon " + quillonVersion() +
           "\r\nAnalytische Geometrie und Vektorrechnung\r\n\r\n"
           "Ein Lernprogramm für Schülerinnen, Schüler und Lehrkräfte:\r\n"
           "Punkte, Geraden, Ebenen und Kugeln im Raum, Vektoren,\r\n"
           "das Dreieck und Ellipsen in der Ebene, affine Abbildungen,\r\n"
           "Matrizen und lineare Gleichungssysteme, mit Rechenhilfe.\r\n\r\n"
           "Lizenz: MIT. Ohne jede Gewähr.\r\n"
           "Quillon – Analytische Geometrie und Vektorrechnung";
}

namespace {

// The picture of the icon file (data/quillon.svg) on a 256 × 256 grid.
QPixmap iconPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x0A, 0x24, 0x6A));
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 36, 36);

    const QPolygonF ebene({{60, 170}, {150, 140}, {210, 180}, {120, 210}});
    QColor aqua(0, 255, 255);
    p.setPen(QPen(aqua, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    aqua.setAlphaF(0.35);
    p.setBrush(aqua);
    p.drawPolygon(ebene);

    p.setPen(QPen(Qt::white, 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(96, 160), QPointF(96, 40));
    p.drawLine(QPointF(96, 160), QPointF(220, 160));
    p.drawLine(QPointF(96, 160), QPointF(40, 216));

    const QColor gelb(255, 255, 0);
    p.setPen(QPen(gelb, 10, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(96, 160), QPointF(176, 78));
    p.setPen(Qt::NoPen);
    p.setBrush(gelb);
    p.drawPolygon(QPolygonF({{194, 58}, {160, 72}, {182, 94}}));
    return pixmap;
}

QStringList dataFolders() {
    const QString programm = QCoreApplication::applicationDirPath();
    return {programm, programm + QStringLiteral("/../share/quillon"),
            QStringLiteral(QUILLON_DATA_DIR), QDir::currentPath()};
}

} // namespace

QIcon quillonIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) icon.addPixmap(iconPixmap(size));
    return icon;
}

void showAboutBox(QWidget* parent, const std::string& about) {
    QDialog box(parent);
    box.setObjectName(QStringLiteral("TAboutBox"));
    box.setWindowTitle(QStringLiteral("Copyright"));
    auto* bild = new QLabel;
    bild->setPixmap(iconPixmap(96));
    bild->setAlignment(Qt::AlignTop);
    auto* text = new QLabel(alsAnzeigetext(about));
    auto* oben = new QHBoxLayout;
    oben->addWidget(bild);
    oben->addSpacing(12);
    oben->addWidget(text);
    auto* knopf = new QDialogButtonBox(QDialogButtonBox::Ok);
    QObject::connect(knopf, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    auto* alles = new QVBoxLayout(&box);
    alles->addLayout(oben);
    alles->addWidget(knopf);
    box.exec();
}

std::string dataFolderOf(const std::string& name) {
    for (const QString& ordner : dataFolders()) {
        const QFileInfo datei(QDir(ordner), QString::fromStdString(name));
        if (datei.isFile()) return QDir::cleanPath(datei.absolutePath()).toStdString();
    }
    return {};
}

std::string findDataFile(const std::string& name) {
    const std::string ordner = dataFolderOf(name);
    return ordner.empty() ? std::string() : ordner + "/" + name;
}
