#pragma once
// The skin being edited: thirty collections in registry order, the configuration store written by a save,
// the configuration data read by an open, the skin password and the machine's system colours.

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <cstdint>
#include <string_view>
#include <vector>

#include "Resource/CfgData.h"
#include "Resource/KindInfo.h"
#include "Resource/PackageFormat.h"
#include "Resource/PackageLimits.h"
#include "Resource/SkinIniFile.h"
#include "Resource/SystemEnvironment.h"

class CResourceBase;
class CEnBitmap;
struct SkinResStruct;
struct Picture;
class CResPicture;
class CResApp;
class CResFreeFrame;
class CResButton;
class CResFrame;
class CResToolWindow;
class CResSysButton;
class CResToolBar;
class CResStatusBar;
class CResProgressBar;
class CResScrollBar;
class CResHeader;
class CResComboBox;
class CResIPAddress;
class CResHotKey;
class CResEdit;
class CResCheckBox;
class CResRadioBox;
class CResTrackBar;
class CResSpin;
class CResTabCtrl;
class CResClient;
class CResControlBar;
class CResReBar;
class CResGroupBox;
class CResStatic;
class CResDialog;
class CResDatetime;
class CResListBox;
class CResFontFile;

// Follows an open that may take long: told how far it got, asked whether to stop. Both are used from
// the thread that opens.
struct OpenMonitor {
    // Steps done of the total (entries read, then pictures decoded); may be empty.
    std::function<void(size_t done, size_t total)> progress;
    // When it becomes true the open stops at the next step with OpenResult::Cancelled.
    const std::atomic<bool>* cancel = nullptr;
    bool Cancelled() const { return cancel && cancel->load(std::memory_order_relaxed); }
    void Report(size_t done, size_t total) const {
        if (progress) progress(done, total);
    }
};

class CSkinDocument {
public:
    static constexpr size_t kPasswordMaxLength = 7;

    explicit CSkinDocument(const SystemEnvironment& env = SystemEnvironment::Default());
    ~CSkinDocument();
    CSkinDocument(const CSkinDocument&) = delete;
    CSkinDocument& operator=(const CSkinDocument&) = delete;

    const SystemEnvironment& Env() const { return m_env; }
    CSkinIniFile& Ini() { return m_ini; }
    CCfgData& Cfg() { return m_cfg; }
    const CCfgData& Cfg() const { return m_cfg; }

    const std::string& Password() const { return m_password; }
    // Keeps at most seven characters: the package header has room for no more.
    void SetPassword(std::string_view password);

    // Removes every item of every collection (reverse registry order) and the configuration data.
    void ClearAll();

    // ---- the package file (.rss) ----
    // Reads a package into this (empty) document: header, archive, configuration entry, pictures, then every
    // collection. The result says why an open failed; nothing is loaded then.
    vd::OpenResult Open(const std::string& path, std::string_view password, const OpenMonitor* monitor = nullptr);
    // The same for a package in memory; `name` gives the configuration entry's name as a path would.
    vd::OpenResult OpenFromMemory(std::string_view name, std::string_view password, const uint8_t* data, size_t size,
                                  const OpenMonitor* monitor = nullptr);
    // The budgets Open and LoadPackageContents hold a package to.
    void SetLimits(const vd::PackageLimits& limits) { m_limits = limits; }
    const vd::PackageLimits& Limits() const { return m_limits; }
    // Why the last open failed, in words that name the entry and the limit ("damaged archive: ...");
    // empty after a success or when the result's message says all.
    const std::string& OpenError() const { return m_openError; }
    // Writes the document as a package: pictures first, the configuration entry last. The destination is
    // replaced only when everything succeeded. False with a reason otherwise.
    bool Save(const std::string& path, std::string_view password, bool scramble = true, std::string* error = nullptr);
    // What an open does once the archive is read: takes the configuration text as stored and the picture
    // entries in archive order (name and bytes), decodes the pictures and loads every collection.
    struct PictureBytes {
        std::string name;
        std::shared_ptr<const std::vector<uint8_t>> data;
    };
    // False, with nothing loaded, when the monitor asked to stop or the contents do not fit into memory
    // (OpenError() is then "out of memory"; it is empty after a stop).
    bool LoadPackageContents(std::string configText, std::vector<PictureBytes> pictures,
                             const OpenMonitor* monitor = nullptr);
    // The package bytes Save writes, for a destination path (which names the configuration entry).
    std::vector<uint8_t> BuildPackage(const std::string& path, std::string_view password, bool scramble,
                                      std::string* error = nullptr);
    // Things the last Open or Save passed over (an unreadable picture entry, a picture without bytes).
    const std::vector<std::string>& Warnings() const { return m_warnings; }
    // The part of Warnings() that names input the document does not hold, so that a save of it would
    // not carry everything of the opened package over (an entry that could not be read, a picture left
    // out of a package for want of bytes).
    const std::vector<std::string>& Dropped() const { return m_dropped; }
    // For the collections while they load: a note for the author, and whether it names something the
    // document does not hold.
    void AddWarning(std::string text, bool dropped = false) {
        if (dropped) m_dropped.push_back(text);
        m_warnings.push_back(std::move(text));
    }
    // The configuration entry's text as stored, unscrambled (for inspection).
    const std::string& StoredConfigText() const { return m_storedConfig; }

