#pragma once

#include "views/HoverOutline.h"
#include "views/LampRules.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <array>
#include <memory>
#include <vector>

struct AppContext;
class CarViewWidget;
class QAction;
class QLabel;
class QPushButton;
class QSlider;
class QTreeView;
class QWidget;
class PictureBook;
class QCheckBox;
class WindowOps;

// Binds the four car views to the lamp rules: shows the current lamp state,
// turns clicks on lamps into toggles, outlines the lamp under the pointer,
// shows a stored row and advances to the next step automatically.
class CarViewsController : public QObject
{
    Q_OBJECT
public:
    static constexpr int AdvanceDelayMs = 200;
    // How long the views' size must hold still before the pictures are drawn for it.
    static constexpr int ResizeRedrawDelayMs = 120;

    // The main window's controls this part binds to.
    struct Controls
    {
        QWidget* central = nullptr;            // its window holds the outline switch
        std::array<CarViewWidget*, 5> views{}; // views[1] to views[4]; [0] unused
        std::array<QTreeView*, 2> List1{};     // the step tables
        QPushButton* cmdBereiche = nullptr;
        QAction* Bereich = nullptr;
        QSlider* sliderZeitein = nullptr;
        QLabel* labZeitein = nullptr;
        QPushButton* cmdWeiter = nullptr;
        QCheckBox* chkAutomatichWeiter = nullptr;
        QLabel* labPos = nullptr;
        QLabel* labX = nullptr;
        QLabel* labY = nullptr;
        QCheckBox* chkSymmetrisch = nullptr; // a click sets the lamp on both halves
    };

    // Caption and tooltip of chkSymmetrisch.
    static constexpr int SymmetricText = 272;
    static constexpr int SymmetricTipText = 273;

    CarViewsController(AppContext& ctx, const Controls& controls, WindowOps& ops, QObject* parent = nullptr);
    ~CarViewsController() override;

    // All lamps off; every view shows its base picture and labPos names no row.
    void lichtAus();
    // Shows the first selected row of the active table.
    void showRow();
    // Pointer movement (button 0) or a press on a view, in twips of the view.
    void pointerEvent(int button, double x, double y, int view);
    // "Bereiche anzeigen": all lamp areas as green boxes until the next picture.
    void showAreas();
    // Shows lamp bytes as showRow shows a row, without making them the
    // current lamp state (a preview); showLampState() returns to that state.
    void previewStep(const LampBytes& bytes);
    void showLampState();
    // What the lamp rules read of the vehicle, with the symmetric-editing switch.
    LampOptions options() const;
    // chkSymmetrisch's caption in the current language.
    void applyTexts();
    // The night view: the pictures on show are drawn afresh, by night or by day.
    void setNight(bool night);
    bool night() const;

    // The check box that switches the hover outline on (chkAktivierung of the
    // properties dialog). Without one the main window is searched for it.
    void setOutlineSwitch(QCheckBox* box);

    // The picture id a view shows (0 when it shows none).
    int shownPicture(int view) const
    {
        return view >= 1 && view <= 4 ? m_shownIds[std::size_t(view - 1)] : 0;
    }
    PictureBook& pictures() { return *m_pictures; }
    const HoverOutline& hover() const { return m_hover; }
    // True while an automatic advance waits for its 200 ms.
    bool advancePending() const { return m_advanceTimer.isActive(); }

private:
    int baseOfView(int view) const;
    // Shows picture base + mask on a view; false when the picture does not exist.
    bool loadView(int view, int mask);
    // Pictures are drawn for views of `size` device pixels from now on.
    void usePixelSize(QSize size);
    void redrawForSize();
    void toggle(int lamp, int view, int button, int area);
    bool outlineEnabled();
    void applyOutline(const HoverOutline::Step& step);
    void advance();
    void prefetchStart();
    void prefetchSome();

    AppContext& m_ctx;
    Controls m_ui;
    WindowOps& m_ops;
    std::unique_ptr<PictureBook> m_pictures;
    std::array<int, 4> m_shownIds{};
    HoverOutline m_hover;
    // The outline now on screen (the hover state may name one that a new picture wiped).
    HoverOutline::Target m_shown;
    QPointer<QCheckBox> m_outlineSwitch;
    QTimer m_advanceTimer;
    QTimer m_resizeTimer;
    // Pictures of the current vehicle still to be drawn while the window is idle.
    QTimer m_prefetchTimer;
    std::vector<int> m_prefetch;
    std::array<int, 4> m_prefetchBases{};
};
