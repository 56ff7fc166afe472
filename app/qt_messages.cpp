#include "app/qt_messages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

namespace {

const char* const Programmtitel = "Quillon";
const char* const Fehlertitel = "Fehler";

int zeigen(QMessageBox::Icon symbol, const char* titel, const std::string& text,
           QMessageBox::StandardButtons knoepfe) {
    QMessageBox box(symbol, QString::fromUtf8(titel), alsAnzeigetext(text), knoepfe,
                    QApplication::activeWindow());
    // German captions, whatever translations Qt finds.
    if (QAbstractButton* b = box.button(QMessageBox::Yes)) b->setText(QStringLiteral("&Ja"));
    if (QAbstractButton* b = box.button(QMessageBox::No)) b->setText(QStringLiteral("&Nein"));
    if (QAbstractButton* b = box.button(QMessageBox::Cancel))
        b->setText(QStringLiteral("Abbrechen"));
    return box.exec();
}

} // namespace

QString alsAnzeigetext(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

void QtMessages::beep() {
    QApplication::beep();
}

void QtMessages::errorBox(const std::string& text) {
    zeigen(QMessageBox::Critical, Fehlertitel, text, QMessageBox::Ok);
}

void QtMessages::exceptionBox(const std::string& text) {
    zeigen(QMessageBox::Critical, Programmtitel, text, QMessageBox::Ok);
}

void QtMessages::cancelBox(const std::string& text) {
    zeigen(QMessageBox::Critical, Fehlertitel, text, QMessageBox::Cancel);
}

void QtMessages::infoBox(const std::string& text) {
    zeigen(QMessageBox::Information, Programmtitel, text, QMessageBox::Ok);
}

bool QtMessages::askYesNo(const std::string& text) {
    return zeigen(QMessageBox::Question, Programmtitel, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}
