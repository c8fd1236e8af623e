#pragma once
// The "Amberline" sample's bars and controls: their pictures and the records that use them (a toolbar, a
// status bar, a progress bar, a scroll bar and one header, combo box, IP-address field, hot-key field, edit
// box, date-time picker and list box).

#include <QImage>

#include <string>
#include <vector>

class CSkinDocument;

namespace amber {

// A picture the controls need, by its name in the package.
struct NamedPicture {
    const char* name;
    QImage image;
};
std::vector<NamedPicture> ControlPictures();

// Creates and describes every control object. The pictures must have been added first. False, with the
// reason in `error`, when the document refuses an object.
bool AddControls(CSkinDocument& doc, std::string* error);

}  // namespace amber
