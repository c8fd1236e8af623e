#pragma once
// The preview of every kind that has one, as a function of the document, the record, the page's selectors
// and a QPainter whose origin is the preview rectangle's top-left corner. The design view, the command-line
// renderer and the tests all draw through this table, so a preview looks the same wherever it is shown.
// QtGui only: nothing here may need a widget.

#include <QImage>
#include <QPainter>
#include <QSize>

#include <map>
#include <optional>
#include <string>
#include <vector>

class CSkinDocument;
struct SkinResStruct;

namespace vd::preview {

// One label of a preview selector as the grid shows it, with the value it stands for.
struct SelectorOption {
    const char* label;
    int value;
};

// How a page's grid edits a selector: a list of labels, a number, or a number on a slider.
enum class SelectorEdit { List, Number, Slider };

// A value a page chooses the preview by ("State", "Postion"), named by the caption of its grid row. A list
// selector takes one of its options; a number selector any whole number from minimum to maximum.
struct SelectorInfo {
    const char* caption;
    std::vector<SelectorOption> options;
    int initial;
    SelectorEdit edit = SelectorEdit::List;
    int minimum = 0;
    int maximum = 0;

    // The value a page or the command line may set, or nullopt: a label of a list (ignoring case) or its
    // value written as a number, or a number in range.
    std::optional<int> Parse(const std::string& text) const;
    // What Parse accepts, for messages: "Normal (0), Pressed (1)" or "a whole number from 0 to 100".
    std::string Accepted() const;
};

// Selector values by caption; a selector not in the map takes its initial value.
using SelectorValues = std::map<std::string, int>;

// Everything a preview function may look at.
struct PreviewContext {
    const CSkinDocument& doc;
    const SkinResStruct& record;
    const SelectorValues& selectors;
    QSize size;  // the preview rectangle; the painter's origin is its top-left corner
};

struct PreviewKind {
    int typeBase;      // first ID of the kind's block
    int idRange;
    const char* tag;   // a short name for file names ("frame", "button")
    void (*draw)(QPainter& painter, const PreviewContext& ctx);
    // The size the page opens the object with.
    QSize (*size)(const CSkinDocument& doc, const SkinResStruct& record);
    // Whether the user may resize the preview (null: always).
    bool (*resizable)(const CSkinDocument& doc, const SkinResStruct& record);
    std::vector<SelectorInfo> selectors;

    bool Resizable(const CSkinDocument& doc, const SkinResStruct& record) const {
        return !resizable || resizable(doc, record);
    }
};

// The kind whose block holds id, or null when the kind has no preview.
const PreviewKind* FindPreviewKind(int id);
const std::vector<PreviewKind>& PreviewKinds();

// The selector value under caption, or fallback when the map has none.
int SelectorValue(const SelectorValues& values, const char* caption, int fallback);
// The selector of a kind by caption (compared ignoring case), or null.
const SelectorInfo* FindSelector(const PreviewKind& kind, const std::string& caption);

// The preview of record drawn onto the 8 x 8 checkerboard in a new image of the given size (the kind's own
// size when size is empty). A null image when the kind has no preview, or the size is empty or beyond the
// limits of FitsPreviewLimits (PreviewCommon.h).
QImage RenderPreview(const CSkinDocument& doc, const SkinResStruct& record, const SelectorValues& selectors,
                     QSize size = QSize());

}  // namespace vd::preview
