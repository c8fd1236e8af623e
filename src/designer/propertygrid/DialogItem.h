#pragma once
// A value edited only through a dialog (a list of entries, say): the row shows a one-line summary, and its
// "..." button hands a copy of the value to a chooser; the chooser's OK commits the whole value as one
// change, so the page makes it one undoable step. There is no text edit.

#include <QMetaType>

#include <functional>

#include "designer/propertygrid/PropertyBinding.h"
#include "designer/propertygrid/PropertyItem.h"

class QWidget;

namespace vd {

class DialogItem : public PropertyItem {
public:
    static constexpr int Kind = UserKind + 4;
    using Summary = std::function<QString(const QVariant& value)>;
    // Edits *value in place; true on OK. Runs modally; `parent` is the editor widget.
    using Chooser = std::function<bool(QWidget* parent, QVariant* value)>;

    // Values of any other type than `type` are refused.
    DialogItem(const QString& caption, QMetaType type, Summary summary, Chooser chooser);

    int kind() const override { return Kind; }
    QVariant normalized(const QVariant& value) const override;
    QString displayText() const override;

    const Summary& summary() const { return m_summary; }
    const Chooser& chooser() const { return m_chooser; }

protected:
    // The grid's factory learns this kind's editor when the first such row joins the grid.
    void attached() override;

private:
    QMetaType m_type;
    Summary m_summary;
    Chooser m_chooser;
};

// A dialog row over a typed field: `summary` describes a value in one line, `chooser` edits a copy.
template <class T>
DialogItem* addDialogRow(PropertyItem* parent, const QString& caption, const Binding<T>& field,
                         std::function<QString(const T&)> summary, std::function<bool(QWidget*, T*)> chooser) {
    DialogItem::Summary text = [summary](const QVariant& v) { return summary(v.value<T>()); };
    DialogItem::Chooser choose;
    if (chooser) {
        choose = [chooser](QWidget* owner, QVariant* v) {
            T edited = v->value<T>();
            if (!chooser(owner, &edited)) return false;
            *v = QVariant::fromValue(edited);
            return true;
        };
    }
    auto* item = parent->addChild<DialogItem>(caption, QMetaType::fromType<T>(), std::move(text), std::move(choose));
    item->bind([get = field.get]() -> QVariant { return QVariant::fromValue(get()); },
               [set = field.set](const QVariant& v) { set(v.value<T>()); });
    if (field.defaultValue) item->setDefaultValue(QVariant::fromValue(*field.defaultValue));
    return item;
}

}  // namespace vd
