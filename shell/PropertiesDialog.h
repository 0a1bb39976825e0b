#pragma once

#include <QDialog>

struct AppContext;
class FileTypeRegistrar;
class QCheckBox;
class QLabel;
class QPushButton;

// Preferences kept between runs: the outline of the lamp area under the
// pointer and automatic advance at start; and registering the file type
// again. The window is hidden, not destroyed, between uses, so the main
// window and the car views read the check boxes at any time.
class PropertiesDialog : public QDialog
{
    Q_OBJECT
public:
    // Headings of the display settings and of the file-type line.
    static constexpr int DisplayHeadingText = 389;
    static constexpr int FileTypeText = 390;
    explicit PropertiesDialog(AppContext& ctx, QWidget* parent = nullptr);

    QCheckBox* chkAuto() const { return m_chkAuto; }
    QCheckBox* chkAktivierung() const { return m_chkAktivierung; }
    QPushButton* cmdRegistry() const { return m_cmdRegistry; }
    QPushButton* cmdOK() const { return m_cmdOK; }
    // The registration cmdRegistry runs (tests wait for its finished()).
    FileTypeRegistrar& registrar() const { return *m_registrar; }

    // The texts that follow the language (also done as the window opens).
    void refreshLabels();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void chkAktivierungClick();
    void chkAutoClick();
    void cmdRegistryClick();

    AppContext& m_ctx;
    QLabel* m_label1;
    QLabel* m_label2;
    QCheckBox* m_chkAktivierung;
    QCheckBox* m_chkAuto;
    QPushButton* m_cmdRegistry;
    QPushButton* m_cmdOK;
    FileTypeRegistrar* m_registrar;
};
