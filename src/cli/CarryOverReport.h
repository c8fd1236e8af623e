#pragma once
// What a command that turns one skin into another (resave, pack, unpack) could not carry from its input
// into its output, and the rule for that: every loss is listed on standard error, one line each, and the
// output is written only when nothing was lost or --keep-going was given; the command exits 4 either way
// when something was lost, so a script learns of it even when it asked for the output.

#include <string>
#include <vector>

#include "cli/CliCommon.h"

namespace cli {

class CarryOverReport {
public:
    // `input` names the input in every line (the package or the folder).
    CarryOverReport(std::string input, bool keepGoing) : m_input(std::move(input)), m_keepGoing(keepGoing) {}

    // Takes a document's notes: `dropped` (a part of `warnings`) are losses, the rest are printed as
    // warnings. Called after each step that fills them (the open, then building the package).
    void Take(const std::vector<std::string>& warnings, const std::vector<std::string>& dropped);
    void AddLoss(std::string text) { Add(std::move(text), true); }
    void AddWarning(std::string text) { Add(std::move(text), false); }

    // Prints what was gathered and not printed yet, in the order it came. With a loss and without
    // --keep-going it then fails with exit 4, saying that `output` was not written.
    void CheckBeforeWriting(const std::string& output);
    // Once `output` is written: says what it lacks when anything was lost, and gives the exit status
    // (4 then, else 0).
    int Finish(const std::string& output) const;

private:
    struct Note {
        std::string text;
        bool lost;
    };
    void Add(std::string text, bool lost) {
        m_notes.push_back({std::move(text), lost});
        m_losses += lost;
    }

    std::string m_input;
    bool m_keepGoing;
    std::vector<Note> m_notes;
    size_t m_printed = 0;
    size_t m_losses = 0;
};

}  // namespace cli
