#pragma once

#include "sequence/ShowLibrary.h"
#include "views/ShowAdapter.h"

#include <QDialog>
#include <QObject>

struct AppContext;
class MainWindow;
class QCheckBox;
class QLabel;
class QListWidget;
class ShowPreview;

// File > new from template: the library's shows, each played on the current
// vehicle's pictures while it is chosen, with its length and memory share.
class TemplateDialog : public QDialog
{
    Q_OBJECT
public:
    // shows: the library's shows already taken to the current vehicle, by entry.
    TemplateDialog(AppContext& ctx, MainWindow& window, const ShowLibrary& library,
                   const QList<ShowAdapter::Result>& shows, QWidget* parent);
    // The entry chosen, -1 for none.
    int chosen() const;

private:
    void fill();
    void selected();

    AppContext& m_ctx;
    MainWindow& m_window;
    const ShowLibrary& m_library;
    const QList<ShowAdapter::Result>& m_shows;
    QString m_family;
    QListWidget* m_list = nullptr;
    QCheckBox* m_all = nullptr;
    QLabel* m_about = nullptr;
    QLabel* m_figures = nullptr;
    ShowPreview* m_preview = nullptr;
};

class TemplateGallery : public QObject
{
    Q_OBJECT
public:
    static constexpr int MenuText = 428;
    static constexpr int AllText = 429;
    static constexpr int FiguresText = 430;
    static constexpr int DroppedText = 431;
    static constexpr int EmptyText = 432;

    TemplateGallery(AppContext& ctx, MainWindow& window);

    void applyTexts();
    void newFromTemplate();
    // Opens library show `entry` adapted to the current vehicle as an untitled
    // show, naming the lamps left out; false when cancelled.
    bool open(const ShowLibrary& library, int entry);
    bool open(const ShowAdapter::Result& show);

    // The library's shows taken to the current vehicle.
    QList<ShowAdapter::Result> adaptedShows(const ShowLibrary& library) const;

private:
    ShowAdapter::Result adapted(const ShowLibrary::Entry& entry) const;

    AppContext& m_ctx;
    MainWindow& m_window;
};
