#pragma once

#include <QImage>
#include <QWidget>

class QTimer;

// Shows a picture that is revealed from left to right, a few columns per
// tick of its timer, so the window stays responsive while it runs.
class LogoWipe : public QWidget
{
    Q_OBJECT
public:
    static constexpr int StepColumns = 6;
    static constexpr int TickMs = 25;

    explicit LogoWipe(const QImage& picture, QWidget* parent = nullptr);

    // Hides the picture and starts revealing it.
    void start();
    // Hides the picture without starting.
    void reset();
    // Ends the wipe where it is.
    void stop();
    // Shows the whole picture at once.
    void showAll();

    bool isRunning() const;
    int revealedColumns() const { return m_revealed; }
    const QImage& picture() const { return m_picture; }
    QTimer* timer() const { return m_timer; }

    QSize sizeHint() const override { return m_picture.size(); }
    QSize minimumSizeHint() const override { return m_picture.size(); }

signals:
    // The last column is shown.
    void finished();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void step();

    QImage m_picture;
    QTimer* m_timer;
    int m_revealed = 0;
};
