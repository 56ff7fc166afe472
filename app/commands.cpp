#include "app/commands.h"

void Befehle::registrieren(const std::string& name, Befehl befehl) {
    befehle_[name] = std::move(befehl);
    if (onChange_) onChange_();
}

bool Befehle::hat(std::string_view name) const {
    return befehle_.find(name) != befehle_.end();
}

bool Befehle::ausfuehren(std::string_view name) const {
    auto it = befehle_.find(name);
    if (it == befehle_.end() || !it->second) return false;
    // A copy, so that a command that registers commands cannot pull the running one away.
    Befehl b = it->second;
    b();
    return true;
}
