#pragma once

#include <QDialog>

struct AppContext;
class Hyperlink;
class LinkLauncher;
class LogoWipe;
class QLabel;
class QPushButton;
class QTimer;

// About the program: version, maker, the maker's web and e-mail links, and
// the logo, which is wiped in each time the window opens.
class InfoDialog : public QDialog
{
    Q_OBJECT
public:
    // Shortly after the window shows, the wipe starts.
    static constexpr int WipeDelayMs = 200;
    static constexpr int AuthorText = 391; // who wrote the program

    explicit InfoDialog(AppContext& ctx, QWidget* parent = nullptr);

    // Where the links are opened (the desktop's programs unless a test says otherwise).
    void setLauncher(LinkLauncher& launcher);

    Hyperlink* webLink() const { return m_web; }
    Hyperlink* emailLink() const { return m_mail; }
    LogoWipe* wipe() const { return m_wipe; }
    QTimer* startTimer() const { return m_timer1; }

    // The e-mail's subject and body.
    static QString mailSubject();
    static QString mailBody();

    // The texts that follow the language (also done as the window opens).
    void refreshTexts();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void startWipe();

    AppContext& m_ctx;
    QLabel* m_labSW_Version;
    QLabel* m_labSoftware;
    QLabel* m_labInternet;
    QLabel* m_labMail;
    QLabel* m_Label2;
    QLabel* m_Picture1;
    LogoWipe* m_wipe; // Picture2
    QPushButton* m_cmdEnde;
    QTimer* m_timer1;
    Hyperlink* m_web;
    Hyperlink* m_mail;
};
