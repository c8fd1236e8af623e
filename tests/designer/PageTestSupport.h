#pragma once
// Helpers for the page tests: finding a grid row by its path of captions, the captions a row or enum
// offers, a picture reference as the Skin Image Editor hands one back, the per-item check-image entries,
// a fixture that puts one new object on its page, and one that opens a check-image row's editor.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>
#include <QToolButton>
#include <QVariant>

#include <string>
#include <utility>

#include "ImageTestSupport.h"
#include "Resource/ResObjects/CheckImageEntries.h"
#include "Resource/SkinRecords.h"
#include "ScriptedDialogs.h"
#include "designer/SkinSession.h"
#include "designer/propertygrid/DialogEditor.h"
#include "designer/propertygrid/DialogItem.h"
#include "designer/propertygrid/EnumItem.h"
#include "designer/propertygrid/PropertyGrid.h"
#include "designer/propertygrid/PropertyItem.h"
#include "designer/propertygrid/PropertyValueTypes.h"
#include "designer/undo/AddObjectsCommand.h"
#include "preview/PreviewKind.h"

namespace pagetest {

// The row at a path of captions ("Appearance/Normal/Image"): a top-level category, then children by
// caption; null when a step is missing.
inline vd::PropertyItem* Row(vd::PropertyGrid& grid, const QString& path) {
    const QStringList parts = path.split(QLatin1Char('/'));
    vd::PropertyItem* item = nullptr;
    for (int i = 0; i < grid.topLevelItemCount() && !item; ++i)
        if (grid.topLevelItem(i)->caption() == parts.first()) item = grid.topLevelItem(i);
    for (int p = 1; p < parts.size() && item; ++p) {
        vd::PropertyItem* next = nullptr;
        for (int c = 0; c < item->childCount() && !next; ++c)
            if (item->child(c)->caption() == parts[p]) next = item->child(c);
        item = next;
    }
    return item;
}

// The captions of a row's children in order; empty for a missing row.
inline QStringList Captions(const vd::PropertyItem* item) {
    QStringList out;
    for (int i = 0; item && i < item->childCount(); ++i) out << item->child(i)->caption();
    return out;
}

// The captions of the grid's categories in order.
inline QStringList TopLevel(const vd::PropertyGrid& grid) {
    QStringList out;
    for (int i = 0; i < grid.topLevelItemCount(); ++i) out << grid.topLevelItem(i)->caption();
    return out;
}

// An enum row's entries as "caption=value".
inline QStringList EnumCaptions(const vd::PropertyItem* item) {
    QStringList out;
    for (const vd::EnumEntry& e : static_cast<const vd::EnumItem*>(item)->entries())
        out << QStringLiteral("%1=%2").arg(e.caption).arg(e.value);
    return out;
}

// A reference to a picture's rectangle, as the Skin Image Editor hands one back; the left width is set so a
// row that drops it shows.
inline SkinImageBase Chosen(const std::string& name, int right = 12, int bottom = 9) {
    SkinImageBase c;
    c.name = name;
    c.left = 1, c.top = 2, c.right = right, c.bottom = bottom;
    c.leftWidth = 3;
    return c;
}

inline CheckImageEntry Entry(int itemId, const char* check, const char* uncheck, int twoRows) {
    CheckImageEntry e;
    e.id = itemId;
    e.checkImage = check;
    e.uncheckImage = uncheck;
    e.doubleRow = twoRows;
    return e;
}

// A new object of the kind TypeBase numbers, attached to its page and selected before each test.
template <class Page, int TypeBase>
class PageFixture : public ::testing::Test {
protected:
    using Record = typename Page::Record;

    void SetUp() override {
        id = AddObjectsCommand::PushNew(session, TypeBase);
        page.Attach(&session, &grid, &dialogs);
        grid.resize(420, 600);
        ASSERT_TRUE(page.SelectObject(id));
        steps = session.UndoStack().count();
    }

