#include "designer/dialogs/ImageBrowser.h"

#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>

#include <algorithm>

#include "Helpers/EnBitmap.h"
#include "Resource/ResObjects/ResPicture.h"
#include "Resource/SkinDocument.h"
#include "designer/ImageLoading.h"
#include "designer/SkinSession.h"
#include "designer/dialogs/ExactSpinBox.h"
#include "designer/dialogs/ImageCanvas.h"
#include "designer/dialogs/SelectionClipboard.h"
#include "designer/dialogs/SlicePreview.h"
#include "designer/pages/PictureProperty.h"

namespace {

constexpr int kNumberMax = 99999;

bool SameNameIgnoringCase(const std::string& a, const QString& b) {
    return QString::fromStdString(a).compare(b, Qt::CaseInsensitive) == 0;
}

}  // namespace

const std::array<int, 7>& CImageBrowser::ZoomLevels() {
    static const std::array<int, 7> levels{100, 200, 400, 600, 800, 1200, 1600};
    return levels;
}

CImageBrowser::CImageBrowser(SkinSession& session, DialogProvider& dialogs, CSelectionClipboard& clipboard,
                             QWidget* parent)
    : QDialog(parent), m_session(session), m_dialogs(dialogs), m_clipboard(clipboard),
      m_page(std::make_unique<CPictureProperty>()) {
    setWindowTitle(QStringLiteral("Skin Image Editor"));
    setSizeGripEnabled(true);
    // The editor's own page: the main window's picture page never learns of this dialog, and this one
    // ends with it.
    m_page->Attach(&m_session, nullptr, nullptr);
    Register();
    BuildControls();
    FillPictureList();
    m_bReady = true;
    Refresh();
}

CImageBrowser::~CImageBrowser() {
    m_page->ClearSelectionListener();
    m_canvas->SetPage(nullptr);
}

void CImageBrowser::Register() {
    m_page->SetSelectionListener([this](const Rect& selection, const Rect& margins) { OnPageChanged(selection, margins); });
}

void CImageBrowser::showEvent(QShowEvent* event) {
    // Shown again after closing: report to this editor again.
    if (!m_page->HasSelectionListener()) Register();
    QDialog::showEvent(event);
    // The canvas takes the keys first, so the arrow keys move the selection at once.
    m_canvas->setFocus(Qt::OtherFocusReason);
}

void CImageBrowser::done(int result) {
    // From here on the page reports to no one: a closed editor receives no more writes.
    m_page->ClearSelectionListener();
    QDialog::done(result);
}

void CImageBrowser::SetImage(const SkinImageBase& image) {
    m_image = image;
    m_image.image = nullptr;
    {
        const QSignalBlocker block(m_list);
        m_list->clearSelection();
        m_list->setCurrentItem(nullptr);
    }
    // A name the skin does not have selects nothing but is kept (see Image()).
    SelectPictureByName(image.name);
    const int w = std::max(1, m_image.right - m_image.left), h = std::max(1, m_image.bottom - m_image.top);
    m_preview->SetTargetSize(QSize(std::clamp(w * 3, 64, 200), std::clamp(h * 3, 40, 160)));
    Refresh();
}

QSize CImageBrowser::PictureSize() const { return m_canvas->PicturePage() ? m_page->PictureSize() : QSize(); }

// ---- picture list ----

void CImageBrowser::FillPictureList() {
    const QSignalBlocker block(m_list);
    m_list->clear();
    const CResPicture& pictures = m_session.Document().Pictures();
    for (size_t i = 0; i < pictures.Count(); ++i) {
        const Picture* p = pictures.At(i);
        auto* item = new QListWidgetItem(QString::fromStdString(p->name), m_list);
        item->setData(Qt::UserRole, p->ID);
        if (p->image && !p->image->IsEmpty())
            item->setToolTip(QStringLiteral("%1 × %2").arg(p->image->Width()).arg(p->image->Height()));
    }
}

void CImageBrowser::SelectPictureByName(const std::string& name) {
    QListWidgetItem* match = nullptr;
    if (!name.empty())
        for (int i = 0; i < m_list->count() && !match; ++i)
            if (SameNameIgnoringCase(name, m_list->item(i)->text())) match = m_list->item(i);
    {
        const QSignalBlocker block(m_list);
        m_list->clearSelection();
        m_list->setCurrentItem(match);
        if (match) {
            match->setSelected(true);
            m_list->scrollToItem(match);
        }
    }
    if (match) ShowSelectedPicture(false);
}

