#include "help/help_dialog.h"

#include "sheet/qt_colour.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QTextCharFormat format(const char* family, int points, TFarbe colour, bool boldUnderlined) {
    QTextCharFormat f;
    f.setFontFamilies({QString::fromUtf8(family)});
    f.setFontFixedPitch(QString::fromUtf8(family) == QStringLiteral("Courier New"));
    f.setFontPointSize(points);
    f.setForeground(toQColor(colour));
    f.setFontWeight(boldUnderlined ? QFont::Bold : QFont::Normal);
    f.setFontUnderline(boldUnderlined);
    return f;
}

// Appends one paragraph in the given attributes.
void addLine(QTextCursor& c, const std::string& text, const QTextCharFormat& f) {
    c.movePosition(QTextCursor::End);
    if (!c.document()->isEmpty()) c.insertBlock(QTextBlockFormat(), f);
    c.insertText(QString::fromStdString(text), f);
}

Qt::Alignment alignment(RtfAlignment a) {
    switch (a) {
    case RtfAlignment::centre:
        return Qt::AlignHCenter;
    case RtfAlignment::right:
        return Qt::AlignRight;
    case RtfAlignment::justify:
        return Qt::AlignJustify;
    default:
        return Qt::AlignLeft;
    }
}

} // namespace

void appendRtf(QTextDocument& doc, const RtfDocument& rtf) {
    QTextCursor c(&doc);
    c.movePosition(QTextCursor::End);
    bool first = doc.isEmpty();
    for (const RtfParagraph& p : rtf.paragraphs) {
        QTextBlockFormat b;
        b.setAlignment(alignment(p.alignment));
        // Twips to pixels at 96 dpi; a tab stop at the left margin lines up the text after a
        // bullet of a hanging indent.
        const double links = std::max(0, p.leftIndent) / 15.0;
        b.setLeftMargin(links);
        b.setTextIndent(std::max(-links, p.firstIndent / 15.0));
        if (links > 0) b.setTabPositions({QTextOption::Tab(links, QTextOption::LeftTab)});
        if (first)
            c.setBlockFormat(b);
        else
            c.insertBlock(b);
        first = false;
        for (const RtfRun& r : p.runs) {
            QTextCharFormat f;
            if (!r.font.empty()) f.setFontFamilies({QString::fromStdString(r.font)});
            f.setFontPointSize(r.halfPoints / 2.0);
            f.setFontWeight(r.bold ? QFont::Bold : QFont::Normal);
            f.setFontItalic(r.italic);
            f.setFontUnderline(r.underline);
            f.setForeground(r.hasColour ? QColor::fromRgb(r.rgb) : toQColor(farbe::Schwarz));
            c.insertText(QString::fromStdString(r.text), f);
        }
    }
}

TRechenhilfeDlg::TRechenhilfeDlg(const HelpContent& content, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TRechenhilfeDlg"));
    setWindowTitle(QStringLiteral("Rechenhilfe"));
    setFixedSize(491, 545);
    RichEdit1 = new QTextEdit;
    RichEdit1->setReadOnly(true);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* panel = new QWidget;
    panel->setFixedHeight(33);
    OKBtn = new QPushButton(QStringLiteral("OK"));
    OKBtn->setDefault(true);
    DruckenBtn = new QPushButton(QStringLiteral("Drucken"));
    AbbrechenBtn = new QPushButton(QStringLiteral("Abbrechen"));
    auto* knoepfe = new QHBoxLayout(panel);
    knoepfe->setContentsMargins(4, 2, 4, 2);
    knoepfe->addStretch();
    for (QPushButton* b : {OKBtn, DruckenBtn, AbbrechenBtn}) knoepfe->addWidget(b);
    auto* alles = new QVBoxLayout(this);
    alles->setContentsMargins(0, 0, 0, 0);
    alles->setSpacing(0);
    alles->addWidget(RichEdit1);
    alles->addWidget(panel);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(AbbrechenBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(DruckenBtn, &QPushButton::clicked, this, [this] { DruckenClick(); });
    if (const QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
    FormShow(content);
}

void TRechenhilfeDlg::FormShow(const HelpContent& content) {
    QPalette farben = palette();
    farben.setColor(QPalette::Window, toQColor(farbe::Rechenhilfe));
    farben.setColor(QPalette::Base, toQColor(farbe::Rechenhilfe));
    setPalette(farben);
    setAutoFillBackground(true);
    RichEdit1->setPalette(farben);

    QTextDocument& doc = *RichEdit1->document();
    QTextCursor c(&doc);
    for (const std::string& note : content.notes)
        addLine(c, note, format("Arial", 10, farbe::Dunkelrot, false));
    if (content.pageFound) appendRtf(doc, content.page);

    const QTextCharFormat arial = format("Arial", 10, farbe::Blau, true);
    const QTextCharFormat courier = format("Courier New", 9, farbe::Schwarz, false);
    addLine(c, " ", arial);
    addLine(c, solutionHeading, arial);
    addLine(c, " ", courier);
    for (const std::string& line : content.solution) addLine(c, line, courier);
    if (content.solution.empty()) {
        addLine(c, " ", courier);
        QTextCharFormat rot = courier;
        rot.setForeground(toQColor(farbe::Rot));
        addLine(c, noSolutionLine, rot);
    }
    RichEdit1->moveCursor(QTextCursor::Start);
}

void TRechenhilfeDlg::print(QPrinter& printer) {
    RichEdit1->document()->print(&printer);
}

void TRechenhilfeDlg::DruckenClick() {
    QPrinter printer;
    printer.setDocName(QStringLiteral("Quillon – Rechenhilfe"));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) print(printer);
}
