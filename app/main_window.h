#pragma once
// The main window `TForm1`: the program's frame. It holds the main menu (built from the menu
// table), the drawing window on the left and the result sheet on the right, switches the menus
// between 3-D, plane and affine mode, and reports every error that escapes a command.
#include "app/commands.h"
#include "app/menu_table.h"

#include <QMainWindow>

#include <exception>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QAction;
class QCloseEvent;
class QShowEvent;
class TErgebnisDLG;
class TZeichnungsDlg;
class TaskWiring;
struct Programm;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(Programm& programm, QWidget* parent = nullptr);
    ~TForm1() override;

    Programm& programm() const { return p_; }
    // Commands by name; a registered command enables its menu entries (as far as the mode
    // allows), and the menu runs it with the program's error handling around it.
    Befehle& befehle() { return befehle_; }
    // Runs a command as its menu entry does: an escaping exception becomes the two error boxes.
    void befehlAusfuehren(std::string_view name);

    TZeichnungsDlg* zeichnung() const { return zeichnung_; }
    // The 3-D scene's painter and hand-over, and the task and example commands.
    TaskWiring& aufgaben() const { return *aufgaben_; }
    TErgebnisDLG* ergebnisse() const { return ergebnisse_; }

    // The menu entry (or submenu's entry) at the caption path, "&" included; null if none.
    QAction* menueAktion(const std::vector<std::string>& pfad) const;
    // Every menu entry that runs the command (two for entries reachable from two places).
    std::vector<QAction*> actionsOf(std::string_view befehl) const;
    // Sets the check mark of every entry of the command.
    void setzeHaken(std::string_view befehl, bool an);

    // Beep and the program's error box.
    void fehler();
    // `fehler`, then the error's own message (e may be null: an error without a message).
    void AppException(const std::exception* e);

    // Menu modes. Plane mode: the 3-D task menus, the examples and "Zeichnung löschen" off,
    // "Ei&nheiten" on; in the drawing window's context menu "Gerade", "Ebene" and
    // "Affine Abbildungen" off.
    void dreidim_ausschalten();
    // 3-D mode: those main-menu entries on; context menu "Gerade" and "Ebene" on,
    // "Affine Abbildungen" off.
    void dreidim_einschalten();
    // The four affine submenus ("Objekte - Bildobjekte", "Optionen", "Inverse einer Aff.
    // Abbildung", "Verkettung zweier Abbildungen").
    void abbildungsmenues_freigeben(bool frei);
    // The menu side of entering affine mode (after the plane scene was recomputed): context
    // menu "Ellipse" and "Zweidim. Dreieck" off, plane mode, the four affine submenus on when a
    // map exists, context menu "Affine Abbildungen" on.
    void affinmodus_einschalten(bool abbildungVorhanden);

    // The window's own commands.
    void N10Einheitenmehr1Click();
    void N10Einheitenweniger1Click();
    void Beenden1Click();
    void Copyright1Click();
    void loeschen1Click();
    // The calculation help of the current task (app/calculation_help.cpp).
    void Rechenhilfe1Click();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    struct Knoten {
        const MenuZeile* zeile;
        QAction* aktion;
    };

    void FormCreate();
    void FormShow();
    bool FormCloseQuery();
    void buildMenu();
    void updateMenu();
    void enableGroup(Menuegruppe g, bool aktiv);
    void arrangeWindows(int breite, int hoehe);
    void redrawDrawing();
    void returnTo3d();

    Programm& p_;
    Befehle befehle_;
    TZeichnungsDlg* zeichnung_ = nullptr;
    TErgebnisDLG* ergebnisse_ = nullptr;
    std::vector<Knoten> knoten_;
    bool dreidimAktiv_ = true;
    bool abbildungAktiv_ = false;
    bool gezeigt_ = false;
    std::unique_ptr<TaskWiring> aufgaben_;
};
