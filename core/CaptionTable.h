#pragma once

#include <QList>
#include <QString>

class LangText;

// Which language text each caption of each window takes.
struct CaptionEntry
{
    enum class Kind
    {
        Caption,        // the control's caption is text `text`
        FirstListItem,  // item 0 of a drop-down list is text `text`
        WithSuffixText, // text `text` + ", " + text `second`
        ToolTip,        // the control's tooltip is text `text`
    };
    QString window;  // object name of the window
    QString control; // object name of the control; the window's own name for its title
    int text = 0;
    int second = 0;
    Kind kind = Kind::Caption;

    QString compose(const LangText& texts) const;
};

// All entries in the order they are applied.
const QList<CaptionEntry>& captionTable();
