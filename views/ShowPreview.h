#pragma once

#include "sequence/SequenceRow.h"
#include "vehicle/ModelLayout.h"
#include "views/LampRules.h"
#include "views/PictureBook.h"

#include <QList>
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>

class ScaledPictures;

// A show playing on the four car views in small, greeting and farewell over
// and over in real time: to choose a show by seeing it.
class ShowPreview : public QWidget
{
    Q_OBJECT
public:
    // A view at this share of its own size.
    static constexpr double Scale = 0.5;
    // The dark pause between the greeting and the farewell, and before the next round.
    static constexpr int PauseMs = 700;

    explicit ShowPreview(QWidget* parent = nullptr);
    ~ShowPreview() override;

    // The vehicle's pictures: bases[v - 1] is the first picture of view v.
    void setVehicle(const LampOptions& options, const std::array<int, 4>& bases,
                    const ModelLayout::Plates& plates, bool night);
    // Starts playing from the first step; no rows stops it.
    void play(const QList<SequenceRow>& greeting, const QList<SequenceRow>& farewell);
    // The step on show (0-based) and how many there are, for tests.
    int stepShown() const { return m_index; }
    int stepCount() const { return int(m_steps.size()); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Step
    {
        std::array<int, 4> ids{};
        int ms = 0;
    };
    void addSequence(const QList<SequenceRow>& rows);
    // The pictures with every lamp off.
    std::array<int, 4> darkIds() const;
    void next();
    QSize viewSize() const;

    LampOptions m_options;
    std::array<int, 4> m_bases{};
    ModelLayout::Plates m_plates;
    PictureBook m_book;
    std::unique_ptr<ScaledPictures> m_small;
    QSize m_smallSize;
    QList<Step> m_steps;
    int m_index = 0;
    QTimer m_timer;
};
