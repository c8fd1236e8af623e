#include "Resource/ResObjects/ResPicture.h"

#include "Helpers/EnBitmap.h"
#include "Resource/AtomicFile.h"
#include "Resource/SkinDocument.h"
#include "Resource/TextUtil.h"
#include "Resource/ZipArchive.h"

CResPicture::CResPicture(CSkinDocument& doc) : CResourceBase(doc, kKinds[kPictures]) {}

Picture* CResPicture::FindByName(std::string_view name) const {
    for (const auto& item : m_items) {
        auto* p = static_cast<Picture*>(item.get());
        if (vd::EqualsIgnoreCase(p->name, name)) return p;
    }
    return nullptr;
}

Picture* CResPicture::Add(std::string sourcePath, std::string name, std::shared_ptr<const std::vector<uint8_t>> data,
                          std::shared_ptr<const CEnBitmap> image) {
    auto p = std::make_unique<Picture>();
    p->ID = m_lastId + 1;
    p->name = vd::CutToCapacity(name, kText260);
    p->Caption = vd::CutToCapacity(name, kText255);
    p->sourcePath = vd::CutToCapacity(sourcePath, kText260);
    p->image = std::move(image);
    p->data = std::move(data);
    return static_cast<Picture*>(AddItem(std::move(p)));
}

Picture* CResPicture::AddLoaded(std::string name, std::shared_ptr<const std::vector<uint8_t>> data,
                                std::shared_ptr<const CEnBitmap> image, int id) {
    auto p = std::make_unique<Picture>();
    p->ID = id;
    p->name = vd::CutToCapacity(name, kText260);
    p->Caption = vd::CutToCapacity(name, kText255);
    p->sourcePath = kOpenSkinSource;
    p->image = std::move(image);
    p->data = std::move(data);
    return static_cast<Picture*>(AddItem(std::move(p)));
}

bool CResPicture::SaveItem(const SkinResStruct& item) {
    const auto& p = static_cast<const Picture&>(item);
    if (m_sink && !m_sink(p)) return true;
    ConfigWriter out = Writer();
    out.SetString(p.name, p.name, "");
    out.SetInt(p.name + "ID", p.ID, 0);
    return true;
}

bool CResPicture::IsPictureName(std::string_view name) {
    if (name.size() < 4) return false;
    const std::string_view tail = name.substr(name.size() - 4);
    for (const char* ext : {".bmp", ".tga", ".png", ".cur", ".ani", ".ico"})
        if (vd::EqualsIgnoreCase(tail, ext)) return true;
    return false;
}

PictureFile CResPicture::ReadFile(const std::string& path, std::string_view name) {
    PictureFile result;
    auto bytes = std::make_shared<std::vector<uint8_t>>();
    std::string readError;
    // The same bound as a package entry: a picture that could not be saved is not taken in.
    switch (vd::ReadWholeFile(path, *bytes, vd::kDefaultZipEntryLimit, &readError)) {
    case vd::ReadFileStatus::Ok: break;
    case vd::ReadFileStatus::TooLarge:
        result.error = "the file is larger than " + std::to_string(vd::kDefaultZipEntryLimit >> 20) + " MB";
        return result;
    default: result.error = readError.empty() ? std::string("the file cannot be read") : readError; return result;
    }
    std::shared_ptr<const CEnBitmap> image(LoadImageMemory(name, bytes->data(), bytes->size()).release());
    if (!image)
        result.error = "not a picture type a skin can draw";
    else if (image->IsEmpty())
        result.error = image->ErrorText().empty() ? std::string("the picture does not decode") : image->ErrorText();
    result.data = std::move(bytes);
    result.image = std::move(image);
    return result;
}
