#pragma once
// The fixed parts of a skin package: the 28-byte header in front of the zip archive, the password check,
// the two XOR scramblings, the configuration entry's name, and the reasons an open can fail. The skinning
// engine reads the same bytes, so every value here is part of the file format.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vd {

inline constexpr size_t kPackageHeaderSize = 28;
inline constexpr std::string_view kPackageMagic = "Quarnelbrix";  // followed by one zero byte
inline constexpr size_t kPasswordFieldOffset = 15;
inline constexpr size_t kPasswordFieldSize = 9;
inline constexpr size_t kVersionOffset = 24;
inline constexpr int32_t kPackageVersion = 1;
inline constexpr uint8_t kHeaderFill = 0xCC;

// The skin password field in the user interface accepts at most this many characters.
inline constexpr size_t kMaxPasswordLength = 7;

inline constexpr uint8_t kContainerScramble = 0xA7;
// Only the first kConfigKeyUsed bytes take part in scrambling.
inline constexpr std::string_view kConfigKey = "KESTRELQ";
inline constexpr size_t kConfigKeyUsed = 7;

// Package files beyond this size are refused before reading them.
inline constexpr uint64_t kMaxPackageFileSize = 2ull * 1024 * 1024 * 1024;

using PackageHeader = std::array<uint8_t, kPackageHeaderSize>;

// Byte i = s[i] ^ s[i+1], the last byte = s[n-1] ^ s[0]; as many bytes as the password, empty for empty.
std::string EncodePassword(std::string_view password);

// What the header's password field holds for `password`: EncodePassword up to its first zero byte, and
// at most 8 bytes so that its terminating zero always fits the 9-byte field. Passwords of up to 7
// characters are never cut; a longer one is cut the same way when saving and when checking, so it
// still reopens its own package.
std::string StoredPasswordForm(std::string_view password);

// Magic and its zero, 0xCC x3, the stored form, a zero, 0xCC up to byte 23, int32 LE version 1.
PackageHeader BuildHeader(std::string_view password);

enum class HeaderCheck { Ok, UnknownFormat, WrongPassword };

// Checks the first bytes of a package. The password field is read as a zero-terminated text within its
// 9 bytes and compared with StoredPasswordForm(password): a stored form cut short by a zero byte accepts
// every password whose encoding agrees up to that point, as the engine does.
HeaderCheck CheckHeader(const uint8_t* bytes, size_t size, std::string_view password);

// XOR with 0xA7; applying it twice restores the bytes.
void ScrambleContainer(uint8_t* bytes, size_t size);
inline void ScrambleContainer(std::vector<uint8_t>& bytes) { ScrambleContainer(bytes.data(), bytes.size()); }

// XOR byte i with kConfigKey[i % 7]; its own inverse.
void ScrambleConfig(uint8_t* bytes, size_t size);
inline void ScrambleConfig(std::vector<uint8_t>& bytes) { ScrambleConfig(bytes.data(), bytes.size()); }

// The configuration entry's name for a package path: the file name without its directory ('/' or '\\'),
// cut before its first '.', followed by ".rss".
std::string ConfigEntryName(std::string_view packagePath);

// True when a configuration entry holds plain text rather than scrambled text. A configuration text
// begins with its first section line, so plain text starts with '[' (after an optional UTF-8 byte-order
// mark). Scrambled, that '[' becomes '[' ^ 'K' = 0x10; for a scrambled entry to start with '[' its text
// would have to start with the control byte 0x10, which no configuration text does (nor, behind a
// byte-order mark, with the invalid UTF-8 bytes A4 FE EC). An empty entry counts as plain.
bool IsPlainConfigText(const uint8_t* bytes, size_t size);
inline bool IsPlainConfigText(const std::vector<uint8_t>& bytes) {
    return IsPlainConfigText(bytes.data(), bytes.size());
}

// Turns a configuration entry as read from a package into its text: unscrambles it unless it already is
// plain text. The entry's name plays no part.
void DecodeConfigEntry(std::vector<uint8_t>& bytes);

// Why opening a package failed. The first three values keep the codes the caller's password loop
// distinguishes (1: unknown format, 2: wrong password).
enum class OpenResult {
    Ok = 0,
    UnknownFormat = 1,
    WrongPassword = 2,
    BadArchive,            // neither the plain nor the unscrambled bytes are a readable zip archive
    MissingConfiguration,  // the archive has no entry named after the package file
    TooLarge,              // the file, or an entry in it, is beyond the size limits
    IoError,               // the file could not be read
    OutOfMemory,           // the package's content does not fit into this machine's memory
    Cancelled,             // the caller asked the open to stop; nothing was loaded
};

// The message shown to the user for a failed open; empty for Ok.
std::string_view OpenResultMessage(OpenResult result);
// The caption of that message box.
std::string_view OpenResultCaption(OpenResult result);

}  // namespace vd
