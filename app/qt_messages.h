#pragma once
// Meldungen as real message boxes and the system beep. Each box is modal, placed over the
// window that is active when it opens.
#include "core/messages.h"

#include <QString>

class QtMeldungen : public Meldungen {
public:
    void piep() override;
    void fehlerBox(const std::string& text) override;
    void ausnahmeBox(const std::string& text) override;
    void abbrechenBox(const std::string& text) override;
    void infoBox(const std::string& text) override;
    bool frageJaNein(const std::string& text) override;
};

// The program's texts write line breaks as "\r\n"; a box wants plain "\n".
QString alsAnzeigetext(const std::string& text);
