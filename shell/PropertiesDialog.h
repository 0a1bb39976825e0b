#pragma once

#include <QDialog>

struct AppContext;
class QCheckBox;

// Preferences: automatic advance at start and the lamp-area outline, plus the
// file-type registration.
class PropertiesDialog : public QDialog
{
    Q_OBJECT
public:
    explicit PropertiesDialog(AppContext& ctx, QWidget* parent = nullptr);

    QCheckBox* chkAuto() const { return m_chkAuto; }
    QCheckBox* chkAktivierung() const { return m_chkAktivierung; }

private:
    AppContext& m_ctx;
    QCheckBox* m_chkAuto;
    QCheckBox* m_chkAktivierung;
};
