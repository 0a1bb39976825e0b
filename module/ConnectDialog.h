#pragma once

#include <QDialog>

// Shown while the connection to the module is being established.
class ConnectDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ConnectDialog(QWidget* parent = nullptr);
};