void CImageBrowser::ShowSelectedPicture(bool fitSelection) {
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    QListWidgetItem* item = selected.isEmpty() ? nullptr : selected.first();
    if (item) {
        m_page->EnterSelectionMode(item->data(Qt::UserRole).toInt());
        m_page->SetZoom(m_nZoom);
        m_canvas->SetPage(m_page.get());
        m_canvas->SetScrollSize(m_page->ScrollSize());
        m_image.name = item->text().toStdString();
    } else {
        m_page->LeaveSelectionMode();
        m_canvas->SetPage(nullptr);
        m_image.name.clear();
    }
    // Right and bottom edges cannot be entered past the picture; without one every number goes up to 99999.
    const QSize pic = PictureSize();
    {
        // Only the range: the numbers are loaded again below, from the reference.
        const QSignalBlocker right(m_selSpins[2]), bottom(m_selSpins[3]);
        m_selSpins[2]->setMaximum(pic.isEmpty() ? kNumberMax : pic.width());
        m_selSpins[3]->setMaximum(pic.isEmpty() ? kNumberMax : pic.height());
    }
    if (fitSelection && !pic.isEmpty()) {
        m_image.right = std::min(m_image.right, pic.width());
        m_image.bottom = std::min(m_image.bottom, pic.height());
    }
    Refresh();
}

// ---- numbers ----

void CImageBrowser::OnSpinChanged() {
    if (!m_bReady) return;
    ReadSpins();
    RefreshViews();
}

void CImageBrowser::ReadSpins() {
    // Numbers the user did not change stay as they were, even outside the spins' ranges.
    m_image.left = m_selSpins[0]->ExactValue();
    m_image.top = m_selSpins[1]->ExactValue();
    m_image.right = m_selSpins[2]->ExactValue();
    m_image.bottom = m_selSpins[3]->ExactValue();
    m_image.leftWidth = m_marginSpins[0]->ExactValue();
    m_image.topHeight = m_marginSpins[1]->ExactValue();
    m_image.rightWidth = m_marginSpins[2]->ExactValue();
    m_image.bottomHeight = m_marginSpins[3]->ExactValue();
}

void CImageBrowser::OnPageChanged(const Rect& selection, const Rect& margins) {
    m_image.left = selection.left;
    m_image.top = selection.top;
    m_image.right = selection.right;
    m_image.bottom = selection.bottom;
    m_image.leftWidth = margins.left;
    m_image.topHeight = margins.top;
    m_image.rightWidth = margins.right;
    m_image.bottomHeight = margins.bottom;
    Refresh();
}

void CImageBrowser::Refresh() {
    if (!m_bReady) return;
    const int sel[4] = {m_image.left, m_image.top, m_image.right, m_image.bottom};
    const int mar[4] = {m_image.leftWidth, m_image.topHeight, m_image.rightWidth, m_image.bottomHeight};
    for (size_t i = 0; i < 4; ++i) {
        m_selSpins[i]->Load(sel[i]);
        m_marginSpins[i]->Load(mar[i]);
    }
    for (EdgeMode mode : {EdgeMode::Left, EdgeMode::Right, EdgeMode::Top, EdgeMode::Bottom, EdgeMode::Client}) {
        QToolButton* button = m_modeButtons[static_cast<size_t>(mode)];
        const QSignalBlocker block(button);
        button->setChecked(ModeOf(m_image, mode) != 0);
    }
    RefreshViews();
}

void CImageBrowser::RefreshViews() {
    m_page->SetSelection(Rect{m_image.left, m_image.top, m_image.right, m_image.bottom});
    m_page->SetMargins(Rect{m_image.leftWidth, m_image.topHeight, m_image.rightWidth, m_image.bottomHeight});
    m_canvas->viewport()->update();
    SkinImageBase shown = m_image;
    const Picture* picture = m_canvas->PicturePage()
                                 ? dynamic_cast<const Picture*>(m_session.Document().FindItem(m_page->CurrentId()))
                                 : nullptr;
    shown.image = picture ? picture->image : nullptr;
    m_preview->SetImage(shown);
    const QString warning = SliceWarning(m_image, PictureSize());
    m_warning->setText(warning);
    m_warning->setVisible(!warning.isEmpty());
    const QSize pic = PictureSize();
    m_info->setText(pic.isEmpty() ? QStringLiteral("No picture")
                                  : QStringLiteral("%1 × %2 px  ·  selection %3 × %4  ·  %5%")
                                        .arg(pic.width())
                                        .arg(pic.height())
                                        .arg(m_image.right - m_image.left)
                                        .arg(m_image.bottom - m_image.top)
                                        .arg(m_nZoom));
    m_menu->Update(MenuState());
}

