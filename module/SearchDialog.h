#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

// Shown while the module is being looked for: the port being tried, how far
// the search is, and Cancel. It does not block the main window.
class SearchDialog : public QDialog
{
    Q_OBJECT
public:
    explicit SearchDialog(QWidget* parent = nullptr);

    // Port number index (from 1) of count is being tried; text says which.
    void showTrying(int index, int count, const QString& text);

signals:
    // Cancel, Escape or the window's close button.
    void canceled();

protected:
    void reject() override;

private:
    QLabel* m_label;
    QProgressBar* m_bar;
};
