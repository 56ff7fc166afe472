#include "app/output_dialogs.h"

#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRegularExpression>

#include <exception>

namespace {
// The extension of a filter's first pattern: "Bitmaps (*.bmp)" -> "bmp".
QString firstExtension(const QString& filter) {
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("\\(\\*\\.(\\w+)")).match(filter);
    return m.hasMatch() ? m.captured(1) : QStringLiteral("bmp");
}
} // namespace

std::optional<std::string> QtOutputDialogs::saveFileName(const std::string& title) {
    QFileDialog d(parent_, QString::fromStdString(title));
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setFileMode(QFileDialog::AnyFile);
    d.setOption(QFileDialog::DontUseNativeDialog);
    QStringList filter;
    for (const std::string& f : saveFilters()) filter << QString::fromStdString(f);
    d.setNameFilters(filter);
    d.selectNameFilter(filter[PreselectedFilter]);
    // A name typed without an extension gets the chosen filter's.
    d.setDefaultSuffix(firstExtension(filter[PreselectedFilter]));
    QObject::connect(&d, &QFileDialog::filterSelected, &d,
                     [&d](const QString& f) { d.setDefaultSuffix(firstExtension(f)); });
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return std::nullopt;
    return d.selectedFiles().constFirst().toStdString();
}

std::optional<DrawingPrintChoice> QtOutputDialogs::drawingPrint(const DrawingPrintChoice& last) {
    TZeichnungdruckDLG d(last, parent_);
    if (d.exec() != QDialog::Accepted) return std::nullopt;
    return d.wahl();
}

bool QtOutputDialogs::printDialog(QPrinter& printer) {
    QPrintDialog d(&printer, parent_);
    return d.exec() == QDialog::Accepted;
}

void QtOutputDialogs::printPreview(QPrinter& printer, const std::function<void(QPrinter&)>& paint) {
    QPrintPreviewDialog d(&printer, parent_);
    // An error must not travel through Qt's preview code: it is kept and raised afterwards.
    std::exception_ptr fehler;
    QObject::connect(&d, &QPrintPreviewDialog::paintRequested, &d, [&](QPrinter* p) {
        try {
            paint(*p);
        } catch (...) {
            if (!fehler) fehler = std::current_exception();
        }
    });
    d.exec();
    if (fehler) std::rethrow_exception(fehler);
}

void QtOutputDialogs::printerSetup(QPrinter& printer) {
    QPageSetupDialog d(&printer, parent_);
    d.setWindowTitle(QStringLiteral("Druckereinrichtung"));
    d.exec();
}
