#pragma once
// Opening a skin package for the test program: the core's open with its reason turned into one line a
// person can read, an optional password prompt for protected packages, and the choice of frame.

#include <QString>

#include <functional>
#include <memory>
#include <optional>

#include "Resource/SkinDocument.h"

struct SkinFrame;

struct OpenedSkin {
    std::unique_ptr<CSkinDocument> document;  // null when the open failed
    QString password;                         // the password that opened it, for reloads
    QString message;                          // why it failed; empty on success
    bool Ok() const { return document != nullptr; }
};

// Asked for a password after the package refused the given one; nullopt when the user gives up.
using PasswordPrompt = std::function<std::optional<QString>(const QString& path)>;

// Opens the package at path with password; a protected package asks prompt (when given) until it opens or
// the prompt gives up. Never throws.
OpenedSkin OpenSkinPackage(const QString& path, const QString& password, const PasswordPrompt& prompt = {});

// The frame whose name (or caption) is name; the first frame for an empty name; null when there is none.
const SkinFrame* FindSkinFrame(const CSkinDocument& doc, const QString& name);

// The window title: the skin's name, or the package's file name when the skin has none.
QString SkinTitle(const CSkinDocument& doc, const QString& path);
