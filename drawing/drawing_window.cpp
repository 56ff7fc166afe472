#include "drawing/drawing_window.h"

#include "core/messages.h"
#include "drawing/plane_options.h"
#include "drawing/primitives.h"
#include "drawing/qt_canvas.h"
#include "sheet/task_kind.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>

#include <exception>
#include <string_view>

namespace {
// A coloured square that reacts to a mouse press (the background choice).
class ColourSquare : public QWidget {
public:
    ColourSquare(TFarbe colour, QWidget* parent) : QWidget(parent), colour_(colour) {
        setFixedSize(17, 17);
        setCursor(Qt::PointingHandCursor);
    }
    std::function<void()> onPress;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), toQColor(colour_));
        p.setPen(Qt::black);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && onPress) onPress();
    }

private:
    TFarbe colour_;
};

// The panels are laid out in fixed pixels for an 8-point sans-serif font; Arial (Liberation
// Sans) keeps their texts within those sizes.
QFont panelFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    return font;
}

QFrame* loweredPanel(QWidget* parent, const char* name, int w, int h) {
    auto* f = new QFrame(parent);
    f->setObjectName(QString::fromLatin1(name));
    f->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    f->setFixedSize(w, h);
    f->setFont(panelFont());
    f->setAutoFillBackground(true);
    return f;
}

QLabel* label(QWidget* parent, const QString& text, int x, int y) {
    auto* l = new QLabel(text, parent);
    l->move(x, y);
    l->adjustSize();
    return l;
}

const char* const HelpLines[] = {
    "Hilfestellungen:",
    "",
    "1.) Im Zeichnungsfenster kann der Koordinatenusprung mit Hilfe",
    "     der linken Maustaste verschoben werden.",
    "",
    "2.) In zweidimensionalen Darstellungen können auch die Ein-",
    "     gabeobjekte (Punkte usw.) mit der linken Maustaste ver-",
    "     schoben werden.",
    "",
    "3.) Im Rechenergebnisfenster können die Eingabewerte mit",
    "     Hilfe der linken und rechten Maustaste geaendert werden.",
    "     Damit ist es möglich, schnell neue Ergebnisse zu erzielen.",
    "     Die möglichen Änderungen sind farblich anders dargestellt.",
    "",
    "Klicken Sie auf dieses Fenster, um es zu schließen !",
};
} // namespace

