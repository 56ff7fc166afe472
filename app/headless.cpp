#include "app/headless.h"

#include "app/about.h"
#include "app/affine_commands.h"
#include "app/dialog_table.h"
#include "app/error_handling.h"
#include "app/examples.h"
#include "app/headless_session.h"
#include "app/linear_systems.h"
#include "app/picture_output.h"
#include "app/tasks.h"
#include "app/units.h"
#include "drawing/plane_options.h"
#include "help/help_content.h"

#include <QGuiApplication>
#include <QImage>
#include <QString>

#include <cstdlib>
#include <iostream>
#include <optional>
#include <ostream>

namespace {

// One step of a run: a menu entry (task, example, plane option, units) with its dialog's texts.
struct Step {
    std::string path;
    bool example = false; // given with --example: a caption of "Beispiele" or a path
    bool haveFields = false;
    std::vector<std::string> fields;
    std::vector<TFarbe> colours;
    bool checked = false;
};

struct Arguments {
    bool help = false;
    bool version = false;
    std::vector<Step> steps;
    std::string sheetFile;
    std::string drawingFile;
    bool bw = false;
    bool rechenhilfe = false;
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

// Reads the arguments; nullopt (after a message) when they make no sense. --fields, --colours
// and --checked belong to the --task before them.
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
    auto currentTask = [&](const std::string& option) -> Step* {
        if (a.steps.empty() || a.steps.back().example) {
            err << option << " belongs to a --task before it\n";
            return nullptr;
        }
        return &a.steps.back();
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            a.help = true;
        } else if (arg == "--version") {
            a.version = true;
        } else if (arg == "--task" || arg == "--example") {
            Step step;
            step.example = arg == "--example";
            if (!value(i, step.path)) return std::nullopt;
            a.steps.push_back(std::move(step));
        } else if (arg == "--sheet") {
            if (!value(i, a.sheetFile)) return std::nullopt;
        } else if (arg == "--drawing") {
            if (!value(i, a.drawingFile)) return std::nullopt;
        } else if (arg == "--bw") {
            a.bw = true;
        } else if (arg == "--rechenhilfe") {
            a.rechenhilfe = true;
        } else if (arg == "--checked") {
            Step* step = currentTask(arg);
            if (!step) return std::nullopt;
            step->checked = true;
        } else if (arg == "--fields") {
            // Every argument up to the next option is a field text, empty texts included.
            Step* step = currentTask(arg);
            if (!step) return std::nullopt;
            step->haveFields = true;
            while (i + 1 < args.size() && !isOption(args[i + 1])) step->fields.push_back(args[++i]);
        } else if (arg == "--colours") {
            Step* step = currentTask(arg);
            if (!step) return std::nullopt;
            while (i + 1 < args.size() && !isOption(args[i + 1])) {
                std::optional<TFarbe> c = parseColour(args[++i]);
                if (!c) {
                    err << "not a colour (0xBBGGRR): " << args[i] << '\n';
                    return std::nullopt;
                }
                step->colours.push_back(*c);
            }
        } else {
            err << "unknown argument: " << arg << "\n(quillon --help lists the options)\n";
            return std::nullopt;
        }
    }
    if (!a.help && !a.version && a.steps.empty()) {
        err << "give a --task or an --example (quillon --help lists them)\n";
        return std::nullopt;
    }
    return a;
}

// Saves a picture in the format its name asks for (BMP, PNG, SVG, PDF; PNG for other names).
bool save(const PictureSource& picture, const std::string& file, std::ostream& err) {
    try {
        writePicture(file, formatForName(file, PictureFormat::Png), picture);
        return true;
    } catch (const std::exception& e) {
        err << e.what() << '\n';
        return false;
    }
}

// What a step's path names, found before anything runs.
struct Command {
    const TaskSpec* task = nullptr;
    const ExampleSpec* example = nullptr;
    const PlaneOption* option = nullptr;
    const LinearSystemSpec* linearSystem = nullptr;
    const AffineCommand* affine = nullptr;
    void (*units)(ViewState&) = nullptr;
};