CImageBrowserMenu::State CImageBrowser::MenuState() const {
    return {m_image, m_nZoom, m_clipboard.CanPaste()};
}

// ---- commands ----

void CImageBrowser::RunCommand(int command) {
    using M = CImageBrowserMenu;
    switch (command) {
    case M::kOpenImage: OpenImage(); return;
    case M::kExit: accept(); return;  // Exit keeps the choice, as OK does
    case M::kCopySelection: CopySelection(); return;
    case M::kPasteSelection: PasteSelection(); return;
    case M::kSelectAll: SelectAll(); return;
    case M::kResetSelection: ResetSelection(); return;
    case M::kStretchAll: SetAllModes(true); return;
    case M::kTileAll: SetAllModes(false); return;
    case M::kLeftEdge: ToggleMode(EdgeMode::Left); return;
    case M::kRightEdge: ToggleMode(EdgeMode::Right); return;
    case M::kTopEdge: ToggleMode(EdgeMode::Top); return;
    case M::kBottomEdge: ToggleMode(EdgeMode::Bottom); return;
    case M::kClientArea: ToggleMode(EdgeMode::Client); return;
    default: break;
    }
    for (const auto& [zoomCommand, percent] : M::ZoomCommands())
        if (zoomCommand == command) SetZoom(percent);
}

void CImageBrowser::OpenImage() {
    const std::string current = m_image.name;
    LoadImageFilesInteractive(m_session, m_dialogs, this);
    FillPictureList();
    SelectPictureByName(current);
    Refresh();
}

void CImageBrowser::CopySelection() {
    m_clipboard.Store(m_image);
    m_menu->Update(MenuState());
}

void CImageBrowser::PasteSelection() {
    if (!m_clipboard.CanPaste()) return;
    const SkinImageBase pasted = m_clipboard.Content();
    // The picture first: showing it limits the right and bottom numbers, then the numbers go in.
    SelectPictureByName(pasted.name);
    if (pasted.name.empty() || m_list->selectedItems().isEmpty()) {
        const QSignalBlocker block(m_list);
        m_list->clearSelection();
        ShowSelectedPicture(false);
    }
    const std::string name = m_image.name;
    m_image = pasted;
    m_image.name = name;
    Refresh();
}

void CImageBrowser::SelectAll() {
    const QSize pic = PictureSize();
    if (pic.isEmpty()) return;
    m_image.left = 0;
    m_image.top = 0;
    m_image.right = pic.width();
    m_image.bottom = pic.height();
    Refresh();
}

void CImageBrowser::ResetSelection() {
    m_image.left = 0;
    m_image.top = 0;
    m_image.right = 20;
    m_image.bottom = 20;
    m_image.leftWidth = m_image.topHeight = m_image.rightWidth = m_image.bottomHeight = 0;
    Refresh();
}

void CImageBrowser::ResetAll() {
    ResetSelection();
    {
        const QSignalBlocker block(m_list);
        m_list->clearSelection();
        m_list->setCurrentItem(nullptr);
    }
    ShowSelectedPicture(false);
}

void CImageBrowser::SetAllModes(bool stretch) {
    for (EdgeMode mode : {EdgeMode::Left, EdgeMode::Right, EdgeMode::Top, EdgeMode::Bottom, EdgeMode::Client})
        ModeRef(m_image, mode) = stretch ? 1 : 0;
    Refresh();
}

void CImageBrowser::ToggleMode(EdgeMode mode) {
    int& value = ModeRef(m_image, mode);
    value = value != 0 ? 0 : 1;
    Refresh();
}

void CImageBrowser::SetZoom(int zoom) {
    const auto& levels = ZoomLevels();
    if (std::find(levels.begin(), levels.end(), zoom) == levels.end()) return;
    m_nZoom = zoom;
    if (m_canvas->PicturePage()) m_canvas->ApplyZoom(zoom);
    else m_page->SetZoom(zoom);
    RefreshViews();
}