TZeichnungsDlg::TZeichnungsDlg(ViewState& view, Optionen& optionen, Szene& szene,
                               Messages& meldungen, QWidget* parent)
    : QWidget(parent), view_(view), optionen_(optionen), szene_(szene), meldungen_(meldungen) {
    setObjectName(QStringLiteral("ZeichnungsDlg"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    buildRotationPanel();
    buildBackgroundPanel();
    buildHintPanel();
    buildReturnPanel();
    buildMemo();
    buildContextMenu();
    Panel4->hide();
    view_.Width = width();
    view_.Height = height();
    placePanels();
    onPaintError = [this](const std::string& message) {
        meldungen_.beep();
        meldungen_.errorBox(meldung::Eingabefehler);
        meldungen_.exceptionBox(message);
    };
}

void TZeichnungsDlg::buildRotationPanel() {
    Panel1 = loweredPanel(this, "Panel1", 185, 85);
    label(Panel1, QStringLiteral("Drehung um ..."), 6, 5)->setObjectName("Label1");
    auto* standard = new QPushButton(QStringLiteral("Standard"), Panel1);
    standard->setObjectName(QStringLiteral("BitBtn1"));
    standard->setGeometry(112, 3, 67, 20);
    standard->setCursor(Qt::PointingHandCursor);
    connect(standard, &QPushButton::clicked, this, [this] { rotationStandard(); });

    struct Row {
        const char* labelName;
        const char* caption;
        const char* barName;
        QScrollBar** bar;
        int ViewState::*angle;
    };
    const Row rows[3] = {
        {"Label4", "x-Achse", "ScrollBar3", &ScrollBar3, &ViewState::WinkelX},
        {"Label3", "y-Achse", "ScrollBar2", &ScrollBar2, &ViewState::WinkelY},
        {"Label2", "z-Achse", "ScrollBar1", &ScrollBar1, &ViewState::WinkelZ},
    };
    int y = 30;
    for (const Row& r : rows) {
        label(Panel1, QString::fromUtf8(r.caption), 6, y - 2)->setObjectName(r.labelName);
        auto* bar = new QScrollBar(Qt::Horizontal, Panel1);
        bar->setObjectName(QString::fromLatin1(r.barName));
        bar->setGeometry(58, y, 121, 12);
        bar->setRange(-180, 180);
        bar->setValue(0);
        const auto angle = r.angle;
        // Every position while the thumb moves turns the picture.
        connect(bar, &QScrollBar::valueChanged, this, [this, angle](int value) {
            view_.*angle = value;
            redraw();
        });
        *r.bar = bar;
        y += 18;
    }
}

void TZeichnungsDlg::buildBackgroundPanel() {
    Panel2 = loweredPanel(this, "Panel2", 153, 121);
    label(Panel2, QStringLiteral("Hintergrundfarbe:"), 6, 3)->setObjectName("Label5");
    const TFarbe colours[6] = {hintergrund::Hellgrau, hintergrund::Titelleiste, hintergrund::Blau,
                               hintergrund::Kastanie, hintergrund::Schwarz,     hintergrund::Weiss};
    for (int i = 0; i < 6; ++i) {
        auto* square = new ColourSquare(colours[i], Panel2);
        square->setObjectName(QStringLiteral("Shape%1").arg(i + 1));
        square->move(6 + i * 24, 20);
        const TFarbe c = colours[i];
        square->onPress = [this, c] { setBackground(c); };
    }
    auto* line = new QFrame(Panel2);
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    line->setGeometry(4, 41, 145, 3);
    label(Panel2, QStringLiteral("Einheiten: (nur bei dreidim.)"), 6, 46)
        ->setObjectName("StaticText1");

    struct Button {
        const char* name;
        const char* caption;
        int x, y;
        int ViewState::*units;
        bool more;
    };
    const Button buttons[6] = {
        {"SpeedButton1", "x+10", 6, 62, &ViewState::EinheitenX, true},
        {"SpeedButton2", "x-10", 6, 80, &ViewState::EinheitenX, false},
        {"SpeedButton3", "y+10", 53, 62, &ViewState::EinheitenY, true},
        {"SpeedButton4", "y-10", 53, 80, &ViewState::EinheitenY, false},
        {"SpeedButton5", "z+10", 100, 62, &ViewState::EinheitenZ, true},
        {"SpeedButton6", "z-10", 100, 80, &ViewState::EinheitenZ, false},
    };
    for (const Button& b : buttons) {
        auto* button = new QToolButton(Panel2);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setText(QString::fromLatin1(b.caption));
        button->setGeometry(b.x, b.y, 45, 17);
        const auto units = b.units;
        const bool more = b.more;
        connect(button, &QToolButton::clicked, this,
                [this, units, more] { changeUnits(units, more); });
    }
    auto* standard = new QToolButton(Panel2);
    standard->setObjectName(QStringLiteral("SpeedButton7"));
    standard->setText(QStringLiteral("Standard"));
    standard->setToolTip(QStringLiteral(" jeweils 10 Einheiten"));
    standard->setGeometry(6, 99, 139, 18);
    connect(standard, &QToolButton::clicked, this, [this] {
        view_.EinheitenX = view_.EinheitenY = view_.EinheitenZ = 10;
        redraw();
    });
}

void TZeichnungsDlg::buildHintPanel() {
    Panel3 = new QLabel(QStringLiteral(" rechte Maustaste = Kontextmenü "), this);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setFixedSize(185, 17);
    Panel3->setAlignment(Qt::AlignCenter);
    Panel3->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel3->setAutoFillBackground(true);
    QPalette pal = Panel3->palette();
    pal.setColor(QPalette::Window, Qt::yellow);
    pal.setColor(QPalette::WindowText, Qt::black);
    Panel3->setPalette(pal);
    Panel3->setFont(panelFont());
}

void TZeichnungsDlg::buildReturnPanel() {
    Panel4 = loweredPanel(this, "Panel4", 137, 89);
    Panel4->setCursor(Qt::PointingHandCursor);
    Panel4->installEventFilter(this);
    auto* standard = new QPushButton(QStringLiteral("Koord.-Standard"), Panel4);
    standard->setObjectName(QStringLiteral("BitBtn2"));
    standard->setGeometry(8, 6, 121, 22);
    connect(standard, &QPushButton::clicked, this, [this] { planeStandard(); });
    int y = 36;
    for (const char* text : {"Umschalten in den", "dreidimensionalen", "Modus"}) {
        auto* l = new QLabel(QString::fromUtf8(text), Panel4);
        l->setGeometry(4, y, 129, 15);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        l->installEventFilter(this);
        y += 16;
    }
}

void TZeichnungsDlg::buildMemo() {
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setGeometry(10, 30, 313, 217);
    // One pixel smaller than the panels: the longest help line then fits the memo's width, so
    // the whole text shows without scrolling.
    QFont memoFont = panelFont();
    memoFont.setPixelSize(10);
    Memo1->setFont(memoFont);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->viewport()->setCursor(Qt::PointingHandCursor);
    QStringList lines;
    for (const char* line : HelpLines) lines << QString::fromUtf8(line);
    Memo1->setPlainText(lines.join(QLatin1Char('\n')));
    Memo1->viewport()->installEventFilter(this);
    Memo1->hide();
}

void TZeichnungsDlg::buildContextMenu() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));

    auto addOption = [this](QMenu* menu, const char* caption, bool Optionen::*flag) {
        QAction* a = menu->addAction(QString::fromUtf8(caption));
        a->setCheckable(true);
        a->setChecked(optionen_.*flag);
        connect(a, &QAction::triggered, this, [this, a, flag] {
            optionen_.*flag = !(optionen_.*flag);
            a->setChecked(optionen_.*flag);
            redraw();
        });
        optionEntries_.push_back({a, flag});
    };
    auto addGroup = [this](Gruppe g, const char* caption) {
        QMenu* m = PopupMenu1->addMenu(QString::fromUtf8(caption));
        groups_[static_cast<int>(g)] = m;
        return m;
    };

    QMenu* gerade = addGroup(Gruppe::Gerade, "Gerade");
    addOption(gerade, "Spurpunke zeigen", &Optionen::Spurpunkte);
    addOption(gerade, "Projektonsgeraden zeigen", &Optionen::Projektionsgeraden);
    addOption(gerade, "Ursprungslotgeraden zeigen", &Optionen::Ursprungslotgeraden);

    QMenu* ebene = addGroup(Gruppe::Ebene, "Ebene");
    addOption(ebene, "Koordinaten-Schnittpunkte zeigen", &Optionen::KoordSchnittpunkte);
    addOption(ebene, "Spurgeraden zeigen", &Optionen::Spurgeraden);
    addOption(ebene, "Parameterdarstellung zeigen", &Optionen::Parameterdarstellung);
    addOption(ebene, "Quaderdarstellung zeigen", &Optionen::Quaderdarstellung);
    addOption(ebene, "Quaderschnittpunkte zeigen", &Optionen::Quaderschnittpunkte);
    addOption(ebene, "HilfsQuader zeigen", &Optionen::HilfsQuader);

    addOption(PopupMenu1, "Dreieck mit Höhengeraden", &Optionen::DreieckHoehen);
    PopupMenu1->addSeparator();

    // The plane groups: the triangle's and the grid entries from the plane option table; the
    // others are connected by the tasks that use them.
    QMenu* dreieck = addGroup(Gruppe::ZweidimDreieck, "Zweidim. Dreieck");
    QMenu* ellipse = addGroup(Gruppe::Ellipse, "Ellipse");
    for (const PlaneOption& o : planeOptions()) {
        QMenu* menu = std::string_view(o.group) == "Ellipse" ? ellipse : dreieck;
        QAction* a = menu->addAction(QString::fromUtf8(o.caption));
        a->setCheckable(true);
        a->setChecked(optionen_.*o.flag);
        const PlaneOption* option = &o;
        connect(a, &QAction::triggered, this, [this, option] {
            const bool recompute = applyPlaneOption(optionen_, *option, &szene_);
            syncOptionChecks();
            if (onPlaneOption) onPlaneOption();
            if (recompute && onPlaneRelease) onPlaneRelease();
            redraw();
        });
        optionEntries_.push_back({a, o.flag});
    }
    QMenu* affin = addGroup(Gruppe::AffineAbbildungen, "Affine Abbildungen");
    for (const char* caption :
         {"Fixgeradenbüschel", "Koordinatengitter", "Konstruktion zeigen", "Normalform berechnen",
          "Invariantes Rrechtwinkelpaar", "Inverse Abb. ausgeben"}) {
        QAction* a = affin->addAction(QString::fromUtf8(caption));
        a->setCheckable(true);
        // The main window's command of the same name toggles the flag and sets the check mark.
        connect(a, &QAction::triggered, this, [this, a] {
            a->setChecked(!a->isChecked());
            if (onAffineEntry) onAffineEntry(a->text());
        });
    }
    PopupMenu1->addSeparator();

    QAction* help = PopupMenu1->addAction(QStringLiteral("Rechenhilfe"));
    connect(help, &QAction::triggered, this, [this] {
        if (onCalculationHelp) onCalculationHelp();
    });
    // The entry does nothing until a calculation help is attached: it is shown disabled then.
    connect(PopupMenu1, &QMenu::aboutToShow, this,
            [this, help] { help->setEnabled(static_cast<bool>(onCalculationHelp)); });
    QAction* memo = PopupMenu1->addAction(QStringLiteral("Hilfe"));
    connect(memo, &QAction::triggered, this, [this] { Memo1->setVisible(Memo1->isHidden()); });

    setGroupEnabled(Gruppe::Ellipse, false);
    setGroupEnabled(Gruppe::ZweidimDreieck, false);
    setGroupEnabled(Gruppe::AffineAbbildungen, false);
}

