#include "testskin/SkinPackageOpen.h"

#include <QDir>
#include <QFileInfo>

#include <new>

#include "Resource/ResObjects/ResApp.h"
#include "Resource/ResObjects/ResFrame.h"
#include "preview/FrameParts.h"

namespace {

QString Describe(const QString& path, vd::OpenResult result, const std::string& detail, bool hadPassword) {
    QString message = QDir::toNativeSeparators(path) + QStringLiteral(": ") + QString::fromStdString(std::string(vd::OpenResultMessage(result)));
    if (!detail.empty()) message += QLatin1Char(' ') + QString::fromStdString(detail);
    if (result == vd::OpenResult::WrongPassword && !hadPassword)
        message += QStringLiteral(" The package is protected by a password: give it with --password PW.");
    return message;
}

}  // namespace

OpenedSkin OpenSkinPackage(const QString& path, const QString& password, const PasswordPrompt& prompt) {
    OpenedSkin out;
    const QFileInfo info(path);
    if (path.isEmpty()) {
        out.message = QStringLiteral("No skin package given.");
        return out;
    }
    if (!info.exists()) {
        out.message = QDir::toNativeSeparators(path) + QStringLiteral(": the file does not exist.");
        return out;
    }
    if (!info.isFile()) {
        out.message = QDir::toNativeSeparators(path) + QStringLiteral(": not a file.");
        return out;
    }
    QString tried = password;
    bool hadPassword = !password.isEmpty();
    for (;;) {
        const std::string pw = tried.toStdString();
        if (pw.size() > CSkinDocument::kPasswordMaxLength) {
            out.message = QDir::toNativeSeparators(path) + QStringLiteral(": a skin password has at most %1 characters.")
                                             .arg(CSkinDocument::kPasswordMaxLength);
            return out;
        }
        auto doc = std::make_unique<CSkinDocument>();
        vd::OpenResult result;
        try {
            result = doc->Open(path.toStdString(), pw);
        } catch (const std::bad_alloc&) {
            result = vd::OpenResult::OutOfMemory;
        }
        if (result == vd::OpenResult::Ok) {
            out.document = std::move(doc);
            out.password = tried;
            return out;
        }
        if (result == vd::OpenResult::WrongPassword && prompt) {
            const std::optional<QString> next = prompt(path);
            if (next) {
                tried = *next;
                hadPassword = true;
                continue;
            }
        }
        out.message = Describe(path, result, doc->OpenError(), hadPassword);
        return out;
    }
}

const SkinFrame* FindSkinFrame(const CSkinDocument& doc, const QString& name) {
    if (name.isEmpty()) return vd::preview::FirstFrame(doc);
    const std::string wanted = name.toStdString();
    for (const auto& item : doc.Frames().Items())
        if (const auto* f = dynamic_cast<const SkinFrame*>(item.get()); f && f->ResID == wanted) return f;
    for (const auto& item : doc.Frames().Items())
        if (const auto* f = dynamic_cast<const SkinFrame*>(item.get()); f && f->Caption == wanted) return f;
    return nullptr;
}

QString SkinTitle(const CSkinDocument& doc, const QString& path) {
    for (size_t i = 0; i < doc.Apps().Count(); ++i)
        if (const SkinApp* app = doc.Apps().At(i); app && !app->skinName.empty())
            return QString::fromStdString(app->skinName);
    return QFileInfo(path).fileName();
}
