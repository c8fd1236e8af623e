#pragma once
// The editor of per-command check images: a frame's menu-item entries (one row per menu command that has
// its own check images, with the command's item ID, its check and uncheck pictures chosen from the skin's
// pictures, and the two-row flag) or a toolbar's command entries (the same without the two-row flag, which
// toolbars do not store). It edits a copy: the caller reads Entries() after OK, so Cancel changes nothing. OK stays off while
// two rows share an item ID, since the entries are keyed by it and one would silently replace the other.

#include <QDialog>
#include <QStringList>

#include <vector>

#include "Resource/ResObjects/CheckImageEntries.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

// Whose entries the editor shows.
enum class CheckImagesOf { MenuItems, ToolBarCommands };

class CMenuItemImagesDlg : public QDialog {
    Q_OBJECT
public:
    // pictureNames: the names the picture lists offer, besides no picture.
    CMenuItemImagesDlg(const CheckImageMap& entries, const QStringList& pictureNames, QWidget* parent = nullptr,
                       CheckImagesOf what = CheckImagesOf::MenuItems);

    // The one-line summary a grid row shows of the entries: "(无)", "1 item: 7", "2 items: 3, 9".
    static QString Summary(const CheckImageMap& entries);

    // The entries as the rows show them now (names only: the caller resolves the pictures).
    CheckImageMap Entries() const;

    int RowCount() const { return static_cast<int>(m_rows.size()); }
    QSpinBox* IdSpin(int row) const { return m_rows.at(static_cast<size_t>(row)).id; }
    QComboBox* CheckCombo(int row) const { return m_rows.at(static_cast<size_t>(row)).check; }
    QComboBox* UncheckCombo(int row) const { return m_rows.at(static_cast<size_t>(row)).uncheck; }
    QCheckBox* TwoRowBox(int row) const { return m_rows.at(static_cast<size_t>(row)).doubleRow; }
    QTableWidget* Table() const { return m_table; }
    QPushButton* OkButton() const { return m_ok; }
    QLabel* ProblemLabel() const { return m_problem; }

    // A new row, with the next item ID after the largest one shown (1 in an empty list); it becomes current.
    void AddRow();
    // Removes the current row, if there is one.
    void RemoveCurrentRow();

    // The text shown in a picture list for "no picture".
    static QString NoPictureText() { return QStringLiteral("(无)"); }

private:
    struct Row {
        QSpinBox* id = nullptr;
        QComboBox* check = nullptr;
        QComboBox* uncheck = nullptr;
        QCheckBox* doubleRow = nullptr;
        int doubleRowValue = 1;  // what a checked box stands for: a file's own non-zero value is kept
    };

    void InsertRow(const CheckImageEntry& entry);
    QComboBox* PictureCombo(const std::string& chosen);
    // Disables OK and names the problem while two rows share an item ID.
    void CheckIds();

    CheckImagesOf m_what;
    QStringList m_pictureNames;
    std::vector<Row> m_rows;
    QTableWidget* m_table = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_remove = nullptr;
    QPushButton* m_ok = nullptr;
    QLabel* m_problem = nullptr;
};
