#pragma once

#include "core/SafeSave.h"
#include "sequence/SequenceRow.h"
#include "vehicle/ModelLayout.h"
#include "views/LampRules.h"

#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <array>

class PictureBook;
class ScaledPictures;
class QPainter;

// An overview of one sequence to share or print: every step as a card with
// its position, interval and loop marker over the four car views in small,
// front pair above and rear pair below as in the main window. The views show
// what showing the row shows: its lamps as the vehicle can show them.
// Written as one PNG picture or as a PDF with as many pages as it needs.
class Storyboard
{
public:
    // A car view in small: 2/5 of its size.
    static constexpr int ThumbWidth = 78;
    static constexpr int ThumbHeight = 108;
    static constexpr int Columns = 5;
    static constexpr int Margin = 16;
    static constexpr int Gap = 10;
    static constexpr int Padding = 5;
    static constexpr int TitleHeight = 36;
    static constexpr int CaptionHeight = 34;

    struct Step
    {
        int position = 0; // 1-based row number
        QString interval;
        QString loopMarker;
        std::array<int, 4> pictureIds{}; // by view - 1; 0 when the view has no picture
    };

    // bases[v - 1] is the first picture id of view v (VehicleConfig::pictureBaseOfView);
    // the plates are drawn where the main window shows them.
    Storyboard(const QString& title, const QList<SequenceRow>& rows, const LampOptions& options,
               const std::array<int, 4>& bases, const ModelLayout::Plates& plates);

    const QString& title() const { return m_title; }
    const QList<Step>& steps() const { return m_steps; }

    // The picture: its size, the card of step i (0-based) and the place of view v on it.
    QSize imageSize() const;
    QRect cardRect(int i) const;
    QRect viewRect(int i, int view) const;

    QImage image(PictureBook& pictures) const;
    // Both make the whole file in memory and then write it safely (SafeSave):
    // a failed write leaves the old file as it was.
    SafeSave::Result writePng(const QString& fileName, PictureBook& pictures) const;
    SafeSave::Result writePdf(const QString& fileName, PictureBook& pictures) const;

private:
    static QSize cardSize();
    void paintTitle(QPainter& p, const QString& text, int width) const;
    void paintCard(QPainter& p, const QRect& card, const Step& step, ScaledPictures& thumbs) const;

    QString m_title;
    ModelLayout::Plates m_plates;
    QList<Step> m_steps;
};
