#pragma once
// Message sink for tests: records every beep and box in order instead of showing it, and answers
// Yes/No questions as the test says.
#include "core/messages.h"

#include <string>
#include <vector>

struct RecordingMessages : Messages {
    struct Eintrag {
        std::string art; // "piep", "fehler", "ausnahme", "abbrechen", "info", "frage"
        std::string text;
        bool operator==(const Eintrag&) const = default;
    };
    std::vector<Eintrag> eintraege;
    bool antwortJa = true; // answer to the next questions

    void beep() override { eintraege.push_back({"piep", ""}); }
    void errorBox(const std::string& t) override { eintraege.push_back({"fehler", t}); }
    void exceptionBox(const std::string& t) override { eintraege.push_back({"ausnahme", t}); }
    void cancelBox(const std::string& t) override { eintraege.push_back({"abbrechen", t}); }
    void infoBox(const std::string& t) override { eintraege.push_back({"info", t}); }
    bool askYesNo(const std::string& t) override {
        eintraege.push_back({"frage", t});
        return antwortJa;
    }

    // The kinds of the recorded entries in order, e.g. {"piep", "fehler", "ausnahme"}.
    std::vector<std::string> arten() const {
        std::vector<std::string> a;
        for (const auto& e : eintraege) a.push_back(e.art);
        return a;
    }
    void leeren() { eintraege.clear(); }
};
