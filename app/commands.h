#pragma once
// The command registry: command name ("Punkt1Click") -> the code that runs it. The main menu
// enables an entry only when its command is registered, so task modules plug themselves in by
// registering under the names of the menu table; entries whose command nobody registered stay
// visible but disabled.
#include <functional>
#include <map>
#include <string>
#include <string_view>

class Befehle {
public:
    using Befehl = std::function<void()>;

    // Registers (or replaces) the command; listeners learn about it at once.
    void registrieren(const std::string& name, Befehl befehl);
    bool hat(std::string_view name) const;
    // Runs the command; a name nobody registered does nothing and answers false.
    bool ausfuehren(std::string_view name) const;

    // Called after every registration (the main window refreshes its menu).
    void onChange(std::function<void()> f) { onChange_ = std::move(f); }

private:
    std::map<std::string, Befehl, std::less<>> befehle_;
    std::function<void()> onChange_;
};
