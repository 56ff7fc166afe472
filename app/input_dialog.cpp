#include "app/input_dialog.h"

#include "sheet/qt_colour.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <stdexcept>

namespace {

const DialogRow& rowOf(const std::string& className) {
    const DialogRow* row = findDialog(className);
    if (!row) throw std::invalid_argument("no input dialog named " + className);
    return *row;
}

std::optional<TFarbe> platformColourChooser(TFarbe current, QWidget* parent) {
    QColor c = QColorDialog::getColor(toQColor(current), parent, "Farbe");
    if (!c.isValid()) return std::nullopt;
    return toFarbe(c);
}

} // namespace

InputDialog::InputDialog(const std::string& className, LetzteEingaben& inputs,
                         const DialogOptions& options, QWidget* parent)
    : InputDialog(rowOf(className), inputs, options, parent) {}

InputDialog::InputDialog(const DialogRow& row, LetzteEingaben& inputs, const DialogOptions& options,
                         QWidget* parent)
    : QDialog(parent), row_(row), inputs_(inputs), options_(options),
      chooser_(platformColourChooser) {
    setWindowTitle(QString::fromStdString(dialogCaption(row_, options_)));
    for (const ColourPreset& c : row_.colours) colours_.push_back(c.colour);
    build();

    // The remembered texts win over anything else; then the row's own presets.
    setTexts(openingTexts(row_, inputs_, options_));
    if (row_.affineSlot) {
        if (auto* slot = findChild<QLabel*>("StaticText2"))
            slot->setText(QString("a%1:").arg(options_.affineSlot));
    }
    // Connected only after filling, so opening does not copy one remembered text over another.
    if (row_.copyFrom >= 0 && row_.copyTo >= 0) {
        QLineEdit* to = field(row_.copyTo);
        connect(field(row_.copyFrom), &QLineEdit::textChanged, to,
                [to](const QString& text) { to->setText(text); });
    }
}

void InputDialog::build() {
    auto* outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    for (const DialogLine& line : row_.lines) addLine(line);

    if (!row_.checkBox.empty()) {
        checkBox_ = new QCheckBox(QString::fromStdString(row_.checkBox), this);
        checkBox_->setObjectName("CheckBox1");
        outer->addWidget(checkBox_);
    }

    auto* buttons = new QHBoxLayout;
    if (row_.colourButton) {
        colourButton_ = new QPushButton("Farbe", this);
        colourButton_->setObjectName("FarbeBtn");
        colourButton_->setAutoDefault(false);
        connect(colourButton_, &QPushButton::clicked, this, &InputDialog::colourClicked);
        buttons->addWidget(colourButton_);
    }
    if (!row_.exampleCaption.empty()) {
        exampleButton_ = new QPushButton(QString::fromStdString(row_.exampleCaption), this);
        exampleButton_->setObjectName("BeispielBtn");
        exampleButton_->setAutoDefault(false);
        connect(exampleButton_, &QPushButton::clicked, this, &InputDialog::exampleClicked);
        buttons->addWidget(exampleButton_);
    }
    buttons->addStretch(1);
    okButton_ = new QPushButton("OK", this);
    okButton_->setObjectName("OKBtn");
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &InputDialog::okClicked);
    cancelButton_ = new QPushButton("Abbrechen", this);
    cancelButton_->setObjectName("CancelBtn");
    cancelButton_->setAutoDefault(false);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);
    outer->addSpacing(6);
    outer->addLayout(buttons);
}