void TZeichnungsDlg::placeAt(int left, int top, int height) {
    setGeometry(left, top, height, height);
    view_.setSize(width(), this->height());
    placePanels();
}

void TZeichnungsDlg::placePanels() {
    const int w = width(), h = height();
    Panel1->move(w - Panel1->width() - 2, h - Panel1->height() - 2);
    Panel2->move(w - Panel2->width() - 2, 2);
    Panel3->move(2, h - Panel3->height() - 2);
    Panel4->move(w - Panel4->width() - 2, h - Panel4->height() - 2);
}

void TZeichnungsDlg::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    view_.Width = width();
    view_.Height = height();
    placePanels();
}

void TZeichnungsDlg::redraw() {
    paintErrorReported_ = false;
    update();
}

void TZeichnungsDlg::Bildloeschen() {
    szene_.art = Szenenart::keine;
    redraw();
}

void TZeichnungsDlg::loeschen() {
    Bildloeschen();
}

void TZeichnungsDlg::syncOptionChecks() {
    for (const OptionEntry& e : optionEntries_) e.action->setChecked(optionen_.*e.flag);
}

void TZeichnungsDlg::setGroupEnabled(Gruppe gruppe, bool enabled) {
    groups_[static_cast<int>(gruppe)]->menuAction()->setEnabled(enabled);
}

