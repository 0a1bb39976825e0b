#pragma once

#include <QString>

class QObject;

// Sets the visible caption of a control, whatever its kind: a button's or
// label's text, a frame's or menu's title, an action's text, a window's title.
void setCaption(QObject* control, const QString& caption);

// Finds a control by its object name below root (root itself included) and
// sets its caption; returns false when there is no such control.
bool setCaptionByName(QObject* root, const QString& objectName, const QString& caption);
