#include "designer/propertygrid/QuadNumberItem.h"

#include "designer/propertygrid/NumberItem.h"

namespace vd {

namespace {

int side(const QMargins& m, int i) {
    switch (i) {
    case 0: return m.left();
    case 1: return m.top();
    case 2: return m.right();
    default: return m.bottom();
    }
}

void setSide(QMargins& m, int i, int v) {
    switch (i) {
    case 0: m.setLeft(v); break;
    case 1: m.setTop(v); break;
    case 2: m.setRight(v); break;
    default: m.setBottom(v); break;
    }
}

// "All" shows n while the four sides are all n, else 0. Entering n changes something whenever any side
// differs from n, so typing 0 over a displayed 0 still zeroes uneven sides.
class AllItem : public NumberItem {
public:
    explicit AllItem(QuadNumberItem* quad) : NumberItem(QStringLiteral("All")), m_quad(quad) {
        setPartOfParent(true);
        bind(
            [quad]() -> QVariant {
                const QMargins m = quad->margins();
                const bool even = m.left() == m.top() && m.top() == m.right() && m.right() == m.bottom();
                return even ? m.left() : 0;
            },
            [quad](const QVariant& v) {
                const int n = v.toInt();
                quad->setValue(QVariant::fromValue(QMargins(n, n, n, n)));
            });
    }

    bool wouldChange(const QVariant& normalizedValue) const override {
        const int n = normalizedValue.toInt();
        return m_quad->margins() != QMargins(n, n, n, n);
    }

private:
    QuadNumberItem* m_quad;
};

const char* const kSideCaptions[4] = {"Left", "Top", "Right", "Bottom"};

}  // namespace

QuadNumberItem::QuadNumberItem(const QString& caption, int left, int top, int right, int bottom)
    : PropertyItem(caption) {
    setValue(QVariant::fromValue(QMargins(left, top, right, bottom)));
    m_all = addChild<AllItem>(this);
    for (int i = 0; i < 4; ++i) {
        NumberItem* child = addChild<NumberItem>(QString::fromLatin1(kSideCaptions[i]));
        child->setPartOfParent(true);
        child->bind([this, i]() -> QVariant { return side(margins(), i); },
                    [this, i](const QVariant& v) {
                        QMargins m = margins();
                        setSide(m, i, v.toInt());
                        setValue(QVariant::fromValue(m));
                    });
        child->setDefaultProvider([this, i]() -> std::optional<QVariant> {
            const std::optional<QVariant> d = defaultValue();
            if (!d)
                return std::nullopt;
            return side(d->value<QMargins>(), i);
        });
        m_sides[i] = child;
    }
}

QVariant QuadNumberItem::normalized(const QVariant& value) const {
    return value.metaType() == QMetaType::fromType<QMargins>() ? value : QVariant();
}

QString QuadNumberItem::displayText() const { return format(margins()); }

QString QuadNumberItem::format(const QMargins& m) {
    return QStringLiteral("%1; %2; %3; %4").arg(m.left()).arg(m.top()).arg(m.right()).arg(m.bottom());
}

}  // namespace vd
