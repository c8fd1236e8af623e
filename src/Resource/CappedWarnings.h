#pragma once
// Warnings of one sort from one load: the first few in full, the rest summed up in one line, so that a
// hostile list of a million items cannot fill the warnings (nor a terminal) with a million lines.

#include <cstddef>
#include <string>

#include "Resource/SkinDocument.h"

class CappedWarnings {
public:
    static constexpr size_t kInFull = 20;

    // dropped: the warnings name input the document does not hold (see CSkinDocument::Dropped).
    CappedWarnings(CSkinDocument& doc, bool dropped) : m_doc(doc), m_dropped(dropped) {}
    CappedWarnings(const CappedWarnings&) = delete;
    CappedWarnings& operator=(const CappedWarnings&) = delete;

    // Whether the next warning is given in full (so it is worth building its text).
    bool InFull() const { return m_count < kInFull; }
    void Add(std::string text) {
        if (m_count++ < kInFull) m_doc.AddWarning(std::move(text), m_dropped);
    }
    // Counts warnings that are not given in full.
    void Count(size_t n) { m_count += n; }
    size_t Total() const { return m_count; }
    // The summary of those not given in full: "... and N more <what>".
    void Finish(const std::string& what) {
        if (m_count > kInFull) m_doc.AddWarning("... and " + std::to_string(m_count - kInFull) + " more " + what, m_dropped);
        m_count = 0;
    }

private:
    CSkinDocument& m_doc;
    bool m_dropped;
    size_t m_count = 0;
};
