#pragma once
// The Skin Image Editor: chooses the picture an image reference draws from and the part of it, with the
// corner sizes and the tile/stretch mode of each edge and the centre. The canvas shows the picture
// through the editor's own picture page in selection mode; dragging there (or typing into the spin boxes)
// moves the rectangle and the margins, and a live preview draws the result at a size the author picks.
//
// The editor works on a copy of the reference; the caller reads Image() after OK. It writes nothing into
// the document except through "Open Image" (an undoable Load Image). Its page stops reporting to it as soon
// as the dialog closes, so nothing is ever written into a closed editor. The spin ranges limit only what the
// user enters: a number of the reference outside them (a rectangle past the picture, a negative edge) comes
// back exactly as it was unless the user changes it.

#include <QDialog>

#include <array>
#include <memory>

#include "Resource/SkinRecords.h"
#include "designer/dialogs/ImageBrowserMenu.h"
#include "designer/dialogs/SliceGeometry.h"

class CExactSpinBox;
class CImageCanvas;
class CPictureProperty;
class CSelectionClipboard;
class CSlicePreview;
class DialogProvider;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QToolButton;
class SkinSession;

class CImageBrowser : public QDialog {
    Q_OBJECT
public:
    CImageBrowser(SkinSession& session, DialogProvider& dialogs, CSelectionClipboard& clipboard,
                  QWidget* parent = nullptr);
    ~CImageBrowser() override;

    // Loads a reference: its numbers into the controls and its picture, when the skin has it, selected.
    void SetImage(const SkinImageBase& image);
    // The reference as chosen: picture name and the thirteen numbers (the picture itself is not resolved).
    SkinImageBase Image() const { return m_image; }

    // ---- commands (the menu's, the buttons') ----
    void RunCommand(int command);
    void OpenImage();
    void CopySelection();
    void PasteSelection();
    void SelectAll();
    void ResetSelection();
    // The "Reset" button: Reset Selection and no picture.
    void ResetAll();
    void SetAllModes(bool stretch);
    void ToggleMode(EdgeMode mode);
    // One of the zoom levels 100 ... 1600; other values are ignored.
    void SetZoom(int zoom);
    int Zoom() const { return m_nZoom; }
    static const std::array<int, 7>& ZoomLevels();

    // ---- parts, for tests and screenshots ----
    CImageCanvas* Canvas() const { return m_canvas; }
    CPictureProperty& Page() const { return *m_page; }
    CSlicePreview* Preview() const { return m_preview; }
    CImageBrowserMenu& Menu() const { return *m_menu; }
    QListWidget* PictureList() const { return m_list; }
    // side: left, top, right, bottom
    CExactSpinBox* SelectionSpin(int side) const { return m_selSpins[static_cast<size_t>(side)]; }
    CExactSpinBox* MarginSpin(int side) const { return m_marginSpins[static_cast<size_t>(side)]; }
    QToolButton* ModeButton(EdgeMode mode) const { return m_modeButtons[static_cast<size_t>(mode)]; }
    QLabel* WarningLabel() const { return m_warning; }
    // The size of the picture on the canvas; empty without one.
    QSize PictureSize() const;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Makes the page report drags and nudges to this editor (while it is shown).
    void Register();
    void BuildControls();
    QWidget* BuildSelectionGroup();
    QWidget* BuildMarginsGroup();
    QWidget* BuildPreviewGroup();
    void FillPictureList();
    // Shows the list's selected picture. `fitSelection`: the user chose it, so the right and bottom edges
    // are cut to its size; a picture shown for a reference being loaded leaves the numbers alone.
    void ShowSelectedPicture(bool fitSelection);
    void SelectPictureByName(const std::string& name);
    void OnSpinChanged();
    // The selection and margins from the spin boxes into the reference.
    void ReadSpins();
    void OnPageChanged(const Rect& selection, const Rect& margins);
    // Controls, page, canvas, preview, warning and menu from m_image.
    void Refresh();
    void RefreshViews();
    CImageBrowserMenu::State MenuState() const;

    SkinSession& m_session;
    DialogProvider& m_dialogs;
    CSelectionClipboard& m_clipboard;
    SkinImageBase m_image;
    int m_nZoom = 100;
    bool m_bReady = false;
    std::unique_ptr<CPictureProperty> m_page;

    CImageCanvas* m_canvas = nullptr;
    CSlicePreview* m_preview = nullptr;
    CImageBrowserMenu* m_menu = nullptr;
    QListWidget* m_list = nullptr;
    std::array<CExactSpinBox*, 4> m_selSpins{};
    std::array<CExactSpinBox*, 4> m_marginSpins{};
    std::array<QToolButton*, 5> m_modeButtons{};
    QSpinBox* m_previewWidth = nullptr;
    QSpinBox* m_previewHeight = nullptr;
    QLabel* m_warning = nullptr;
    QLabel* m_info = nullptr;
};
