#include "designer/propertygrid/DialogItem.h"

#include "designer/propertygrid/DialogEditor.h"
#include "designer/propertygrid/PropertyGrid.h"

namespace vd {

DialogItem::DialogItem(const QString& caption, QMetaType type, Summary summary, Chooser chooser)
    : PropertyItem(caption), m_type(type), m_summary(std::move(summary)), m_chooser(std::move(chooser)) {}

QVariant DialogItem::normalized(const QVariant& value) const {
    return value.metaType() == m_type ? value : QVariant();
}

QString DialogItem::displayText() const {
    const QVariant v = value();
    return v.isValid() && m_summary ? m_summary(v) : QString();
}

void DialogItem::attached() {
    EditorFactory& factory = grid()->editorFactory();
    if (factory.hasEditor(Kind)) return;
    factory.registerEditor(Kind, [](const PropertyItem& item, QWidget* parent) -> PropertyEditor* {
        const auto* row = dynamic_cast<const DialogItem*>(&item);
        // The editor keeps its own copies: it may outlive the row by an event-loop turn.
        return row ? new DialogEditor(row->summary(), row->chooser(), parent) : nullptr;
    });
}

}  // namespace vd
