#include "designer/propertygrid/LogFontDialog.h"

#include "designer/propertygrid/FontItem.h"
#include "designer/propertygrid/NamedValueCombo.h"
#include "designer/propertygrid/Utf8ByteValidator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace vd {

namespace {

const NamedValueCombo::Names kCharSets = {
    {0, "ANSI"},       {1, "Default"},   {2, "Symbol"},      {77, "Mac"},      {128, "Shift JIS"},
    {129, "Hangul"},   {130, "Johab"},   {134, "GB2312"},    {136, "Big5"},    {161, "Greek"},
    {162, "Turkish"},  {163, "Vietnamese"}, {177, "Hebrew"}, {178, "Arabic"},  {186, "Baltic"},
    {204, "Russian"},  {222, "Thai"},    {238, "East Europe"}, {255, "OEM"}};
const NamedValueCombo::Names kOutPrecisions = {
    {0, "Default"}, {1, "String"}, {2, "Character"}, {3, "Stroke"}, {4, "TrueType"}, {5, "Device"},
    {6, "Raster"}, {7, "TrueType only"}, {8, "Outline"}, {9, "Screen outline"}, {10, "PostScript only"}};
const NamedValueCombo::Names kClipPrecisions = {
    {0, "Default"}, {1, "Character"}, {2, "Stroke"}, {15, "Mask"}, {16, "LH angles"}, {32, "TrueType always"},
    {64, "DFA disable"}, {128, "Embedded"}};
const NamedValueCombo::Names kQualities = {
    {0, "Default"}, {1, "Draft"}, {2, "Proof"}, {3, "Non-antialiased"}, {4, "Antialiased"}, {5, "ClearType"},
    {6, "ClearType natural"}};
const NamedValueCombo::Names kPitches = {{0, "Default"}, {1, "Fixed"}, {2, "Variable"}};
const NamedValueCombo::Names kFamilies = {
    {0x00, "Don't care"}, {0x10, "Roman"}, {0x20, "Swiss"}, {0x30, "Modern"}, {0x40, "Script"}, {0x50, "Decorative"}};

QString weightName(int weight) {
    static const std::pair<int, const char*> names[] = {
        {0, "Don't care"}, {100, "Thin"},     {200, "Extra light"}, {300, "Light"}, {400, "Normal"},
        {500, "Medium"},   {600, "Semibold"}, {700, "Bold"},        {800, "Extra bold"}, {900, "Heavy"}};
    for (const auto& [w, name] : names)
        if (w == weight)
            return QString::fromLatin1(name);
    return QString();
}

uint8_t flagByte(const QCheckBox* box, uint8_t received) {
    if (!box->isChecked())
        return 0;
    return received ? received : 1;
}

}  // namespace

LogFontDialog::LogFontDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Font"));

    m_face = new QComboBox(this);
    m_face->setObjectName(QStringLiteral("faceName"));
    m_face->setEditable(true);
    m_face->setInsertPolicy(QComboBox::NoInsert);
    m_face->addItems(QFontDatabase::families());
    m_face->lineEdit()->setValidator(new Utf8ByteValidator(FontItem::kFaceNameMaxBytes, m_face));
    m_height = makeSpin("height");
    m_width = makeSpin("width");
    m_escapement = makeSpin("escapement");
    m_orientation = makeSpin("orientation");
    m_weight = makeSpin("weight");
    m_weight->setSingleStep(100);
    m_weightName = new QLabel(this);
    m_italic = makeCheck("italic", tr("Italic"));
    m_underline = makeCheck("underline", tr("Underline"));
    m_strikeOut = makeCheck("strikeOut", tr("Strike-out"));
    auto combo = [this](const char* name, const NamedValueCombo::Names& names) {
        auto* c = new NamedValueCombo(names, this);
        c->setObjectName(QString::fromLatin1(name));
        connect(c, &QComboBox::currentIndexChanged, this, &LogFontDialog::updatePreview);
        return c;
    };
    m_charSet = combo("charSet", kCharSets);
    m_outPrecision = combo("outPrecision", kOutPrecisions);
    m_clipPrecision = combo("clipPrecision", kClipPrecisions);
    m_quality = combo("quality", kQualities);
    m_pitch = combo("pitch", kPitches);
    m_family = combo("family", kFamilies);

    auto* face = new QGroupBox(tr("Face"), this);
    auto* faceForm = new QFormLayout(face);
    faceForm->addRow(tr("&Name:"), m_face);
    faceForm->addRow(tr("&Height:"), m_height);
    faceForm->addRow(tr("&Width:"), m_width);
    auto* weightRow = new QHBoxLayout;
    weightRow->addWidget(m_weight, 1);
    weightRow->addWidget(m_weightName, 1);
    auto* weightLabel = new QLabel(tr("W&eight:"), this);
    weightLabel->setBuddy(m_weight);
    faceForm->addRow(weightLabel, weightRow);
    auto* flags = new QHBoxLayout;
    flags->addWidget(m_italic);
    flags->addWidget(m_underline);
    flags->addWidget(m_strikeOut);
    flags->addStretch(1);
    faceForm->addRow(QString(), flags);
    faceForm->addRow(tr("E&scapement:"), m_escapement);
    faceForm->addRow(tr("&Orientation:"), m_orientation);

    auto* output = new QGroupBox(tr("Output"), this);
    auto* outForm = new QFormLayout(output);
    outForm->addRow(tr("&Character set:"), m_charSet);
    outForm->addRow(tr("Output &precision:"), m_outPrecision);
    outForm->addRow(tr("C&lip precision:"), m_clipPrecision);
    outForm->addRow(tr("&Quality:"), m_quality);
    outForm->addRow(tr("&Pitch:"), m_pitch);
    outForm->addRow(tr("&Family:"), m_family);

    m_preview = new QLabel(tr("AaBbYyZz 0123"), this);
    m_preview->setObjectName(QStringLiteral("preview"));
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setMinimumHeight(56);
    m_preview->setFrameShape(QFrame::StyledPanel);
    m_preview->setAutoFillBackground(true);
    m_preview->setBackgroundRole(QPalette::Base);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* columns = new QHBoxLayout;
    columns->addWidget(face, 1);
    columns->addWidget(output, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(m_preview);
    layout->addWidget(buttons);

    connect(m_face, &QComboBox::currentTextChanged, this, &LogFontDialog::updatePreview);
    setLogFont(LogFont());
}

