#pragma once

#include <QWidget>

class QLabel;
class QTimer;

// Shown while the main window loads: the program's name, version and a
// loading line.
class StartScreen : public QWidget
{
    Q_OBJECT
public:
    explicit StartScreen(const QString& languageName, QWidget* parent = nullptr);

signals:
    // The first tick of Timer1, once the screen is up: time to load the main window.
    void ready();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* m_lblVersion;
    QLabel* m_labInfo;
    QTimer* m_timer1;
};
