#pragma once
// The bitmap item: a whole sliced-image reference (SkinImageBase) in one row. It shows a small swatch of
// the referenced part and the picture name, and its "..." button hands a copy of the reference to a
// chooser (the Skin Image Editor in the designer); the chooser's OK commits the whole reference as one
// value, so the page turns it into one undoable step. There is no text edit.

#include <QMetaType>

#include <functional>

#include "Resource/SkinRecords.h"
#include "designer/propertygrid/PropertyItem.h"

// Declared here rather than in PropertyValueTypes.h: only the bitmap item carries this type.
Q_DECLARE_METATYPE(SkinImageBase)

class QColor;

namespace vd {

class ImageItem : public PropertyItem {
public:
    static constexpr int kKind = UserKind + 1;
    // Edits *image in place; true on OK. Runs modally; `parent` is the editor widget.
    using Chooser = std::function<bool(QWidget* parent, SkinImageBase* image)>;

    explicit ImageItem(const QString& caption, Chooser chooser = {});

    int kind() const override { return kKind; }
    QVariant normalized(const QVariant& value) const override;
    QString displayText() const override;
    void paintValue(QPainter* painter, const QStyleOptionViewItem& option, const QRect& rect) const override;

    const Chooser& chooser() const { return m_chooser; }
    void setChooser(Chooser chooser) { m_chooser = std::move(chooser); }

    // The text beside the swatch: the picture name, or "(无)" without one.
    static QString nameText(const SkinImageBase& image);
    // Swatch and name in a value area starting at rect.left(), as the row and its editor show them.
    static void paintImage(QPainter& painter, const QRect& rect, const SkinImageBase& image, const QColor& text);
    // The swatch of a value area: from (x - 2, y + 1) to (x + 18, bottom - 1).
    static QRect swatchRect(const QRect& rect);

protected:
    // The grid's factory learns this kind's editor when the first bitmap item joins the grid.
    void attached() override;

private:
    Chooser m_chooser;
};

}  // namespace vd
