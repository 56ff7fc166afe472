#include "app/linear_system_dialog.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

LinearSystemDialog::LinearSystemDialog(const LinearSystemSpec& linearSystem, Messages& meldungen,
                                       QWidget* parent)
    : QDialog(parent), linearSystem_(linearSystem), meldungen_(meldungen) {
    setWindowTitle(QString::fromUtf8(linearSystem.caption));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    const int n = linearSystem.size;
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j <= n; ++j) {
            auto* edit = new QLineEdit(QStringLiteral("0"), this);
            edit->setObjectName(QStringLiteral("Edit%1").arg(fields_.size() + 1));
            edit->setFixedWidth(60);
            fields_.push_back(edit);
            grid->addWidget(edit, i, 2 * j);
            const QString after = j + 1 < n    ? QStringLiteral("x%1  +").arg(j + 1)
                                  : j + 1 == n ? QStringLiteral("x%1  =").arg(j + 1)
                                               : QString();
            if (!after.isEmpty()) grid->addWidget(new QLabel(after, this), i, 2 * j + 1);
        }
    }
    layout->addLayout(grid);

    // The results in a fixed-width font, so that the reduced matrix's columns line up.
    const QFont fest = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (int i = 0; i < n + 3; ++i) {
        auto* label = new QLabel(this);
        label->setFont(fest);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->hide();
        results_.push_back(label);
        layout->addWidget(label);
    }

    auto* buttons = new QHBoxLayout;
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("OKBtn"));
    ok_->setDefault(true);
    buttons->addWidget(ok_);
    if (n == 3) {
        example_ = new QPushButton(QStringLiteral("Beispiel"), this);
        example_->setObjectName(QStringLiteral("BeispielBtn"));
        buttons->addWidget(example_);
        connect(example_, &QPushButton::clicked, this, [this] {
            const std::vector<std::string> t = linearSystemExample();
            for (std::size_t i = 0; i < t.size(); ++i)
                fields_[i]->setText(QString::fromStdString(t[i]));
        });
    }
    auto* close = new QPushButton(QStringLiteral("Schließen"), this);
    close->setObjectName(QStringLiteral("CancelBtn"));
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(ok_, &QPushButton::clicked, this, &LinearSystemDialog::solve);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void LinearSystemDialog::solve() {
    for (QLabel* l : results_) l->hide();
    std::vector<std::string> texts;
    for (QLineEdit* e : fields_) texts.push_back(e->text().toStdString());
    const std::optional<LGSAnzeige> a = solveLinearSystem(linearSystem_, texts, meldungen_);
    if (!a) {
        fields_[0]->setFocus();
        return;
    }
    std::vector<std::string> zeilen = a->matrix;
    zeilen.push_back(a->loesung);
    zeilen.push_back(a->hinweis);
    for (std::size_t i = 0; i < results_.size() && i < zeilen.size(); ++i) {
        results_[i]->setText(QString::fromStdString(zeilen[i]));
        results_[i]->setVisible(!zeilen[i].empty());
    }
}

std::vector<std::string> LinearSystemDialog::shownTexts() const {
    std::vector<std::string> t;
    for (QLabel* l : results_)
        if (!l->isHidden()) t.push_back(l->text().toStdString());
    return t;
}

void runLinearSystemDialog(const LinearSystemSpec& linearSystem, Messages& meldungen,
                           QWidget* parent) {
    LinearSystemDialog dialog(linearSystem, meldungen, parent);
    dialog.exec();
}
