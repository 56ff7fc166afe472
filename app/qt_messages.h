#pragma once
// Messages as real message boxes and the system beep. Each box is modal, placed over the
// window that is active when it opens.
#include "core/messages.h"

#include <QString>

class QtMessages : public Messages {
public:
    void beep() override;
    void errorBox(const std::string& text) override;
    void exceptionBox(const std::string& text) override;
    void cancelBox(const std::string& text) override;
    void infoBox(const std::string& text) override;
    bool askYesNo(const std::string& text) override;
};

// The program's texts write line breaks as "\r\n"; a box wants plain "\n".
QString alsAnzeigetext(const std::string& text);
