#include "designer/OpenWarnings.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "designer/DisplayText.h"

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("OpenWarnings", text); }

void AppendList(QString& out, const QString& heading, const std::vector<std::string>& lines) {
    if (lines.empty()) return;
    out += QLatin1Char('\n') + heading;
    const int listed = std::min<int>(kOpenWarningsListed, static_cast<int>(lines.size()));
    for (int i = 0; i < listed; ++i) out += QStringLiteral("\n  ") + EscapedForDisplay(lines[static_cast<size_t>(i)]);
    if (lines.size() > static_cast<size_t>(listed))
        out += QStringLiteral("\n  ") + Tr("... and %1 more").arg(lines.size() - static_cast<size_t>(listed));
}

}  // namespace

QString OpenWarningsText(const QString& path, const std::vector<std::string>& warnings,
                         const std::vector<std::string>& dropped) {
    if (warnings.empty() && dropped.empty()) return {};
    // The notes are the warnings that are not among the dropped ones (each dropped line is in both).
    // A hostile package can give tens of thousands of lines, so they are matched by hashing.
    std::unordered_map<std::string_view, size_t> unmatched;
    for (const std::string& d : dropped) ++unmatched[d];
    std::vector<std::string> notes;
    for (const std::string& w : warnings) {
        const auto it = unmatched.find(w);
        if (it != unmatched.end() && it->second > 0)
            --it->second;
        else
            notes.push_back(w);
    }
    QString out = EscapedForDisplay(QDir::toNativeSeparators(path));
    AppendList(out, Tr("Not kept (a save leaves these out):"), dropped);
    AppendList(out, Tr("Changed or noted while opening:"), notes);
    return out;
}
