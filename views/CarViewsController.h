#pragma once

#include <QObject>
#include <memory>

struct AppContext;
struct MainWindowUi;
class PictureBook;
class WindowOps;

// Shows the current lamp state on the four car views.
class CarViewsController : public QObject
{
    Q_OBJECT
public:
    CarViewsController(AppContext& ctx, MainWindowUi& ui, WindowOps& ops, QObject* parent = nullptr);
    ~CarViewsController() override;

    // All lamps off; every view shows its base picture.
    void lichtAus();
    // Shows the first selected row of the active table.
    void showRow();

private:
    AppContext& m_ctx;
    MainWindowUi& m_ui;
    WindowOps& m_ops;
    std::unique_ptr<PictureBook> m_pictures;
};
