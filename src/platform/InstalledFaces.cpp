#include "platform/InstalledFaces.h"

#include <QFontDatabase>

#include "platform/LogFontQt.h"

namespace vd {

InstalledFaces::InstalledFaces() {
    for (QString family : QFontDatabase::families()) {
        // The database tells families offered by two foundries apart as "Family [Foundry]".
        const qsizetype bracket = family.indexOf(QLatin1String(" ["));
        if (bracket > 0 && family.endsWith(QLatin1Char(']'))) family.truncate(bracket);
        m_folded.insert(family.toCaseFolded());
    }
}

bool InstalledFaces::Has(const std::string& faceName) const {
    const QStringList families = FaceFamilies(faceName);
    if (families.isEmpty()) return true;
    for (const QString& family : families)
        if (m_folded.contains(family.toCaseFolded())) return true;
    return false;
}

}  // namespace vd
