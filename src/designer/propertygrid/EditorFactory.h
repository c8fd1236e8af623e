#pragma once
// The one table from item kind to editor: each entry builds the editor widget for an item of that kind.
// The grid wraps every editor it gets from here in a ResetWrapper, so no factory deals with reset or keys.
// Later item kinds (image, text style, slider) plug in with registerEditor().

#include <QHash>

#include <functional>

class QWidget;

namespace vd {

class PropertyEditor;
class PropertyItem;

class EditorFactory {
public:
    using Create = std::function<PropertyEditor*(const PropertyItem& item, QWidget* parent)>;

    // A table with the editors of the built-in kinds.
    EditorFactory();

    void registerEditor(int kind, Create create) { m_table.insert(kind, std::move(create)); }
    void unregisterEditor(int kind) { m_table.remove(kind); }
    bool hasEditor(int kind) const { return m_table.contains(kind); }
    // Null when the kind has no editor or the item is not editable.
    PropertyEditor* createEditor(const PropertyItem& item, QWidget* parent) const;

private:
    QHash<int, Create> m_table;
};

}  // namespace vd
