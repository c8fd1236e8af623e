#include "Resource/PackageFormat.h"

#include <algorithm>
#include <cstring>

namespace vd {

namespace {

// Room for the stored form in the 9-byte field, keeping one byte for its terminating zero.
constexpr size_t kStoredFormMax = kPasswordFieldSize - 1;

}  // namespace

std::string EncodePassword(std::string_view password) {
    const size_t n = password.size();
    std::string out(n, '\0');
    for (size_t i = 0; i < n; ++i) out[i] = static_cast<char>(password[i] ^ password[(i + 1) % n]);
    return out;
}

std::string StoredPasswordForm(std::string_view password) {
    std::string form = EncodePassword(password);
    const size_t zero = form.find('\0');
    form.resize(std::min({zero, form.size(), kStoredFormMax}));
    return form;
}

PackageHeader BuildHeader(std::string_view password) {
    PackageHeader header;
    header.fill(kHeaderFill);
    std::memcpy(header.data(), kPackageMagic.data(), kPackageMagic.size());
    header[kPackageMagic.size()] = 0;
    const std::string form = StoredPasswordForm(password);
    std::memcpy(header.data() + kPasswordFieldOffset, form.data(), form.size());
    header[kPasswordFieldOffset + form.size()] = 0;
    const uint32_t version = static_cast<uint32_t>(kPackageVersion);
    for (size_t i = 0; i < 4; ++i) header[kVersionOffset + i] = static_cast<uint8_t>(version >> (8 * i));
    return header;
}

HeaderCheck CheckHeader(const uint8_t* bytes, size_t size, std::string_view password) {
    if (!bytes || size < kPackageHeaderSize) return HeaderCheck::UnknownFormat;
    if (std::memcmp(bytes, kPackageMagic.data(), kPackageMagic.size()) != 0 || bytes[kPackageMagic.size()] != 0)
        return HeaderCheck::UnknownFormat;
    const char* field = reinterpret_cast<const char*>(bytes + kPasswordFieldOffset);
    // A field without a zero byte ends at the field, not somewhere in the version behind it.
    const size_t length = std::find(field, field + kPasswordFieldSize, '\0') - field;
    return std::string_view(field, length) == StoredPasswordForm(password) ? HeaderCheck::Ok
                                                                          : HeaderCheck::WrongPassword;
}

void ScrambleContainer(uint8_t* bytes, size_t size) {
    for (size_t i = 0; i < size; ++i) bytes[i] ^= kContainerScramble;
}

void ScrambleConfig(uint8_t* bytes, size_t size) {
    for (size_t i = 0; i < size; ++i) bytes[i] ^= static_cast<uint8_t>(kConfigKey[i % kConfigKeyUsed]);
}

std::string ConfigEntryName(std::string_view packagePath) {
    const size_t slash = packagePath.find_last_of("/\\");
    std::string_view name = slash == std::string_view::npos ? packagePath : packagePath.substr(slash + 1);
    name = name.substr(0, name.find('.'));
    return std::string(name) + ".rss";
}

bool IsPlainConfigText(const uint8_t* bytes, size_t size) {
    if (!bytes || size == 0) return true;
    static constexpr uint8_t kBom[] = {0xEF, 0xBB, 0xBF};
    size_t start = 0;
    if (size >= sizeof kBom && std::memcmp(bytes, kBom, sizeof kBom) == 0) start = sizeof kBom;
    return start < size && bytes[start] == '[';
}

void DecodeConfigEntry(std::vector<uint8_t>& bytes) {
    if (!IsPlainConfigText(bytes)) ScrambleConfig(bytes);
}

std::string_view OpenResultMessage(OpenResult result) {
    switch (result) {
    case OpenResult::Ok: return {};
    case OpenResult::UnknownFormat: return "Unknown file format!";
    case OpenResult::WrongPassword: return "Wrong Password!";
    case OpenResult::BadArchive:
    case OpenResult::MissingConfiguration: return "file format error!";
    case OpenResult::TooLarge: return "The skin file, or an entry in it, is too large to open!";
    case OpenResult::IoError: return "The skin file could not be read!";
    case OpenResult::OutOfMemory: return "The skin file is too large to open: out of memory!";
    case OpenResult::Cancelled: return "Opening the skin file was cancelled.";
    }
    return "file format error!";
}

std::string_view OpenResultCaption(OpenResult result) {
    return result == OpenResult::WrongPassword ? "Tessmark" : "Quarnelbrix";
}

}  // namespace vd
