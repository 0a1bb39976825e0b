#pragma once

#include <QColor>
#include <QObject>
#include <QString>

class LinkLauncher;
class QLabel;

// Turns a label into a link: its caption is shown in the link colour, the
// pointer becomes a hand over it, hovering underlines it in the hover colour,
// and a click follows its target (see resolveLinkTarget).
class Hyperlink : public QObject
{
    Q_OBJECT
public:
    // Sets the caption and the target, takes the label out of the tab order,
    // and gives it the background colour when one is valid.
    Hyperlink(QLabel* box, const QString& caption, const QString& target, LinkLauncher& launcher,
              const QColor& background = QColor());

    QLabel* box() const { return m_box; }
    QString target() const { return m_target; }
    void setTarget(const QString& target);
    void setLauncher(LinkLauncher& launcher) { m_launcher = &launcher; }

    bool isHovered() const { return m_hovered; }
    void setHovered(bool hovered);

    // Follows the target, as a click does.
    bool follow();

    static QColor normalColour() { return QColor(0, 0, 192); }
    static QColor hoverColour() { return QColor(192, 0, 0); }

signals:
    void followed(const QString& target, bool opened);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_box;
    QString m_target;
    LinkLauncher* m_launcher;
    bool m_hovered = false;
};