void TZeichnungsDlg::enablePlaneGroup(const QString& caption) {
    for (Gruppe g : {Gruppe::ZweidimDreieck, Gruppe::Ellipse})
        setGroupEnabled(g, groups_[static_cast<int>(g)]->title() == caption);
}

bool TZeichnungsDlg::isGroupEnabled(Gruppe gruppe) const {
    return groups_[static_cast<int>(gruppe)]->menuAction()->isEnabled();
}

QAction* TZeichnungsDlg::menuEntry(const QString& group, const QString& caption) const {
    const QMenu* menu = PopupMenu1;
    if (!group.isEmpty()) {
        menu = nullptr;
        for (QMenu* m : groups_)
            if (m->title() == group) menu = m;
        if (!menu) return nullptr;
    }
    for (QAction* a : menu->actions())
        if (a->text() == caption) return a;
    return nullptr;
}

bool TZeichnungsDlg::helpVisible() const {
    return !Memo1->isHidden();
}

void TZeichnungsDlg::setBackground(TFarbe colour) {
    view_.Hintergrundfarbe = colour;
    view_.farbig = colour != hintergrund::Weiss;
    redraw();
}

void TZeichnungsDlg::changeUnits(int ViewState::*units, bool more) {
    view_.*units = more ? ViewState::moreUnits(view_.*units) : ViewState::fewerUnits(view_.*units);
    redraw();
}

void TZeichnungsDlg::rotationStandard() {
    view_.resetOrigin();
    view_.WinkelX = view_.WinkelY = view_.WinkelZ = 0;
    for (QScrollBar* bar : {ScrollBar1, ScrollBar2, ScrollBar3}) bar->setValue(0);
    redraw();
}

