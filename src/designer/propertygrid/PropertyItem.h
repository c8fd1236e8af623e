#pragma once
// One row of the property grid: a caption, a description, and a value read and written through bound
// getter/setter functions (or held by the item itself when nothing is bound). Top-level items are owned by
// their PropertyGrid, every other item by its parent item. The grid removes an item's row and closes its
// editor before the item is destroyed, so nothing in the view ever points at a dead item.

#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QPainter;
class QRect;
class QStyleOptionViewItem;

namespace vd {

class PropertyGrid;

class PropertyItem {
public:
    // Built-in kinds; the grid's EditorFactory maps a kind to the editor it gets. Later kinds (image, text
    // style, slider) take values from UserKind on.
    enum Kind { GroupKind, TextKind, NumberKind, BoolKind, EnumKind, ColorKind, FontKind, SizeKind, QuadKind,
                UserKind = 100 };

    using Getter = std::function<QVariant()>;
    using Setter = std::function<void(const QVariant&)>;
    using DefaultProvider = std::function<std::optional<QVariant>()>;

    explicit PropertyItem(const QString& caption);
    virtual ~PropertyItem();
    PropertyItem(const PropertyItem&) = delete;
    PropertyItem& operator=(const PropertyItem&) = delete;

    virtual int kind() const = 0;
    virtual bool isCategory() const { return false; }

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    QString description() const { return m_description; }
    void setDescription(const QString& description);
    // 0 means "no identifier". 501 on a boolean makes it show or hide its siblings.
    int id() const { return m_id; }
    void setId(int id) { m_id = id; }
    // The record key the row edits ("ActiveTop"), so a finding about a key can lead to its row; empty when
    // the row edits no single stored key.
    QString key() const { return m_key; }
    void setKey(const QString& key) { m_key = key; }
    bool isHidden() const { return m_hidden; }
    void setHidden(bool hidden);
    bool isReadOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly);
    bool isExpanded() const { return m_expanded; }
    void setExpanded(bool expanded);

    // --- value ---
    void bind(Getter getter, Setter setter);
    bool isBound() const { return static_cast<bool>(m_getter); }
    QVariant value() const;
    // Writes without notifying anyone: the value is normalized first; an unusable value is ignored.
    void setValue(const QVariant& value);
    // Whether committing `normalizedValue` would change anything (it normally differs from value()).
    virtual bool wouldChange(const QVariant& normalizedValue) const { return normalizedValue != value(); }
    // Converts a candidate value to the item's own type and limits; an invalid result rejects it.
    virtual QVariant normalized(const QVariant& value) const { return value; }

    void setDefaultValue(const QVariant& value);
    void setDefaultProvider(DefaultProvider provider) { m_defaultProvider = std::move(provider); }
    void clearDefaultValue() { m_defaultProvider = nullptr; }
    std::optional<QVariant> defaultValue() const;
    bool hasDefaultValue() const { return defaultValue().has_value(); }
    // Drawn in bold and resettable when a default exists and the value differs from it.
    bool isModified() const;

    // --- presentation ---
    virtual QString displayText() const { return value().toString(); }
    virtual void paintValue(QPainter* painter, const QStyleOptionViewItem& option, const QRect& rect) const;
    // Row height for this item given the grid's standard height (a picture item is taller).
    virtual int rowHeight(int standardHeight) const { return standardHeight; }
    // Whether the grid opens an editor on this row at all (read-only items never get one).
    virtual bool hasEditor() const { return !m_readOnly; }

    // --- tree ---
    PropertyItem* parent() const { return m_parent; }
    PropertyGrid* grid() const { return m_grid; }
    int childCount() const { return static_cast<int>(m_children.size()); }
    PropertyItem* child(int index) const { return m_children.at(static_cast<size_t>(index)).get(); }
    int indexOf(const PropertyItem* child) const;
    PropertyItem* addChildItem(std::unique_ptr<PropertyItem> child);
    template <class T, class... Args>
    T* addChild(Args&&... args) {
        return static_cast<T*>(addChildItem(std::make_unique<T>(std::forward<Args>(args)...)));
    }
    // Destroys the child and its subtree.
    void removeChild(PropertyItem* child);

    // A row that is only a part of its parent's value (the "Top" of a margin) reports changes as changes of
    // the parent, so one edit is one change of one bound value.
    void setPartOfParent(bool part) { m_partOfParent = part; }
    bool isPartOfParent() const { return m_partOfParent; }
    PropertyItem* changeOwner();

protected:
    // Tells the grid to repaint this row (after the item changed what it shows).
    void updateRow() const;
    // Called once the item is in a grid (and for every child added later).
    virtual void attached() {}

private:
    friend class PropertyGrid;
    void attachTo(PropertyGrid* grid);
    // Expires with the item: the grid checks it after handing control to outside code (signals, setters).
    std::weak_ptr<void> lifeToken() const { return m_lifeToken; }

    QString m_caption;
    QString m_description;
    int m_id = 0;
    QString m_key;
    bool m_hidden = false;
    bool m_readOnly = false;
    bool m_expanded = false;
    bool m_partOfParent = false;
    Getter m_getter;
    Setter m_setter;
    QVariant m_stored;
    DefaultProvider m_defaultProvider;
    PropertyItem* m_parent = nullptr;
    PropertyGrid* m_grid = nullptr;
    std::vector<std::unique_ptr<PropertyItem>> m_children;
    std::shared_ptr<void> m_lifeToken = std::make_shared<char>(0);
};

}  // namespace vd
