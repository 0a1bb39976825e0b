#include "views/CarViewsController.h"

#include "app/AppContext.h"
#include "app/MainWindowUi.h"
#include "views/CarViewWidget.h"
#include "views/PictureBook.h"

CarViewsController::CarViewsController(AppContext& ctx, MainWindowUi& ui, WindowOps& ops, QObject* parent)
    : QObject(parent), m_ctx(ctx), m_ui(ui), m_ops(ops), m_pictures(std::make_unique<PlaceholderPictureBook>())
{
}

CarViewsController::~CarViewsController() = default;

void CarViewsController::lichtAus()
{
    m_ctx.lampState = {};
    for (int v : {2, 1, 3, 4})
        m_ui.views[std::size_t(v)]->setPicture(m_pictures->picture(m_ctx.vehicle.pictureBaseOfView(v)));
}

// Not written yet: showing a stored row follows with the lamp rules.
void CarViewsController::showRow() {}
