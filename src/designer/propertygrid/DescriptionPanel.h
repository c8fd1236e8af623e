#pragma once
// The panel under the grid that names the current row and shows its description.

#include <QFrame>

class QLabel;

namespace vd {

class DescriptionPanel : public QFrame {
    Q_OBJECT

public:
    explicit DescriptionPanel(QWidget* parent = nullptr);

    void showText(const QString& caption, const QString& description);
    QString caption() const;
    QString description() const;

private:
    QLabel* m_caption;
    QLabel* m_description;
};

}  // namespace vd
