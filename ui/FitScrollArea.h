#pragma once

#include <QScrollArea>

// A scroll area as large as what it holds, as long as the screen has room for
// it; on a smaller screen it takes what there is and scrolls. `reserve`: the
// height the window needs around it (title bar, buttons), kept free.
class FitScrollArea : public QScrollArea
{
    Q_OBJECT
public:
    explicit FitScrollArea(int reserve, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int m_reserve;
};
