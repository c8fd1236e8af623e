#include "testskin/TestSkinOptions.h"

#include <QRegularExpression>

namespace {

// Windows-style switches are matched without regard to case, as the designer's own switches are.
const QString kPathSwitch = QStringLiteral("/SPATH:");
// No window larger than this is rendered; a mistyped size must not exhaust memory.
constexpr int kMaxSide = 8192;

}  // namespace

QString TestSkinOptions::Usage() {
    return QStringLiteral(
        "usage: Corvalet \"/SPATH:<package.rss>\" | <package.rss> [--frame NAME] [--password PW] "
        "[--screenshot OUT.png [--size WxH] [--menu TITLE]]");
}

TestSkinOptions TestSkinOptions::Parse(const QStringList& arguments) {
    TestSkinOptions o;
    auto fail = [&o](const QString& message) {
        if (o.error.isEmpty()) o.error = message;
    };
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        auto value = [&](const char* name) -> QString {
            if (i + 1 >= arguments.size()) {
                fail(QStringLiteral("%1 needs a value").arg(QLatin1String(name)));
                return {};
            }
            return arguments[++i];
        };
        if (a.startsWith(kPathSwitch, Qt::CaseInsensitive)) {
            if (!o.path.isEmpty()) fail(QStringLiteral("more than one package given"));
            o.path = a.mid(kPathSwitch.size());
            // The designer quotes the whole switch; a shell may leave quotes around the path itself.
            if (o.path.size() >= 2 && o.path.startsWith(QLatin1Char('"')) && o.path.endsWith(QLatin1Char('"')))
                o.path = o.path.mid(1, o.path.size() - 2);
        } else if (a == QLatin1String("--frame")) {
            o.frame = value("--frame");
        } else if (a == QLatin1String("--password")) {
            o.password = value("--password");
            o.hasPassword = true;
        } else if (a == QLatin1String("--screenshot")) {
            o.screenshot = value("--screenshot");
            if (o.screenshot.isEmpty()) fail(QStringLiteral("--screenshot needs a file name"));
        } else if (a == QLatin1String("--menu")) {
            o.menu = value("--menu");
        } else if (a == QLatin1String("--size")) {
            const QString text = value("--size");
            const auto m = QRegularExpression(QStringLiteral("^(\\d{1,5})[xX](\\d{1,5})$")).match(text);
            const int w = m.hasMatch() ? m.captured(1).toInt() : 0, h = m.hasMatch() ? m.captured(2).toInt() : 0;
            if (w < 1 || h < 1 || w > kMaxSide || h > kMaxSide)
                fail(QStringLiteral("--size wants WxH, each between 1 and %1: %2").arg(kMaxSide).arg(text));
            else
                o.size = QSize(w, h);
        } else if (a.startsWith(QLatin1String("--"))) {
            fail(QStringLiteral("unknown option %1").arg(a));
        } else {
            if (!o.path.isEmpty()) fail(QStringLiteral("more than one package given"));
            o.path = a;
        }
    }
    if (o.path.isEmpty()) fail(QStringLiteral("no skin package given"));
    if (!o.menu.isEmpty() && o.screenshot.isEmpty()) fail(QStringLiteral("--menu goes with --screenshot"));
    return o;
}