void TZeichnungsDlg::switchToPlaneMode() {
    // The 3-D scene is forgotten; the plane task that asked for the switch stays.
    if (!isPlaneKind(szene_.art)) szene_.art = Szenenart::keine;
    view_.resetPlaneView();
    Panel1->hide();
    Panel4->show();
    view_.zweidim = true;
    redraw();
}

void TZeichnungsDlg::Panel4Click() {
    Panel4->hide();
    Panel1->show();
    view_.zweidim = false;
    redraw();
    setGroupEnabled(Gruppe::Ellipse, false);
    setGroupEnabled(Gruppe::ZweidimDreieck, false);
    if (onReturnTo3d) onReturnTo3d();
}

void TZeichnungsDlg::planeStandard() {
    view_.resetPlaneView();
    view_.Verschieben = false;
    view_.Bewegt = false;
    if (onPlaneRelease) onPlaneRelease();
    redraw();
}

void TZeichnungsDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QtCanvas canvas(painter);
    paintBackground(canvas, view_);
    try {
        if (view_.zweidim) {
            if (paintHook2d_) paintHook2d_(canvas);
        } else if (paintHook3d_) {
            paintHook3d_(canvas);
        } else {
            DrawContext z{canvas, view_, optionen_};
            Zeichne_koordinatensystem(z, farbe::Weiss);
        }
    } catch (const std::exception& e) {
        // The picture stays as far as it got; a box opened from here would repaint and fail
        // again for ever, so the error is reported after the paint, once.
        reportPaintErrorOnce(e.what());
    } catch (...) {
        reportPaintErrorOnce("Unbekannter Fehler");
    }
}

void TZeichnungsDlg::reportPaintErrorOnce(const std::string& message) {
    if (paintErrorReported_) return;
    paintErrorReported_ = true;
    QTimer::singleShot(0, this, [this, message] {
        if (onPaintError) onPaintError(message);
    });
}

void TZeichnungsDlg::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPoint pos = event->position().toPoint();
    if (!view_.zweidim) {
        if (view_.nearOrigin(pos.x(), pos.y())) {
            meldungen_.beep();
            view_.Verschieben = true;
        }
        return;
    }
    view_.Bewegt = false;
    view_.Ursprung2Gewaehlt = view_.nearPlaneOrigin(pos.x(), pos.y());
    view_.Verschieben = view_.Ursprung2Gewaehlt;
    if (onPlanePress && onPlanePress(pos.x(), pos.y())) view_.Verschieben = true;
}

void TZeichnungsDlg::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (!view_.Verschieben) {
        const bool near = view_.zweidim ? view_.nearPlaneOrigin(pos.x(), pos.y())
                                        : view_.nearOrigin(pos.x(), pos.y());
        showOriginHint(pos, near);
        return;
    }
    if (!view_.zweidim) {
        view_.UrsprungX = pos.x();
        view_.UrsprungY = pos.y();
    } else {
        view_.Bewegt = true;
        if (view_.Ursprung2Gewaehlt) {
            view_.Ursprung2X = pos.x();
            view_.Ursprung2Y = pos.y();
        }
        // With a step below one pixel the mouse cannot be mapped back to the plane.
        if (onPlaneDrag && view_.planeMappable()) {
            double x = 0, y = 0;
            view_.screenToPlane(pos.x(), pos.y(), x, y);
            onPlaneDrag(x, y);
        }
    }
    redraw();
}

void TZeichnungsDlg::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    view_.Verschieben = false;
    if (!view_.zweidim) return;
    view_.Bewegt = false;
    if (onPlaneRelease) onPlaneRelease();
    redraw();
}

void TZeichnungsDlg::showOriginHint(const QPoint& pos, bool show) {
    if (show == originHintShown_) return;
    originHintShown_ = show;
    if (show)
        QToolTip::showText(mapToGlobal(pos), QString::fromUtf8(OriginHint), this);
    else
        QToolTip::hideText();
}

void TZeichnungsDlg::contextMenuEvent(QContextMenuEvent* event) {
    PopupMenu1->popup(event->globalPos());
}

bool TZeichnungsDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == Memo1->viewport()) {
            Memo1->hide();
            return true;
        }
        if (watched == Panel4 || watched->parent() == Panel4) {
            Panel4Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
