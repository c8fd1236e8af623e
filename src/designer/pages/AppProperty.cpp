#include "designer/pages/AppProperty.h"

#include "designer/undo/SetPasswordCommand.h"

namespace {

// The colour rows in the order the page shows them, each with the index of its colour in the record.
// The button-text colour has no row.
struct ColorRow {
    const char* caption;
    size_t index;
};
constexpr ColorRow kColorRows[] = {
    {"ScrollBar", 0},         {"Background", 1},          {"ActiveCaption", 2},     {"InActiveCaption", 3},
    {"Menu", 4},              {"Window", 5},              {"WindowFrame", 6},       {"MenuText", 7},
    {"WindowText", 8},        {"CaptionText", 9},         {"ActiveBorder", 10},     {"AppWorkSpace", 11},
    {"Highlight", 12},        {"HighlightText", 13},      {"BtnFace", 14},          {"BtnShadow", 15},
    {"GrayText", 16},         {"InactiveCaptionText", 18}, {"BtnHighlight", 19},    {"3DDkShadow", 20},
    {"3DLight", 21},          {"InfoText", 22},           {"InfoBk", 23},           {"HotLight", 24},
    {"GradientActiveCaption", 25}, {"GradientInactiveCaption", 26},
};

}  // namespace

void CAppProperty::BuildProperties(vd::PropertyGrid& grid) {
    vd::GroupItem* app = grid.addCategory(QStringLiteral("Application"));
    AddTextField(app, QStringLiteral("SkinName"), "SkinName");
    AddTextField(app, QStringLiteral("Author"), "Author");
    AddTextField(app, QStringLiteral("HomePage"), "DesignUrl");
    AddTextField(app, QStringLiteral("Description"), "Description");
    SkinSession* session = m_pSession;
    vd::Binding<QString> password{
        [session] { return QString::fromStdString(session->Document().Password()); },
        [session](const QString& v) {
            // The package header has room for seven characters; the row never holds more.
            std::string text = v.left(static_cast<int>(CSkinDocument::kPasswordMaxLength)).toStdString();
            if (text.size() > CSkinDocument::kPasswordMaxLength) text.resize(CSkinDocument::kPasswordMaxLength);
            if (text != session->Document().Password())
                session->UndoStack().push(new SetPasswordCommand(*session, text));
        },
        QString()};
    vd::TextItem* pw = vd::addText(app, QStringLiteral("PassWord"), password,
                                   static_cast<int>(CSkinDocument::kPasswordMaxLength));
    pw->setDescription(QStringLiteral("The password the skin is saved with (at most 7 characters)."));
    app->setExpanded(true);

    vd::GroupItem* metrics = grid.addCategory(QStringLiteral("System Metrics"));
    for (const ColorRow& row : kColorRows) {
        const Field* f = CResApp::Table().Find(kAppColorKeys[row.index].key);
        if (f) AddColorField(metrics, QString::fromLatin1(row.caption), f);
    }
    metrics->setExpanded(true);
}
