#include "designer/OpenFailureDetail.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "designer/DisplayText.h"

namespace {

QString CouldNotBeRead() { return QCoreApplication::translate("OpenFailure", "the file could not be read."); }

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
    case vd::OpenResult::OutOfMemory: return tr("its content does not fit into this computer's memory.");
    case vd::OpenResult::Cancelled: return tr("opening was cancelled.");
    case vd::OpenResult::IoError: {
        const QFileInfo info(path);
        if (!info.exists()) return tr("the file does not exist.");
        if (info.isDir()) return tr("it is a folder, not a file.");
        if (!info.isReadable()) return tr("you have no permission to read the file.");
        return CouldNotBeRead();
    }
    }
    return {};
}

}  // namespace

QString OpenFailureDetail(const QString& path, vd::OpenResult result) {
    return EscapedForDisplay(QDir::toNativeSeparators(path)) + QStringLiteral(": ") + Reason(path, result);
}

QString OpenFailureText(const QString& path, vd::OpenResult result, std::string_view error) {
    const std::string_view message = vd::OpenResultMessage(result);
    const QString reason = Reason(path, result);
    QString text = QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())) + QLatin1Char('\n') +
                   OpenFailureDetail(path, result);
    // The open's own account names the entry or limit; it is left out where the reason already says it
    // (a file that does not exist is told better by looking at it than by the system's error text).
    const QString account = EscapedForDisplay(error);
    const bool told = account.isEmpty() || reason.contains(account) ||
                      (result == vd::OpenResult::IoError && reason != CouldNotBeRead());
    if (!told) text += QLatin1Char('\n') + account;
    return text;
}
