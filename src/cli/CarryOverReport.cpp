#include "cli/CarryOverReport.h"

#include <algorithm>

namespace cli {

void CarryOverReport::Take(const std::vector<std::string>& warnings, const std::vector<std::string>& dropped) {
    std::vector<std::string> losses = dropped;
    for (const std::string& w : warnings) {
        // Each loss is also one of the warnings: count it once, as a loss, where it came.
        const auto loss = std::find(losses.begin(), losses.end(), w);
        const bool lost = loss != losses.end();
        if (lost) losses.erase(loss);
        Add(w, lost);
    }
    // A loss that is (against the rule) not among the warnings still counts.
    for (std::string& l : losses) Add(std::move(l), true);
}

void CarryOverReport::CheckBeforeWriting(const std::string& output) {
    for (; m_printed < m_notes.size(); ++m_printed) {
        const Note& note = m_notes[m_printed];
        PrintMessage(m_input + (note.lost ? ": not carried over: " : ": warning: ") + note.text);
    }
    if (!m_losses || m_keepGoing) return;
    Fail(kBadPackage, m_input + ": " + output + " was not written: " + std::to_string(m_losses) +
                          (m_losses == 1 ? " item" : " items") +
                          " of the input would be missing from it (--keep-going writes it anyway)");
}

int CarryOverReport::Finish(const std::string& output) const {
    if (!m_losses) return kOk;
    PrintMessage(m_input + ": " + output + " was written without " + std::to_string(m_losses) +
                 (m_losses == 1 ? " item" : " items") + " of the input");
    return kBadPackage;
}

}  // namespace cli