std::optional<Command> resolve(const Step& step, std::ostream& err) {
    Command c;
    if (step.example) {
        c.example = findExample(step.path);
        if (!c.example) c.example = findExampleByPath(step.path);
        if (!c.example)
            err << "unknown example: " << step.path << "\n(quillon --help lists them)\n";
        return c.example ? std::optional(c) : std::nullopt;
    }
    if ((c.task = findTaskByPath(step.path))) {
        const int expected = findDialog(c.task->dialogClass)->fieldCount();
        if (step.haveFields && static_cast<int>(step.fields.size()) != expected) {
            err << step.path << " takes " << expected << " fields, not " << step.fields.size()
                << '\n';
            return std::nullopt;
        }
        return c;
    }
    if ((c.linearSystem = findLinearSystemByPath(step.path))) {
        const int expected = c.linearSystem->fieldCount();
        if (step.haveFields && static_cast<int>(step.fields.size()) != expected) {
            err << step.path << " takes " << expected << " fields, not " << step.fields.size()
                << '\n';
            return std::nullopt;
        }
        if (step.colours.empty() && !step.checked) return c;
        err << step.path << " takes no --colours or --checked\n";
        return std::nullopt;
    }
    const bool extras = step.haveFields || !step.colours.empty() || step.checked;
    c.example = findExampleByPath(step.path);
    c.option = findPlaneOption(step.path);
    c.affine = findAffineCommandByPath(step.path);
    if (step.path == "Einheiten/10 Einheiten mehr") c.units = zehnEinheitenMehr;
    if (step.path == "Einheiten/10 Einheiten weniger") c.units = zehnEinheitenWeniger;
    if (!c.example && !c.option && !c.units && !c.affine) {
        err << "unknown task: " << step.path << "\n(quillon --help lists them)\n";
        return std::nullopt;
    }
    if (extras) {
        err << step.path << " takes no --fields, --colours or --checked\n";
        return std::nullopt;
    }
    return c;
}

// A linear system is OK in its dialog: the dialog's labels go to the output, one per line.
// Without --fields the fields hold their first "0".
void runLinearSystem(const Step& step, const LinearSystemSpec& linearSystem, HeadlessSession& s,
                     std::ostream& out) {
    const std::vector<std::string> texts =
        step.haveFields
            ? step.fields
            : std::vector<std::string>(static_cast<std::size_t>(linearSystem.fieldCount()), "0");
    withErrorHandling(s.meldungen, [&] {
        const std::optional<LGSAnzeige> a = solveLinearSystem(linearSystem, texts, s.meldungen);
        if (!a) return;
        for (const std::string& zeile : a->matrix) out << zeile << '\n';
        out << a->loesung << '\n';
        if (!a->hinweis.empty()) out << a->hinweis << '\n';
    });
}

// Runs one step as its menu entry does; errors become the program's boxes as in the window.
void run(const Step& step, const Command& c, HeadlessSession& s, std::ostream& out) {
    if (c.linearSystem) return runLinearSystem(step, *c.linearSystem, s, out);
    if (c.example) return s.runExample(*c.example);
    if (c.option) return s.runPlaneOption(*c.option);
    if (c.units) return c.units(s.view);
    if (c.affine) {
        withErrorHandling(s.meldungen, [&] {
            TaskContext t = s.context();
            c.affine->run(t);
        });
        return;
    }
    // Without --fields the dialog is confirmed as it opens.
    const DialogRow* row = findDialog(c.task->dialogClass);
    std::vector<std::string> texts =
        step.haveFields ? step.fields : openingTexts(*row, s.eingaben, taskDialogOptions(*c.task));
    s.runTask(*c.task, std::move(texts), step.colours, step.checked);
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
        out << "Quillon " << quillonVersion()
            << "\nhelp pages: " << (hilfe.empty() ? "not found" : hilfe) << '\n';
        return headlessOk;
    }

    // Every step is looked up before the first runs, so a typing error changes nothing.
    std::vector<Command> commands;
    for (const Step& step : a.steps) {
        const std::optional<Command> c = resolve(step, err);
        if (!c) return headlessUsageError;
        commands.push_back(*c);
    }

    HeadlessSession s(err);
    for (std::size_t i = 0; i < a.steps.size(); ++i) run(a.steps[i], commands[i], s, out);

    // The sheet shows something once the records were handed over, even when its report
    // stopped at an error.
    if (a.rechenhilfe)
        out << helpText(buildHelpContent(s.szene, findDataFile));
    else if (s.szene.art != Szenenart::keine)
        for (const std::string& row : s.sheet.zeilen()) out << row << '\n';

    bool written = true;
    if (!a.sheetFile.empty()) written = save(sheetSource(s.sheet), a.sheetFile, err) && written;
    if (!a.drawingFile.empty()) {
        PictureSource picture = s.drawingPicture(!a.bw);
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
