// "&Rechenhilfe" and the drawing window's "Rechenhilfe": the help dialog for the current task,
// with the help pages found where the program keeps its data.
#include "app/about.h"
#include "app/main_window.h"
#include "app/program.h"
#include "help/help_dialog.h"

void TForm1::Rechenhilfe1Click() {
    TRechenhilfeDlg dlg(buildHelpContent(p_.szene, findDataFile), this);
    dlg.exec();
}
