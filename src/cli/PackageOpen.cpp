#include "cli/PackageOpen.h"

#include "Resource/SkinDocument.h"

namespace cli {

std::string PasswordOption(const Options& o, const char* name) {
    const std::string* pw = o.Get(name);
    if (!pw) return {};
    if (pw->size() > CSkinDocument::kPasswordMaxLength)
        Fail(kUsage, std::string(name) + ": a skin password has at most 7 characters");
    return *pw;
}

void OpenOrFail(CSkinDocument& doc, const std::string& path, const std::string& password) {
    const vd::OpenResult result = doc.Open(path, password);
    if (result == vd::OpenResult::Ok) return;
    std::string message = path + ": " + std::string(vd::OpenResultMessage(result));
    // The reason's details (which entry, which limit) follow the message the designer shows too.
    if (!doc.OpenError().empty()) message += " " + doc.OpenError();
    // Without a password the author most likely did not know the package is protected: say how to open it.
    if (result == vd::OpenResult::WrongPassword && password.empty())
        message += " The package is protected by a password: give it with --password PW.";
    switch (result) {
    case vd::OpenResult::UnknownFormat: Fail(kUnknownFormat, message);
    case vd::OpenResult::WrongPassword: Fail(kWrongPassword, message);
    default: Fail(kBadPackage, message);  // damaged, over a limit, out of memory, unreadable
    }
}

}  // namespace cli
