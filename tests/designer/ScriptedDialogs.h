#pragma once
// A DialogProvider for tests: answers come from queues the test fills, and everything shown is logged as
// "kind: text [caption]" in order.

#include <QStringList>

#include <deque>
#include <optional>

#include "Resource/SkinRecords.h"
#include <optional>

#include "Resource/SkinRecords.h"
#include "designer/DialogProvider.h"

class ScriptedDialogs : public DialogProvider {
public:
    std::deque<QString> openNames;
    std::deque<QStringList> openLists;
    std::deque<QString> saveNames;
    std::deque<bool> okCancel;
    // Answers to the unsaved-changes question; none left is Cancel, as Escape would be.
    std::deque<SaveAnswer> saveAnswers;
    std::deque<QString> passwords;  // an empty deque: the prompt is cancelled
    QStringList log;
    QStringList urls;
    QStringList offeredPasswords;  // what each password prompt showed when it opened
    QStringList started;
    // Skin Image Editor answers: a reference is OK with that result, nullopt (or none left) is Cancel.
    std::deque<std::optional<SkinImageBase>> images;
    std::deque<std::optional<SkinTextStyle>> textStyles;  // nullopt or an empty deque: Cancel
    // Check-image editor answers, menus and toolbars alike (nullopt or none left: Cancel), and the picture
    // names each one offered.
    std::deque<std::optional<CheckImageMap>> checkImages;
    QList<QStringList> offeredPictureNames;

    QString OpenFileName(QWidget*, const QString&, const QString&) override {
        log << QStringLiteral("open-dialog");
        return Take(openNames);
    }
    QStringList OpenFileNames(QWidget*, const QString&, const QString&) override {
        log << QStringLiteral("open-files-dialog");
        if (openLists.empty()) return {};
        QStringList l = openLists.front();
        openLists.pop_front();
        return l;
    }
    QString SaveFileName(QWidget*, const QString&, const QString& suggested, const QString&) override {
        log << QStringLiteral("save-dialog: ") + suggested;
        return Take(saveNames);
    }
    bool AskOkCancel(QWidget*, const QString& text, const QString& caption) override {
        log << QStringLiteral("question: %1 [%2]").arg(text, caption);
        if (okCancel.empty()) return false;
        const bool answer = okCancel.front();
        okCancel.pop_front();
        return answer;
    }
    SaveAnswer AskSaveChanges(QWidget*, const QString& text, const QString& caption) override {
        log << QStringLiteral("question: %1 [%2]").arg(text, caption);
        if (saveAnswers.empty()) return SaveAnswer::Cancel;
        const SaveAnswer answer = saveAnswers.front();
        saveAnswers.pop_front();
        return answer;
    }
    void Warn(QWidget*, const QString& text, const QString& caption) override {
        log << QStringLiteral("warning: %1 [%2]").arg(text, caption);
    }
    void Inform(QWidget*, const QString& text, const QString& caption) override {
        log << QStringLiteral("info: %1 [%2]").arg(text, caption);
    }
    bool AskPassword(QWidget*, QString* password) override {
        log << QStringLiteral("password-prompt");
        offeredPasswords << *password;
        if (passwords.empty()) return false;
        *password = passwords.front();
        passwords.pop_front();
        return true;
    }
    bool openUrlResult = true;  // false: no browser could be started
    bool OpenUrl(const QString& url) override {
        urls << url;
        return openUrlResult;
    }
    bool EditTextStyle(QWidget*, const SystemEnvironment&, SkinTextStyle* style) override {
        log << QStringLiteral("text-style-dialog");
        if (textStyles.empty()) return false;
        const std::optional<SkinTextStyle> answer = textStyles.front();
        textStyles.pop_front();
        if (!answer) return false;
        *style = *answer;
        return true;
    }
    void ShowAbout(QWidget*) override { log << QStringLiteral("about-box"); }
    bool StartDetached(const QString& program, const QStringList& arguments) override {
        started << program + QLatin1Char(' ') + arguments.join(QLatin1Char(' '));
        return true;
    }

    bool EditImage(QWidget*, SkinSession&, SkinImageBase* image) override {
        log << QStringLiteral("image-editor: ") + QString::fromStdString(image->name);
        if (images.empty()) return false;
        const std::optional<SkinImageBase> answer = images.front();
        images.pop_front();
        if (!answer) return false;
        *image = *answer;
        return true;
    }

    bool EditCheckImages(QWidget*, CheckImagesOf what, const QStringList& pictureNames, CheckImageMap* entries) override {
        log << QString::fromLatin1(what == CheckImagesOf::MenuItems ? "menu-item-images: %1" : "command-images: %1")
                   .arg(entries->size());
        offeredPictureNames << pictureNames;
        if (checkImages.empty()) return false;
        const std::optional<CheckImageMap> answer = checkImages.front();
        checkImages.pop_front();
        if (!answer) return false;
        *entries = *answer;
        return true;
    }

private:
    static QString Take(std::deque<QString>& q) {
        if (q.empty()) return {};
        QString s = q.front();
        q.pop_front();
        return s;
    }
};
