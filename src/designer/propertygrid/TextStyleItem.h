#pragma once
// A whole text style (SkinTextStyle) in one row: an icon telling the default style from a changed one, a
// small "Aa" drawn in the style's colours and shadow, and a summary of alignment and effect. There is no
// text edit; the "..." button opens the Text Style dialog through the DialogProvider, and OK commits the
// whole style as one change. The item keeps a copy of the document's system colours: the default style's
// shadow colour is the machine's button shadow.

#include "designer/propertygrid/PropertyBinding.h"
#include "designer/propertygrid/PropertyItem.h"

#include <QMetaType>

#include "Resource/SkinRecords.h"
#include "Resource/SystemEnvironment.h"

class DialogProvider;
class QFont;
class QPalette;

Q_DECLARE_METATYPE(SkinTextStyle)

namespace vd {

class TextStyleItem : public PropertyItem {
public:
    static constexpr int Kind = UserKind + 2;

    // dialogs may be null: the row then shows the style but its button does nothing.
    TextStyleItem(const QString& caption, const SystemEnvironment& env, DialogProvider* dialogs);

    int kind() const override { return Kind; }
    QVariant normalized(const QVariant& value) const override;
    QString displayText() const override;
    void paintValue(QPainter* painter, const QStyleOptionViewItem& option, const QRect& rect) const override;

    const SystemEnvironment& environment() const { return m_env; }
    DialogProvider* dialogs() const { return m_dialogs; }

    // Centred, black, no effect, shadow in the button-shadow colour two pixels off, no insets.
    static bool isDefaultStyle(const SkinTextStyle& style, const SystemEnvironment& env);
    static QString iconPath(bool defaultStyle);
    // "Center, VCenter, Shadow", with the insets when there are any.
    static QString summary(const SkinTextStyle& style);

    // The row's picture, shared with the editor so nothing moves when the editor opens.
    static QRect iconRect(const QRect& cell);
    static QRect sampleRect(const QRect& cell);
    static void paintStyle(QPainter& painter, const QRect& cell, const SkinTextStyle& style,
                           const SystemEnvironment& env, const QPalette& palette);

protected:
    // Brings the row's editor into the grid's factory the first time such a row joins a grid.
    void attached() override;

private:
    SystemEnvironment m_env;
    DialogProvider* m_dialogs;
};

TextStyleItem* addTextStyle(PropertyItem* parent, const QString& caption, const Binding<SkinTextStyle>& field,
                            const SystemEnvironment& env, DialogProvider* dialogs);

}  // namespace vd
