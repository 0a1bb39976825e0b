#pragma once

#include "views/Patterns.h"

#include <QDialog>
#include <QTimer>
#include <functional>
#include <vector>

class LangText;
class QCheckBox;
class QDialogButtonBox;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QRadioButton;
class QSpinBox;
class Pieces;
class Prompter;
class QPushButton;

// "Muster einfügen": the choice of a pattern, its lamps and its times. While
// it is open the steps play on the car views through `preview`, so the
// pattern is seen before it is put in; what is made is Patterns::generate's.
class PatternDialog : public QDialog
{
    Q_OBJECT
public:
    static constexpr int TitleText = 274;
    static constexpr int PassesText = 116;
    static constexpr int BlinkText = 282;
    static constexpr int ChaseText = 283;
    static constexpr int AlternateText = 284;
    static constexpr int LampsText = 285;
    static constexpr int AllLampsText = 286;
    static constexpr int OnText = 287;
    static constexpr int OffText = 288;
    static constexpr int ReturnText = 289;
    // The headings of the lamps of views 1 to 4, as the show grid has them.
    static constexpr int FirstViewText = 260;

    // The user's pieces beside the patterns.
    static constexpr int NameText = 434;
    static constexpr int PieceText = 435;
    static constexpr int RenameText = 436;
    static constexpr int DeleteText = 437;
    static constexpr int DeleteQuestionText = 439;
    static constexpr int BadNameText = 440;

    // lamps: the vehicle's lamps (Patterns::lampsOf); locale: how times are
    // shown. With `pieces` (and a prompter to ask for names) the user's pieces
    // are offered too, to be renamed and deleted here.
    PatternDialog(const LangText& texts, const QLocale& locale, std::vector<Patterns::Lamp> lamps,
                  std::function<void(const LampBytes&)> preview, QWidget* parent = nullptr,
                  const Pieces* pieces = nullptr, Prompter* prompter = nullptr);

    Patterns::Settings settings() const;
    // What OK puts in: the pattern's steps, or the chosen piece's rows with their loops.
    QList<SequenceRow> rows() const;
    // The piece chosen; empty while a pattern is.
    QString pieceName() const;

private:
    // Any choice changed: the controls that apply, OK, and the preview from its first step.
    void changed();
    void previewStep();
    void fillPieces(const QString& current);
    void renamePiece();
    void deletePiece();

    std::vector<Patterns::Lamp> m_lamps;
    std::function<void(const LampBytes&)> m_preview;
    QRadioButton* m_blink = nullptr;
    QRadioButton* m_chase = nullptr;
    QRadioButton* m_alternate = nullptr;
    QListWidget* m_list = nullptr;
    QLabel* m_allLamps = nullptr;
    QSpinBox* m_repeats = nullptr;
    QDoubleSpinBox* m_on = nullptr;
    QDoubleSpinBox* m_off = nullptr;
    QCheckBox* m_return = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
    QTimer m_timer;
    QList<SequenceRow> m_steps;
    QList<int> m_order; // the rows in the order playback shows them (0-based), loops played out
    QList<qint64> m_orderMs;
    int m_step = 0;
    const LangText& m_texts;
    const Pieces* m_pieces = nullptr;
    Prompter* m_prompter = nullptr;
    QRadioButton* m_piece = nullptr;
    QListWidget* m_pieceList = nullptr;
    QPushButton* m_rename = nullptr;
    QPushButton* m_delete = nullptr;
};
