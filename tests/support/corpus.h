#pragma once
// A corpus of tasks, each with inputs that reach one case of its report and drawing, run as
// the headless runner runs them; and the comparison of what they wrote with a golden file. The
// golden files were checked by hand against the values worked out in corpus.txt; after
// a deliberate change of output, QUILLON_UPDATE_GOLDEN=1 rewrites them and git shows the diff.
#include "app/examples.h"
#include "app/headless_session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// A task with the texts typed into its dialog, or with handler "#" the example named by fields.
struct CorpusCase {
    std::string handler, fields;
};
// The corpus's cases in the order of tests/support/corpus.txt (a task's command name, then its
// inputs separated by "|"; a line that starts with blanks goes on with the line before), then
// every example of the menu.
inline const std::vector<CorpusCase>& corpus() {
    static const std::vector<CorpusCase> faelle = [] {
        std::ifstream datei(std::string(QUILLON_TEST_DIR) + "/support/corpus.txt");
        std::vector<std::string> zeilen;
        for (std::string z; std::getline(datei, z);) {
            if (z.empty() || z[0] == '#') continue;
            if (z[0] == ' ' && !zeilen.empty())
                zeilen.back() += z;
            else
                zeilen.push_back(z);
        }
        std::vector<CorpusCase> f;
        for (const std::string& z : zeilen) {
            const std::size_t doppelpunkt = z.find(':');
            std::istringstream in(z.substr(doppelpunkt + 1));
            for (std::string eingabe; std::getline(in, eingabe, '|');) {
                std::istringstream w(eingabe);
                std::string felder, t;
                while (w >> t) felder += (felder.empty() ? "" : " ") + t;
                f.push_back({z.substr(0, doppelpunkt), felder});
            }
        }
        for (const ExampleSpec& e : exampleTable()) f.push_back({"#", e.caption});
        return f;
    }();
    return faelle;
}

// A headless session after one corpus case: the sheet, the scene, the options and the messages.
struct CorpusRun {
    std::ostringstream messages;
    HeadlessSession session{messages};

    explicit CorpusRun(const CorpusCase& c) {
        if (c.handler == "#") {
            session.runExample(*findExample(c.fields));
            return;
        }
        std::istringstream in(c.fields);
        std::vector<std::string> texts;
        for (std::string t; in >> t;) texts.push_back(t);
        session.runTask(*findTask(c.handler), texts);
    }
};

// The text split into cases at its "== " lines.
inline std::vector<std::string> goldenCases(std::istream& in) {
    std::vector<std::string> faelle;
    for (std::string z; std::getline(in, z);) {
        if (z.rfind("== ", 0) == 0 || faelle.empty()) faelle.emplace_back();
        faelle.back() += z + '\n';
    }
    return faelle;
}

// Compares the text with the golden file tests/<name> case by case and names each case that
// differs; the whole text then goes to <name with "_" for "/">.actual in the working directory,
// for a diff. QUILLON_UPDATE_GOLDEN=1 rewrites the golden file instead.
inline void expectGolden(const std::string& name, const std::string& text) {
    const std::string path = std::string(QUILLON_TEST_DIR) + "/" + name;
    if (std::getenv("QUILLON_UPDATE_GOLDEN")) {
        std::ofstream(path, std::ios::binary) << text;
        return;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << "missing " << path << " (QUILLON_UPDATE_GOLDEN=1 writes it)";
    std::istringstream ist(text);
    const std::vector<std::string> soll = goldenCases(in), ist_ = goldenCases(ist);
    int falsch = 0;
    for (std::size_t i = 0; i < std::max(soll.size(), ist_.size()); ++i) {
        const std::string a = i < soll.size() ? soll[i] : "", b = i < ist_.size() ? ist_[i] : "";
        if (a != b && ++falsch <= 10)
            ADD_FAILURE() << name << ", case " << i + 1 << ":\nexpected:\n"
                          << a << "actual:\n"
                          << b;
    }
    if (falsch == 0) return;
    std::string datei = name;
    std::replace(datei.begin(), datei.end(), '/', '_');
    std::ofstream(datei + ".actual", std::ios::binary) << text;
    ADD_FAILURE() << falsch << " cases differ; the whole output is in " << datei << ".actual";
}
