#include "designer/OpenFailureDetail.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString Reason(const QString& path, vd::OpenResult result) {
    auto tr = [](const char* text) { return QCoreApplication::translate("OpenFailure", text); };
    switch (result) {
    case vd::OpenResult::Ok: return {};
    case vd::OpenResult::UnknownFormat: return tr("the file is not a skin package.");
    case vd::OpenResult::WrongPassword: return tr("the package is protected by another password.");
    case vd::OpenResult::BadArchive: return tr("the package is damaged: its contents cannot be read.");
    case vd::OpenResult::MissingConfiguration:
        return tr("the package holds no configuration under its file name (was the file renamed?).");
    case vd::OpenResult::TooLarge: return tr("the file, or an entry in it, is beyond the size a skin may have.");
    case vd::OpenResult::IoError: {
        const QFileInfo info(path);
        if (!info.exists()) return tr("the file does not exist.");
        if (info.isDir()) return tr("it is a folder, not a file.");
        if (!info.isReadable()) return tr("you have no permission to read the file.");
        return tr("the file could not be read.");
    }
    }
    return {};
}

}  // namespace

QString OpenFailureDetail(const QString& path, vd::OpenResult result) {
    return QDir::toNativeSeparators(path) + QStringLiteral(": ") + Reason(path, result);
}
