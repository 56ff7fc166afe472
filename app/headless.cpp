#include "app/headless.h"

#include "app/about.h"
#include "app/dialog_table.h"
#include "app/examples.h"
#include "app/headless_session.h"
#include "app/tasks.h"

#include <QGuiApplication>
#include <QImage>
#include <QString>

#include <cstdlib>
#include <iostream>
#include <optional>
#include <ostream>

namespace {

struct Arguments {
    bool help = false;
    bool version = false;
    std::string task;
    std::string example;
    bool haveFields = false;
    std::vector<std::string> fields;
    std::vector<TFarbe> colours;
    bool checked = false;
    std::string sheetFile;
    std::string drawingFile;
    bool bw = false;
};

bool isOption(const std::string& a) {
    return a.size() > 2 && a[0] == '-' && a[1] == '-';
}

std::optional<TFarbe> parseColour(const std::string& text) {
    try {
        std::size_t used = 0;
        const unsigned long v = std::stoul(text, &used, 0);
        if (used != text.size() || v > 0xFFFFFFul) return std::nullopt;
        return static_cast<TFarbe>(v);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

// Reads the arguments; nullopt (after a message) when they make no sense.
std::optional<Arguments> parse(const std::vector<std::string>& args, std::ostream& err) {
    Arguments a;
    auto value = [&](std::size_t& i, std::string& into) {
        if (i + 1 >= args.size()) {
            err << args[i] << " needs a value\n";
            return false;
        }
        into = args[++i];
        return true;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            a.help = true;
        } else if (arg == "--version") {
            a.version = true;
        } else if (arg == "--task") {
            if (!value(i, a.task)) return std::nullopt;
        } else if (arg == "--example") {
            if (!value(i, a.example)) return std::nullopt;
        } else if (arg == "--sheet") {
            if (!value(i, a.sheetFile)) return std::nullopt;
        } else if (arg == "--drawing") {
            if (!value(i, a.drawingFile)) return std::nullopt;
        } else if (arg == "--bw") {
            a.bw = true;
        } else if (arg == "--checked") {
            a.checked = true;
        } else if (arg == "--fields") {
            // Every argument up to the next option is a field text, empty texts included.
            a.haveFields = true;
            while (i + 1 < args.size() && !isOption(args[i + 1])) a.fields.push_back(args[++i]);
        } else if (arg == "--colours") {
            while (i + 1 < args.size() && !isOption(args[i + 1])) {
                std::optional<TFarbe> c = parseColour(args[++i]);
                if (!c) {
                    err << "not a colour (0xBBGGRR): " << args[i] << '\n';
                    return std::nullopt;
                }
                a.colours.push_back(*c);
            }
        } else {
            err << "unknown argument: " << arg << "\n(quillon --help lists the options)\n";
            return std::nullopt;
        }
    }
    if (!a.help && !a.version && a.task.empty() == a.example.empty()) {
        err << "give either --task or --example (quillon --help lists them)\n";
        return std::nullopt;
    }
    if (!a.example.empty() && (a.haveFields || !a.colours.empty() || a.checked)) {
        err << "an example takes no --fields, --colours or --checked\n";
        return std::nullopt;
    }
    return a;
}

// Saves a picture as BMP when the name ends in ".bmp" (any case), as PNG otherwise.
bool save(const QImage& image, const std::string& file, std::ostream& err) {
    const QString name = QString::fromStdString(file);
    const char* format = name.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive) ? "BMP" : "PNG";
    if (image.save(name, format)) return true;
    err << "cannot write " << file << '\n';
    return false;
}

// Runs the task or example; errors become the program's boxes as in the window.
void runChosen(const Arguments& a, const TaskSpec* task, const ExampleSpec* example,
               HeadlessSession& s) {
    if (example) return s.runExample(*example);
    // Without --fields the dialog is confirmed as it opens.
    const DialogRow* row = findDialog(task->dialogClass);
    std::vector<std::string> texts =
        a.haveFields ? a.fields : openingTexts(*row, s.eingaben, taskDialogOptions(*task));
    s.runTask(*task, std::move(texts), a.colours, a.checked);
}

} // namespace

// Qt's own options ("-platform", "-style") start with one dash and go to the windows.
bool isHeadlessCall(int argc, char** argv) {
    if (argc < 2 || !argv[1]) return false;
    const std::string first = argv[1];
    return first == "-h" || first.rfind("--", 0) == 0;
}

int runHeadless(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::optional<Arguments> parsed = parse(args, err);
    if (!parsed) return headlessUsageError;
    const Arguments& a = *parsed;
    if (a.help) {
        out << headlessHelp();
        return headlessOk;
    }
    if (a.version) {
        const std::string hilfe = dataFolderOf("nohelp.rtf");
        out << "Quillon " << quillonVersion() << "\nhelp pages: "
            << (hilfe.empty() ? "not found" : hilfe) << '\n';
        return headlessOk;
    }

    const TaskSpec* task = nullptr;
    const ExampleSpec* example = nullptr;
    if (!a.example.empty()) {
        example = findExample(a.example);
        if (!example) {
            err << "unknown example: " << a.example << "\n(quillon --help lists them)\n";
            return headlessUsageError;
        }
    } else {
        task = findTaskByPath(a.task);
        if (!task) {
            err << "unknown task: " << a.task << "\n(quillon --help lists them)\n";
            return headlessUsageError;
        }
        const int expected = findDialog(task->dialogClass)->fieldCount();
        if (a.haveFields && static_cast<int>(a.fields.size()) != expected) {
            err << a.task << " takes " << expected << " fields, not " << a.fields.size() << '\n';
            return headlessUsageError;
        }
    }

    HeadlessSession s(err);
    runChosen(a, task, example, s);

    // The sheet shows something once the records were handed over, even when its report
    // stopped at an error.
    if (s.szene.art != Szenenart::keine)
        for (const std::string& row : s.sheet.zeilen()) out << row << '\n';

    bool written = true;
    if (!a.sheetFile.empty()) written = save(s.sheet.bild(), a.sheetFile, err) && written;
    if (!a.drawingFile.empty()) {
        QImage picture = s.renderDrawing(!a.bw);
        written = save(picture, a.drawingFile, err) && written;
    }
    out.flush();
    if (s.meldungen.errorBoxes() > 0) return headlessInputError;
    return written ? headlessOk : headlessUsageError;
}

namespace {

// Qt's note that it found no runtime folder means nothing here and would only clutter the
// error stream that the runner's callers read.
QtMessageHandler qtStandard = nullptr;

void qtMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR not set"))) return;
    if (qtStandard) qtStandard(type, context, message);
}

} // namespace

int headlessMain(int argc, char** argv) {
    // No window opens; the offscreen platform serves fonts and pictures without a display.
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qtStandard = qInstallMessageHandler(qtMessages);
    QGuiApplication app(argc, argv);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    return runHeadless(args, std::cout, std::cerr);
}
