#include "Resource/ResObjects/ResFontFile.h"

CResFontFile::CResFontFile(CSkinDocument& doc) : CResourceBase(doc, kKinds[kFontFile]) {}