void InputDialog::addLine(const DialogLine& line) {
    auto* row = new QHBoxLayout;
    const int fieldWidth = fontMetrics().horizontalAdvance("-00000.000") + 12;
    // The gaps are set item by item, so that an exponent sits right at what it raises.
    const int gap = row->spacing() >= 0 ? row->spacing() : 6;
    row->setSpacing(0);
    bool first = true;
    for (const DialogItem& item : line) {
        if (!first && item.kind != DialogItem::Kind::Raised) row->addSpacing(gap);
        first = false;
        switch (item.kind) {
        case DialogItem::Kind::Label:
        case DialogItem::Kind::Raised: {
            auto* label = new QLabel(QString::fromStdString(item.text), this);
            if (!item.objectName.empty())
                label->setObjectName(QString::fromStdString(item.objectName));
            // An exponent is written smaller and stands half a line above the middle of its
            // line: the empty margin below the text pushes it up while the label stays
            // vertically centred.
            if (item.kind == DialogItem::Kind::Raised) {
                QFont small = label->font();
                if (small.pointSizeF() > 0) small.setPointSizeF(small.pointSizeF() * 0.75);
                label->setFont(small);
                label->setContentsMargins(0, 0, 0, fontMetrics().height());
            }
            row->addWidget(label, 0, Qt::AlignVCenter);
            break;
        }
        case DialogItem::Kind::Fields: {
            auto* grid = new QGridLayout;
            grid->setHorizontalSpacing(3);
            grid->setVerticalSpacing(3);
            int top = 0;
            if (!item.text.empty()) {
                grid->addWidget(new QLabel(QString::fromStdString(item.text), this), 0, 0, 1,
                                2 * item.columns - 1, Qt::AlignHCenter);
                top = 1;
            }
            for (int r = 0; r < item.rows; ++r) {
                for (int c = 0; c < item.columns; ++c) {
                    auto* edit = new QLineEdit(this);
                    edit->setObjectName(QString("Edit%1").arg(fields_.size() + 1));
                    edit->setFixedWidth(fieldWidth);
                    fields_.push_back(edit);
                    grid->addWidget(edit, top + r, 2 * c);
                    if (c + 1 < item.columns && !item.separator.empty())
                        grid->addWidget(new QLabel(QString::fromStdString(item.separator), this),
                                        top + r, 2 * c + 1);
                }
            }
            row->addLayout(grid);
            break;
        }
        }
    }
    row->addStretch(1);
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
}

QLineEdit* InputDialog::field(int index) const {
    if (index < 0 || index >= fieldCount()) return nullptr;
    return fields_[static_cast<std::size_t>(index)];
}

std::vector<std::string> InputDialog::texts() const {
    std::vector<std::string> out;
    out.reserve(fields_.size());
    for (const QLineEdit* f : fields_) out.push_back(f->text().toStdString());
    return out;
}

void InputDialog::setTexts(const std::vector<std::string>& texts) {
    // Only changed fields are set, so that a field whose text is copied elsewhere while it
    // changes (F1's y) does not fire when its text stays the same.
    for (std::size_t i = 0; i < fields_.size() && i < texts.size(); ++i) {
        QString text = QString::fromStdString(texts[i]);
        if (fields_[i]->text() != text) fields_[i]->setText(text);
    }
}

TFarbe InputDialog::colour(int object) const {
    if (object < 0 || object >= static_cast<int>(colours_.size())) return 0;
    return colours_[static_cast<std::size_t>(object)];
}

void InputDialog::okClicked() {
    std::vector<std::string> t = texts();
    rememberTexts(row_, inputs_, t, options_);
    setTexts(t); // the row's own changes (empty fields to "0") show in the fields as well
    okPressed_ = true;
    accept();
}

void InputDialog::exampleClicked() {
    std::vector<std::string> t = texts();
    applyExample(row_, t);
    setTexts(t);
}

void InputDialog::colourClicked() {
    if (colours_.empty() || !chooser_) return;
    if (std::optional<TFarbe> chosen = chooser_(colours_.front(), this)) colours_.front() = *chosen;
}

DialogResult InputDialog::outcome() const {
    DialogResult r;
    r.accepted = okPressed_ && result() == QDialog::Accepted;
    r.texts = texts();
    r.colours = colours_;
    r.checked = checkBox_ && checkBox_->isChecked();
    return r;
}

DialogResult runInputDialog(const std::string& className, LetzteEingaben& inputs,
                            const DialogOptions& options, QWidget* parent) {
    InputDialog dialog(className, inputs, options, parent);
    dialog.exec();
    return dialog.outcome();
}
