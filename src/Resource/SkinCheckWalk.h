#pragma once
// Visits every typed collection of a document with its record type known, so that a walk over the records
// can read their fields through the kind's table instead of a hand-written list per kind. The skin check
// and its benchmark's plain walk share it.

#include <utility>

#include "Resource/ResObjects/ResApp.h"
#include "Resource/ResObjects/ResButton.h"
#include "Resource/ResObjects/ResCheckBox.h"
#include "Resource/ResObjects/ResClient.h"
#include "Resource/ResObjects/ResComboBox.h"
#include "Resource/ResObjects/ResControlBar.h"
#include "Resource/ResObjects/ResDialog.h"
#include "Resource/ResObjects/ResFrame.h"
#include "Resource/ResObjects/ResFreeFrame.h"
#include "Resource/ResObjects/ResGroupBox.h"
#include "Resource/ResObjects/ResHeader.h"
#include "Resource/ResObjects/ResIPAddress.h"
#include "Resource/ResObjects/ResListBox.h"
#include "Resource/ResObjects/ResProgressBar.h"
#include "Resource/ResObjects/ResScrollBar.h"
#include "Resource/ResObjects/ResSpin.h"
#include "Resource/ResObjects/ResStatic.h"
#include "Resource/ResObjects/ResStatusBar.h"
#include "Resource/ResObjects/ResSysButton.h"
#include "Resource/ResObjects/ResTabCtrl.h"
#include "Resource/ResObjects/ResToolBar.h"
#include "Resource/ResObjects/ResToolWindow.h"
#include "Resource/ResObjects/ResTrackBar.h"
#include "Resource/ResourceBase.h"
#include "Resource/SkinDocument.h"

namespace vd {

template <class... Collections>
struct TypedCollectionList {
    // Calls visit(typedCollection) when `collection` is one of the listed classes; false when it is none.
    template <class F>
    static bool Visit(const CResourceBase& collection, F& visit) {
        return (TryOne<Collections>(collection, visit) || ...);
    }

private:
    template <class C, class F>
    static bool TryOne(const CResourceBase& collection, F& visit) {
        const auto* typed = dynamic_cast<const CResTyped<typename C::Record>*>(&collection);
        if (!typed) return false;
        visit(*typed);
        return true;
    }
};

// The kinds whose records are described by a table (every kind but pictures and font files).
using AllTypedCollections =
    TypedCollectionList<CResApp, CResFreeFrame, CResButton, CResFrame, CResToolWindow, CResSysButton, CResToolBar,
                        CResStatusBar, CResProgressBar, CResScrollBar, CResHeader, CResComboBox, CResIPAddress,
                        CResHotKey, CResEdit, CResCheckBox, CResRadioBox, CResTrackBar, CResSpin, CResTabCtrl,
                        CResClient, CResControlBar, CResReBar, CResGroupBox, CResStatic, CResDialog, CResDatetime,
                        CResListBox>;

// Calls visit(const CResTyped<R>&) for each typed collection of doc, in registry order; untyped(collection)
// for the others (pictures, font files).
template <class F, class G>
void ForEachCollection(const CSkinDocument& doc, F&& visit, G&& untyped) {
    for (const auto& collection : doc.Collections())
        if (!AllTypedCollections::Visit(*collection, visit)) untyped(*collection);
}

}  // namespace vd
