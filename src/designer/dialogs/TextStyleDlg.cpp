#include "designer/dialogs/TextStyleDlg.h"

#include <QButtonGroup>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <string>

#include "designer/dialogs/ExactSpinBox.h"
#include "designer/dialogs/StyledSample.h"
#include "platform/QtConvert.h"

namespace {

// One radio per choice, ids 0, 1, 2 in order, laid out in a row.
QButtonGroup* RadioRow(QWidget* owner, QHBoxLayout* row, const char* groupName, std::initializer_list<const char*> texts,
                       int checked) {
    auto* group = new QButtonGroup(owner);
    group->setObjectName(QString::fromLatin1(groupName));
    int id = 0;
    for (const char* text : texts) {
        auto* radio = new QRadioButton(QString::fromLatin1(text), owner);
        radio->setObjectName(QStringLiteral("%1%2").arg(QString::fromLatin1(groupName)).arg(id));
        group->addButton(radio, id);
        row->addWidget(radio);
        ++id;
    }
    // A stored value outside the choices leaves every radio unchecked until the user picks one.
    if (QAbstractButton* b = group->button(checked))
        b->setChecked(true);
    row->addStretch(1);
    return group;
}

QToolButton* EllipsisButton(QWidget* parent, const char* name) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(QStringLiteral("..."));
    return b;
}

// A thin frame around a swatch or the sample, so a colour close to the dialog's own still shows its edge.
QFrame* Framed(QWidget* parent, QWidget* inner, QFrame::Shape shape, QFrame::Shadow shadow) {
    auto* frame = new QFrame(parent);
    frame->setFrameStyle(shape | shadow);
    auto* layout = new QVBoxLayout(frame);
    const int w = frame->frameWidth();
    layout->setContentsMargins(w, w, w, w);
    layout->addWidget(inner);
    return frame;
}

CMyStatic* Swatch(QWidget* parent, const char* name, const QColor& color) {
    auto* s = new CMyStatic(parent);
    s->setObjectName(QString::fromLatin1(name));
    s->SetBackgroundColor(color);
    s->setFixedSize(44, 20);
    return s;
}

// A "label: [swatch] ..." row at `row` of `grid`; the swatch goes to *swatch, the button is returned.
QToolButton* AddColorRow(QWidget* box, QGridLayout* grid, int row, const QString& label, const char* name,
                         const QColor& color, CMyStatic** swatch) {
    auto* colorRow = new QHBoxLayout;
    *swatch = Swatch(box, (std::string(name) + "Swatch").c_str(), color);
    QToolButton* button = EllipsisButton(box, (std::string(name) + "Button").c_str());
    colorRow->addWidget(Framed(box, *swatch, QFrame::Box, QFrame::Plain));
    colorRow->addWidget(button);
    colorRow->addStretch(1);
    grid->addWidget(new QLabel(label, box), row, 0);
    grid->addLayout(colorRow, row, 1);
    return button;
}

}  // namespace

