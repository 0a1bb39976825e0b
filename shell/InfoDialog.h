#pragma once

#include <QDialog>

struct AppContext;

// About the program: version, maker and links.
class InfoDialog : public QDialog
{
    Q_OBJECT
public:
    explicit InfoDialog(AppContext& ctx, QWidget* parent = nullptr);

private:
    AppContext& m_ctx;
};
