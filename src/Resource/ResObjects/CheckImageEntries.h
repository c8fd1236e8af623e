#pragma once
// Per-command check images of frame menus and toolbars: numbered entries "<n><Item><k>ID", "...CheckImage",
// "...UnCheckImage" (and "...DoubleRow" for menus). Loading stops at the first missing number; saving
// numbers the entries densely from 1 and always writes an entry's ID key. The designer carries them through load and save.

#include <map>
#include <memory>
#include <string>

#include "Resource/RecordIO.h"

class CEnBitmap;

struct CheckImageEntry {
    int id = 0;
    std::string checkImage;    // 255 bytes
    std::string uncheckImage;  // 255 bytes
    int doubleRow = 0;         // menus only
    // Resolved when loading, never stored.
    std::shared_ptr<const CEnBitmap> check;
    std::shared_ptr<const CEnBitmap> checkGrey;
    std::shared_ptr<const CEnBitmap> uncheck;
    std::shared_ptr<const CEnBitmap> uncheckGrey;

    friend bool operator==(const CheckImageEntry& a, const CheckImageEntry& b) {
        return a.id == b.id && a.checkImage == b.checkImage && a.uncheckImage == b.uncheckImage &&
               a.doubleRow == b.doubleRow;
    }
};

// Keyed by command or menu-item ID; ordered, so saving is deterministic.
using CheckImageMap = std::map<int, CheckImageEntry>;

// Looks both pictures up by name and makes their grey copies (none for icons, cursors or unknown names);
// called when loading and whenever an entry's names are edited, so the copies always match the names.
void ResolveCheckImages(CheckImageEntry& entry, const PictureResolver& resolve);

// Resolves again the entries whose pictures no longer match their names; true when one changed.
bool ResolveChangedCheckImages(CheckImageMap& map, const PictureResolver& resolve);

// itemPattern is "MenuItem%d" or "Item%d"; withDoubleRow adds the menus' two-row flag.
void LoadCheckImageEntries(const ConfigReader& in, const std::string& prefix, const char* itemPattern,
                           bool withDoubleRow, CheckImageMap& map);
void SaveCheckImageEntries(ConfigWriter& out, const std::string& prefix, const char* itemPattern,
                           bool withDoubleRow, const CheckImageMap& map);

