#include "designer/propertygrid/PropertyItem.h"

#include "designer/propertygrid/PropertyEditor.h"
#include "designer/propertygrid/PropertyGrid.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyleOptionViewItem>

#include <algorithm>

namespace vd {

PropertyItem::PropertyItem(const QString& caption) : m_caption(caption) {}

PropertyItem::~PropertyItem() {
    // The grid drops this row (and closes an editor on it) while the item is still whole; the children
    // are then destroyed with m_children and detach themselves the same way.
    if (m_grid)
        m_grid->itemDestroyed(this);
}

void PropertyItem::setCaption(const QString& caption) {
    if (caption == m_caption)
        return;
    m_caption = caption;
    if (m_grid)
        m_grid->itemChanged(this, PropertyGrid::ItemChange::Caption);
}

void PropertyItem::setDescription(const QString& description) {
    m_description = description;
    if (m_grid)
        m_grid->itemChanged(this, PropertyGrid::ItemChange::Caption);
}

void PropertyItem::setHidden(bool hidden) {
    if (hidden == m_hidden)
        return;
    m_hidden = hidden;
    if (m_grid)
        m_grid->itemChanged(this, PropertyGrid::ItemChange::Visibility);
}

void PropertyItem::setReadOnly(bool readOnly) {
    if (readOnly == m_readOnly)
        return;
    m_readOnly = readOnly;
    if (m_grid)
        m_grid->itemChanged(this, PropertyGrid::ItemChange::Editability);
}

void PropertyItem::setExpanded(bool expanded) {
    if (expanded == m_expanded)
        return;
    m_expanded = expanded;
    if (m_grid)
        m_grid->itemChanged(this, PropertyGrid::ItemChange::Expansion);
}

void PropertyItem::bind(Getter getter, Setter setter) {
    m_getter = std::move(getter);
    m_setter = std::move(setter);
    updateRow();
}

QVariant PropertyItem::value() const { return m_getter ? m_getter() : m_stored; }

void PropertyItem::setValue(const QVariant& value) {
    const QVariant v = normalized(value);
    if (!v.isValid())
        return;
    if (m_setter)
        m_setter(v);
    else if (!m_getter)
        m_stored = v;
    updateRow();
}

void PropertyItem::setDefaultValue(const QVariant& value) {
    m_defaultProvider = [v = value]() -> std::optional<QVariant> { return v; };
}

std::optional<QVariant> PropertyItem::defaultValue() const {
    if (!m_defaultProvider)
        return std::nullopt;
    std::optional<QVariant> d = m_defaultProvider();
    if (!d)
        return std::nullopt;
    QVariant n = normalized(*d);
    if (!n.isValid())
        return std::nullopt;
    return n;
}

bool PropertyItem::isModified() const {
    const std::optional<QVariant> d = defaultValue();
    return d && wouldChange(*d);
}

void PropertyItem::paintValue(QPainter* painter, const QStyleOptionViewItem& option, const QRect& rect) const {
    const QRect textRect = rect.adjusted(PropertyEditor::kContentInset, 0, -PropertyEditor::kContentInset, 0);
    const QString text = QFontMetrics(painter->font()).elidedText(displayText(), Qt::ElideRight, textRect.width());
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    Q_UNUSED(option);
}

int PropertyItem::indexOf(const PropertyItem* child) const {
    const auto it = std::find_if(m_children.begin(), m_children.end(),
                                 [child](const std::unique_ptr<PropertyItem>& c) { return c.get() == child; });
    return it == m_children.end() ? -1 : static_cast<int>(it - m_children.begin());
}

PropertyItem* PropertyItem::addChildItem(std::unique_ptr<PropertyItem> child) {
    if (!child)
        return nullptr;
    PropertyItem* raw = child.get();
    raw->m_parent = this;
    m_children.push_back(std::move(child));
    if (m_grid) {
        raw->attachTo(m_grid);
        m_grid->itemChanged(this, PropertyGrid::ItemChange::Structure);
    }
    return raw;
}

void PropertyItem::removeChild(PropertyItem* child) {
    const int i = indexOf(child);
    if (i < 0)
        return;
    std::unique_ptr<PropertyItem> doomed = std::move(m_children[static_cast<size_t>(i)]);
    m_children.erase(m_children.begin() + i);
    doomed.reset();
    if (m_grid)
        m_grid->itemChanged(this, PropertyGrid::ItemChange::Structure);
}

PropertyItem* PropertyItem::changeOwner() {
    PropertyItem* owner = this;
    while (owner->m_partOfParent && owner->m_parent)
        owner = owner->m_parent;
    return owner;
}

void PropertyItem::updateRow() const {
    if (m_grid)
        m_grid->itemChanged(const_cast<PropertyItem*>(this), PropertyGrid::ItemChange::Value);
}

void PropertyItem::attachTo(PropertyGrid* grid) {
    m_grid = grid;
    attached();
    for (const auto& c : m_children)
        c->attachTo(grid);
}

}  // namespace vd