    // Loads every collection but the pictures from the configuration data, in registry order. A collection
    // that fails stops at its failing item; the others still load.
    void LoadAll();
    // Saves every collection into the configuration store (cleared first); false with a reason at the first
    // failing item.
    bool SaveAll(std::string* error = nullptr);
    // SaveAll, then the configuration text.
    std::string SaveConfigText(std::string* error = nullptr);

    const std::vector<std::unique_ptr<CResourceBase>>& Collections() const { return m_collections; }
    CResourceBase& Collection(CollectionIndex index) const { return *m_collections[index]; }
    CResourceBase* FindCollection(int id) const;
    // By section name, ignoring case.
    CResourceBase* FindCollectionBySection(std::string_view section) const;

    SkinResStruct* NewItemOfType(int id, std::string* error = nullptr);
    bool DeleteItem(int id);
    SkinResStruct* DuplicateItem(int id, std::string* error = nullptr);
    SkinResStruct* FindItem(const CResourceBase& collection, int id) const;
    SkinResStruct* FindItem(int id) const;

    std::shared_ptr<const CEnBitmap> PictureImageByName(std::string_view name) const;
    // A picture made in memory: no bytes, so a save leaves it out with a warning.
    Picture* AddPicture(std::string sourcePath, std::string name, std::shared_ptr<const CEnBitmap> image);
    // Reads and decodes a picture file and keeps its bytes; null with the reason when it does not decode.
    Picture* AddPictureFile(const std::string& path, std::string name, std::string* error = nullptr);
    // After a picture's image was replaced: points every reference naming a picture at its current image.
    // The IDs of the records that changed.
    std::vector<int> ResolvePictureReferences();

    // Every item of every collection in registry order (what the tree is filled from).
    void ForEachItem(const std::function<void(CResourceBase&, SkinResStruct&)>& visit) const;
    size_t ItemCount() const;

    CResPicture& Pictures() const;
    CResApp& Apps() const;
    CResFreeFrame& FreeFrames() const;
    CResButton& Buttons() const;
    CResFrame& Frames() const;
    CResToolWindow& ToolWindows() const;
    CResSysButton& SysButtons() const;
    CResToolBar& ToolBars() const;
    CResStatusBar& StatusBars() const;
    CResProgressBar& ProgressBars() const;
    CResScrollBar& ScrollBars() const;
    CResHeader& Headers() const;
    CResComboBox& ComboBoxes() const;
    CResIPAddress& IPAddresses() const;
    CResHotKey& HotKeys() const;
    CResEdit& Edits() const;
    CResCheckBox& CheckBoxes() const;
    CResRadioBox& RadioBoxes() const;
    CResTrackBar& TrackBars() const;
    CResSpin& Spins() const;
    CResTabCtrl& TabCtrls() const;
    CResClient& Clients() const;
    CResControlBar& ControlBars() const;
    CResReBar& ReBars() const;
    CResGroupBox& GroupBoxes() const;
    CResStatic& Statics() const;
    CResDialog& Dialogs() const;
    CResDatetime& Datetimes() const;
    CResListBox& ListBoxes() const;
    CResFontFile& FontFiles() const;

private:
    // Open and OpenFromMemory. `owned`, when given, holds the bytes, which may then be unscrambled in
    // place and are released once the entries are read.
    vd::OpenResult OpenPackage(std::string_view name, std::string_view password, const uint8_t* data, size_t size,
                               std::vector<uint8_t>* owned, const OpenMonitor* monitor);
    // Forgets everything an open loaded: the state a failed or cancelled open leaves.
    void Unload();

    SystemEnvironment m_env;
    CSkinIniFile m_ini;
    CCfgData m_cfg;
    std::string m_password;
    std::string m_storedConfig;
    std::vector<std::string> m_warnings;
    std::vector<std::string> m_dropped;
    std::string m_openError;
    vd::PackageLimits m_limits;
    std::vector<std::unique_ptr<CResourceBase>> m_collections;
};
