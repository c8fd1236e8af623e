#pragma once
// The tree of the property grid: paints rows (shaded categories, alternating item rows, a left gutter,
// chevrons), lets the caption/value split be dragged, keeps the split's share when resized, and sends
// clicks and typing on a value to its editor. The grid owns the rows and decides everything else.

#include <QTreeWidget>

namespace vd {

class PropertyGrid;

inline constexpr double kDefaultSplitShare = 0.45;
inline constexpr double kMaxFittedSplitShare = 0.6;

class PropertyTreeView : public QTreeWidget {
    Q_OBJECT

public:
    explicit PropertyTreeView(PropertyGrid* grid);

    int splitterPosition() const { return columnWidth(0); }
    void setSplitterPosition(int x);
    // Widens the caption column so that captions of `widest` pixels (their row's indentation included)
    // show whole, between the default share and a share that leaves values room; nothing once the user
    // has moved the splitter.
    void fitCaptions(int widest);
    int standardRowHeight() const;
    // Row shading is counted over visible rows; call after rows appear, vanish, fold or unfold.
    void invalidateShading();

    QColor categoryColor() const;
    QColor alternateColor() const;
    QColor gridLineColor() const;
    bool isCurrentRow(const QModelIndex& index) const;

protected:
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool nearSplitter(int x) const;
    bool isOddRow(const QModelIndex& index) const;

    PropertyGrid* m_grid;
    bool m_dragging = false;
    double m_splitShare = kDefaultSplitShare;
    bool m_userSplit = false;  // the user dragged the splitter: their choice stays
    mutable QHash<const QTreeWidgetItem*, bool> m_odd;
    mutable bool m_shadingValid = false;
};

}  // namespace vd
