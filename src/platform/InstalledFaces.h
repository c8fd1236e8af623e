#pragma once
// The font faces this machine can draw text in, as the skin check asks about them: a face counts as
// installed when it, or the face that stands in for it (a Windows face such as "Arial"), is in the font
// database; otherwise its text falls back to some other font. Read once from QFontDatabase, which needs a
// QGuiApplication; cheap to ask afterwards, for thousands of objects.

#include <QSet>
#include <QString>

#include <string>

namespace vd {

class InstalledFaces {
public:
    // Reads the font database's families now.
    InstalledFaces();

    // Whether text in `faceName` is drawn in that face or its stand-in. Letter case does not matter, as
    // for Windows face names. A blank face asks for no face in particular and counts as installed.
    bool Has(const std::string& faceName) const;

private:
    QSet<QString> m_folded;  // every family, case-folded, without a " [Foundry]" suffix
};

}  // namespace vd