    Record& record() { return *static_cast<Record*>(session.Document().FindItem(id)); }
    vd::PropertyItem* row(const QString& path) { return Row(grid, path); }
    QStringList topLevel() const { return TopLevel(grid); }
    // The preview state the page's grid and mouse have chosen.
    int shownState() const { return vd::preview::SelectorValue(page.PreviewSelectors(), "State", -1); }

    // The page's preview drawn on black at this size.
    QImage drawPreview(QSize size) {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::black);
        QPainter painter(&image);
        page.DrawPreview(painter, QRect(QPoint(0, 0), size));
        painter.end();
        return image;
    }

    // Commits a value to a row and checks that it took exactly one undoable step.
    void commit(const QString& path, const QVariant& value) {
        vd::PropertyItem* item = row(path);
        ASSERT_NE(item, nullptr) << path.toStdString();
        const int before = session.UndoStack().count();
        ASSERT_TRUE(grid.commitValue(item, value)) << path.toStdString();
        EXPECT_EQ(session.UndoStack().count(), before + 1) << path.toStdString();
    }

    // The five state groups under "Appearance" of a button-like record, whose arrays are stored Normal,
    // Pressed, Disabled, Highlighted, Default: each group's "Image" and "TextStyle" rows edit that state's
    // entry of `images` and `styles` and nothing else.
    template <class Images, class Styles>
    void expectStateGroupsEditTheirEntries(Images Record::*images, Styles Record::*styles) {
        const std::pair<const char*, size_t> cases[] = {
            {"Normal", 0}, {"Pressed", 1}, {"Highlighted", 3}, {"Disabled", 2}, {"Default", 4}};
        for (const auto& [caption, index] : cases) {
            const Record before = record();
            const QString group = QStringLiteral("Appearance/") + caption;
            commit(group + QStringLiteral("/Image"), QVariant::fromValue(Chosen(std::string(caption) + ".png")));
            SkinTextStyle style = SkinTextStyle::Fresh(session.Document().Env());
            style.textColor = Color(static_cast<int>(index) * 40, 1, 2);
            style.effect = 1;
            commit(group + QStringLiteral("/TextStyle"), QVariant::fromValue(style));
            Record expected = before;
            (expected.*images)[index] = Chosen(std::string(caption) + ".png");
            (expected.*styles)[index] = style;
            EXPECT_EQ(record(), expected) << caption;
        }
    }

    SkinSession session;
    ScriptedDialogs dialogs;
    vd::PropertyGrid grid;
    Page page;
    int id = 0;
    int steps = 0;  // the undo stack's count once the object is selected
};

// A page whose check-image row (at `rowPath`) is current in a shown grid; "Tick.png" (orange) and
// "Box.png" (blue) are in the document before the object is made. Press() clicks the row's button.
template <class Page, int TypeBase>
class CheckImageRowFixture : public PageFixture<Page, TypeBase> {
protected:
    explicit CheckImageRowFixture(QString rowPath) : m_rowPath(std::move(rowPath)) {}

    void SetUp() override {
        imagetest::AddPicture(this->session, "Tick.png", 16, 16, QColor(200, 120, 20));
        imagetest::AddPicture(this->session, "Box.png", 16, 16, QColor(20, 120, 200));
        PageFixture<Page, TypeBase>::SetUp();
        this->grid.show();
        item = dynamic_cast<vd::DialogItem*>(this->row(m_rowPath));
        ASSERT_NE(item, nullptr);
        this->grid.setCurrentItem(item);
        QApplication::processEvents();
    }
    void Press() {
        auto* editor = qobject_cast<vd::DialogEditor*>(this->grid.activeEditor());
        ASSERT_NE(editor, nullptr);
        ASSERT_TRUE(editor->dialogButton()->isEnabled());
        editor->dialogButton()->click();
    }

    vd::DialogItem* item = nullptr;

private:
    QString m_rowPath;
};

}  // namespace pagetest