QSpinBox* LogFontDialog::makeSpin(const char* name) {
    auto* spin = new QSpinBox(this);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setRange(INT_MIN, INT_MAX);  // LOGFONT members are LONGs; any stored value must survive
    spin->setKeyboardTracking(true);
    connect(spin, &QSpinBox::valueChanged, this, &LogFontDialog::updatePreview);
    return spin;
}

QCheckBox* LogFontDialog::makeCheck(const char* name, const QString& text) {
    auto* box = new QCheckBox(text, this);
    box->setObjectName(QString::fromLatin1(name));
    connect(box, &QCheckBox::toggled, this, &LogFontDialog::updatePreview);
    return box;
}

void LogFontDialog::setLogFont(const LogFont& font) {
    const LogFont f = FontItem::limited(font);
    m_face->setEditText(QString::fromStdString(f.faceName));
    m_height->setValue(f.height);
    m_width->setValue(f.width);
    m_escapement->setValue(f.escapement);
    m_orientation->setValue(f.orientation);
    m_weight->setValue(f.weight);
    m_italicByte = f.italic;
    m_underlineByte = f.underline;
    m_strikeOutByte = f.strikeOut;
    m_italic->setChecked(f.italic != 0);
    m_underline->setChecked(f.underline != 0);
    m_strikeOut->setChecked(f.strikeOut != 0);
    m_charSet->setValue(f.charSet);
    m_outPrecision->setValue(f.outPrecision);
    m_clipPrecision->setValue(f.clipPrecision);
    m_quality->setValue(f.quality);
    m_pitch->setValue(f.pitchAndFamily & 0x0F);
    m_family->setValue(f.pitchAndFamily & 0xF0);
    updatePreview();
}

LogFont LogFontDialog::logFont() const {
    LogFont f;
    f.faceName = m_face->currentText().toStdString();
    f.height = m_height->value();
    f.width = m_width->value();
    f.escapement = m_escapement->value();
    f.orientation = m_orientation->value();
    f.weight = m_weight->value();
    f.italic = flagByte(m_italic, m_italicByte);
    f.underline = flagByte(m_underline, m_underlineByte);
    f.strikeOut = flagByte(m_strikeOut, m_strikeOutByte);
    f.charSet = static_cast<uint8_t>(m_charSet->value());
    f.outPrecision = static_cast<uint8_t>(m_outPrecision->value());
    f.clipPrecision = static_cast<uint8_t>(m_clipPrecision->value());
    f.quality = static_cast<uint8_t>(m_quality->value());
    f.pitchAndFamily = static_cast<uint8_t>((m_pitch->value() & 0x0F) | (m_family->value() & 0xF0));
    return FontItem::limited(f);
}

void LogFontDialog::updatePreview() {
    m_weightName->setText(weightName(m_weight->value()));
    // A sample only: negative heights are pixel sizes, positive ones cell heights (shown as pixel sizes too).
    QFont font(m_face->currentText());
    const int h = m_height->value();
    font.setPixelSize(h == 0 ? 12 : static_cast<int>(std::clamp<qint64>(std::llabs(qint64(h)), 1, 200)));
    if (m_weight->value() > 0)
        font.setWeight(static_cast<QFont::Weight>(std::clamp(m_weight->value(), 1, 1000)));
    font.setItalic(m_italic->isChecked());
    font.setUnderline(m_underline->isChecked());
    font.setStrikeOut(m_strikeOut->isChecked());
    m_preview->setFont(font);
}

}  // namespace vd
