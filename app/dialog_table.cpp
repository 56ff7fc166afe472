#include "app/dialog_table.h"

#include "app/dialog_rows.h"

#include <stdexcept>

namespace dialog_rows {

DialogItem label(std::string text) {
    return {DialogItem::Kind::Label, std::move(text)};
}

DialogItem raised(std::string text) {
    return {DialogItem::Kind::Raised, std::move(text)};
}

DialogItem fields(int rows, int columns, std::string separator, std::string heading) {
    DialogItem item{DialogItem::Kind::Fields, std::move(heading), rows, columns};
    item.separator = std::move(separator);
    return item;
}

DialogItem column(int rows) {
    return fields(rows, 1);
}

DialogLine point(const std::string& name) {
    return {label(name + "("), fields(1, 3, "/"), label(")")};
}

DialogLine point2(const std::string& name) {
    return {label(name + "("), fields(1, 2, "/"), label(")")};
}

DialogLine line(const std::string& lead) {
    return {label(lead), column(), label("+ r"), column()};
}

DialogLine planePar(const std::string& lead) {
    return {label(lead), column(), label("+ r"), column(), label("+ s"), column()};
}

DialogLine planeNorm(const std::string& name) {
    return {label(name), column(), label("x  -"), fields(1, 1), label("= 0")};
}

DialogLine sphereM(const std::string& name) {
    return {label(name), label("(x  -"), column(),     label(")"),
            raised("2"), label("="),     fields(1, 1), raised("2")};
}

DialogLine sphereV(const std::string& name) {
    return {label(name + " x"), raised("2"),  label("-"),  column(),
            label("x  -"),      fields(1, 1), label("= 0")};
}

DialogLine vectors(std::initializer_list<const char*> names) {
    DialogLine l;
    for (const char* n : names) l.push_back(fields(3, 1, "", n));
    return l;
}

DialogLine equation2(const std::string& name) {
    return {label(name), fields(1, 1), label("x +"), fields(1, 1), label("y ="), fields(1, 1)};
}

DialogLine matrix(const std::string& name, int size) {
    return {label(name + " ="), fields(size, size)};
}

DialogLine text(const std::string& words) {
    return {label(words)};
}

std::vector<std::string> texts(const std::string& list) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (true) {
        std::size_t comma = list.find(',', start);
        std::string part = list.substr(start, comma == std::string::npos ? comma : comma - start);
        std::size_t b = part.find_first_not_of(' ');
        std::size_t e = part.find_last_not_of(' ');
        out.push_back(b == std::string::npos ? "" : part.substr(b, e - b + 1));
        if (comma == std::string::npos) return out;
        start = comma + 1;
    }
}

} // namespace dialog_rows

int DialogRow::fieldCount() const {
    int n = 0;
    for (const DialogLine& l : lines)
        for (const DialogItem& item : l)
            if (item.kind == DialogItem::Kind::Fields) n += item.rows * item.columns;
    return n;
}

const std::vector<DialogRow>& dialogTable() {
    static const std::vector<DialogRow> table = [] {
        std::vector<DialogRow> t;
        dialog_rows::addSpaceRows(t);
        dialog_rows::addPlaneRows(t);
        return t;
    }();
    return table;
}

const DialogRow* findDialog(std::string_view className) {
    for (const DialogRow& row : dialogTable())
        if (row.className == className) return &row;
    return nullptr;
}

std::string dialogCaption(const DialogRow& row, const DialogOptions& options) {
    if (row.captionFromCaller) return options.caption;
    if (row.affineSlot) {
        boundGroup(row, {InputGroup::Map1, 0, 0}, options); // checks the slot
        return row.caption + std::to_string(options.affineSlot);
    }
    return row.caption;
}

InputGroup boundGroup(const DialogRow& row, const FieldBinding& binding,
                      const DialogOptions& options) {
    if (!row.affineSlot || binding.group != InputGroup::Map1) return binding.group;
    switch (options.affineSlot) {
    case 1:
        return InputGroup::Map1;
    case 2:
        return InputGroup::Map2;
    case 3:
        return InputGroup::Map3;
    }
    throw std::out_of_range("affine map slot must be 1, 2 or 3");
}

std::vector<std::string> openingTexts(const DialogRow& row, const LetzteEingaben& inputs,
                                      const DialogOptions& options) {
    std::vector<std::string> out;
    out.reserve(row.fieldCount());
    for (const FieldBinding& b : row.bindings) {
        auto group = inputs.group(boundGroup(row, b, options));
        for (int i = 0; i < b.count; ++i) {
            std::size_t k = static_cast<std::size_t>(b.first + i);
            out.push_back(k < group.size() ? group[k] : std::string());
        }
    }
    out.resize(static_cast<std::size_t>(row.fieldCount()));
    for (const auto& [field, value] : row.presetOnOpen)
        out.at(static_cast<std::size_t>(field)) = value;
    return out;
}

void applyExample(const DialogRow& row, std::vector<std::string>& texts) {
    for (std::size_t i = 0; i < row.example.size() && i < texts.size(); ++i)
        if (row.example[i] != unchangedByExample) texts[i] = row.example[i];
}

void rememberTexts(const DialogRow& row, LetzteEingaben& inputs, std::vector<std::string>& texts,
                   const DialogOptions& options) {
    if (row.emptyFieldsToZero)
        for (std::string& t : texts)
            if (t.empty()) t = "0";
    std::size_t field = 0;
    for (const FieldBinding& b : row.bindings) {
        auto group = inputs.group(boundGroup(row, b, options));
        for (int i = 0; i < b.count && field < texts.size(); ++i, ++field) {
            std::size_t k = static_cast<std::size_t>(b.first + i);
            if (k < group.size()) group[k] = cutToRememberedLength(texts[field]);
        }
    }
}

DialogResult acceptTexts(const DialogRow& row, LetzteEingaben& inputs,
                         std::vector<std::string> texts, const DialogOptions& options,
                         bool checked) {
    if (static_cast<int>(texts.size()) != row.fieldCount())
        throw std::invalid_argument(row.className + " expects " + std::to_string(row.fieldCount()) +
                                    " field texts, got " + std::to_string(texts.size()));
    rememberTexts(row, inputs, texts, options);
    DialogResult result;
    result.accepted = true;
    result.texts = std::move(texts);
    for (const ColourPreset& c : row.colours) result.colours.push_back(c.colour);
    result.checked = checked;
    return result;
}