CTextStyle::CTextStyle(const SkinTextStyle& style, const SystemEnvironment& env, QWidget* parent)
    : QDialog(parent), m_style(style), m_env(env) {
    setWindowTitle(QStringLiteral("Text Style"));

    m_sample = new CMyStatic(this, m_env);
    m_sample->setObjectName(QStringLiteral("sample"));
    m_sample->setMinimumSize(360, 72);
    m_sample->SetCaption(SampleText());
    // Larger than the dialog's text, so a one- or two-pixel shadow can be judged at a glance.
    QFont sampleFont = m_sample->font();
    sampleFont.setPointSizeF(sampleFont.pointSizeF() * 1.5);
    m_sample->setFont(sampleFont);

    auto* sampleBox = new QGroupBox(QStringLiteral("Sample"), this);
    auto* sampleLayout = new QVBoxLayout(sampleBox);
    sampleLayout->addWidget(Framed(sampleBox, m_sample, QFrame::StyledPanel, QFrame::Sunken));

    auto* top = new QHBoxLayout;
    top->addWidget(BuildAlignment(), 1);
    top->addWidget(BuildEffect(), 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(BuildOffsets());
    layout->addWidget(sampleBox, 1);
    layout->addWidget(buttons);

    for (QButtonGroup* g : {m_horz, m_vert, m_effect})
        connect(g, &QButtonGroup::idToggled, this, [this](int, bool on) {
            if (on)
                UpdateSample();
        });
    for (QSpinBox* s : {m_shadowX, m_shadowY, m_left, m_right, m_top, m_bottom})
        connect(s, &QSpinBox::valueChanged, this, &CTextStyle::UpdateSample);
    UpdateSample();
}

QWidget* CTextStyle::BuildAlignment() {
    auto* box = new QGroupBox(QStringLiteral("Alignment"), this);
    auto* grid = new QGridLayout(box);
    auto* horzRow = new QHBoxLayout;
    m_horz = RadioRow(box, horzRow, "horzAlign", {"Left", "Center", "Right"}, m_style.horzAlign);
    auto* vertRow = new QHBoxLayout;
    m_vert = RadioRow(box, vertRow, "vertAlign", {"Top", "VCenter", "Bottom"}, m_style.vertAlign);
    grid->addWidget(new QLabel(QStringLiteral("Horizontal:"), box), 0, 0);
    grid->addLayout(horzRow, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Vertical:"), box), 1, 0);
    grid->addLayout(vertRow, 1, 1);

    QToolButton* textButton = AddColorRow(box, grid, 2, QStringLiteral("Text color:"), "textColor",
                                          vd::ToQColor(m_style.textColor), &m_textSwatch);
    grid->setRowStretch(3, 1);
    connect(textButton, &QToolButton::clicked, this, &CTextStyle::ChooseTextColor);
    return box;
}

QWidget* CTextStyle::BuildEffect() {
    auto* box = new QGroupBox(QStringLiteral("Effect"), this);
    auto* grid = new QGridLayout(box);
    auto* effectRow = new QHBoxLayout;
    m_effect = RadioRow(box, effectRow, "effect", {"Normal", "Shadow"}, m_style.effect);
    grid->addLayout(effectRow, 0, 0, 1, 2);

    auto* offsetRow = new QHBoxLayout;
    m_shadowX = Spin("shadowX", -50, 50, m_style.shadowHSpace);
    m_shadowY = Spin("shadowY", -50, 50, m_style.shadowVSpace);
    offsetRow->addWidget(new QLabel(QStringLiteral("x"), box));
    offsetRow->addWidget(m_shadowX);
    offsetRow->addSpacing(6);
    offsetRow->addWidget(new QLabel(QStringLiteral("y"), box));
    offsetRow->addWidget(m_shadowY);
    offsetRow->addStretch(1);
    grid->addWidget(new QLabel(QStringLiteral("Shadow offset:"), box), 1, 0);
    grid->addLayout(offsetRow, 1, 1);

    QToolButton* shadowButton = AddColorRow(box, grid, 2, QStringLiteral("Shadow color:"), "shadowColor",
                                            vd::ToQColor(m_style.shadowColor), &m_shadowSwatch);
    grid->setRowStretch(3, 1);
    connect(shadowButton, &QToolButton::clicked, this, &CTextStyle::ChooseShadowColor);
    return box;
}

QWidget* CTextStyle::BuildOffsets() {
    auto* box = new QGroupBox(QStringLiteral("Offsets"), this);
    auto* row = new QHBoxLayout(box);
    m_left = Spin("leftOffset", 0, 1000, m_style.leftOffset);
    m_right = Spin("rightOffset", 0, 1000, m_style.rightOffset);
    m_top = Spin("topOffset", 0, 1000, m_style.topOffset);
    m_bottom = Spin("bottomOffset", 0, 1000, m_style.bottomOffset);
    const std::pair<const char*, QSpinBox*> fields[] = {
        {"Left", m_left}, {"Right", m_right}, {"Top", m_top}, {"Bottom", m_bottom}};
    bool first = true;
    for (const auto& [text, spin] : fields) {
        if (!first)
            row->addSpacing(10);
        first = false;
        auto* label = new QLabel(QString::fromLatin1(text), box);
        label->setBuddy(spin);
        row->addWidget(label);
        row->addWidget(spin);
    }
    row->addStretch(1);
    return box;
}

CExactSpinBox* CTextStyle::Spin(const char* name, int minimum, int maximum, int value) {
    auto* spin = new CExactSpinBox(this);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setRange(minimum, maximum);
    spin->Load(value);
    spin->setAccelerated(true);
    return spin;
}

SkinTextStyle CTextStyle::Style() const {
    SkinTextStyle s = m_style;
    // An unchecked group (a stored value the dialog has no radio for) keeps the stored value.
    if (m_horz->checkedId() >= 0)
        s.horzAlign = m_horz->checkedId();
    if (m_vert->checkedId() >= 0)
        s.vertAlign = m_vert->checkedId();
    if (m_effect->checkedId() >= 0)
        s.effect = m_effect->checkedId();
    s.shadowHSpace = m_shadowX->ExactValue();
    s.shadowVSpace = m_shadowY->ExactValue();
    s.leftOffset = m_left->ExactValue();
    s.rightOffset = m_right->ExactValue();
    s.topOffset = m_top->ExactValue();
    s.bottomOffset = m_bottom->ExactValue();
    return s;
}

void CTextStyle::UpdateSample() {
    m_sample->SetLook(vd::StyledSampleLook::Of(Style(), SampleText(), m_env));
}

void CTextStyle::ChooseTextColor() {
    QPointer<CTextStyle> alive(this);
    const std::optional<QColor> c = m_chooseColor(this, vd::ToQColor(m_style.textColor), QStringLiteral("Text Color"));
    if (!alive || !c || !c->isValid())
        return;
    m_style.textColor = vd::FromQColor(*c);
    m_textSwatch->SetBackgroundColor(vd::ToQColor(m_style.textColor));
    UpdateSample();
}

void CTextStyle::ChooseShadowColor() {
    QPointer<CTextStyle> alive(this);
    const std::optional<QColor> c = m_chooseColor(this, vd::ToQColor(m_style.shadowColor), QStringLiteral("Shadow Color"));
    if (!alive || !c || !c->isValid())
        return;
    m_style.shadowColor = vd::FromQColor(*c);
    m_shadowSwatch->SetBackgroundColor(vd::ToQColor(m_style.shadowColor));
    UpdateSample();
}

std::optional<QColor> CTextStyle::ChooseWithColorDialog(QWidget* parent, const QColor& initial, const QString& title) {
    // On the heap and watched: if the parent goes away while the dialog runs, the dialog goes with it.
    QPointer<QColorDialog> dialog = new QColorDialog(initial, parent);
    dialog->setWindowTitle(title);
    const int result = dialog->exec();
    if (!dialog)
        return std::nullopt;
    const QColor chosen = dialog->selectedColor();
    delete dialog;
    if (result != QDialog::Accepted || !chosen.isValid())
        return std::nullopt;
    return chosen;
}
