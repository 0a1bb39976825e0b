#include "core/Mnemonics.h"

#include <QSet>

namespace Mnemonics {

namespace {

// Index of the marked character in caption, or -1.
qsizetype markedIndex(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) != u'&')
            continue;
        if (caption.at(i + 1) == u'&') {
            ++i; // a literal "&&"
            continue;
        }
        return i + 1;
    }
    return -1;
}

bool usable(QChar c)
{
    return c.isLetterOrNumber();
}

} // namespace

QChar of(const QString& caption)
{
    const qsizetype i = markedIndex(caption);
    return i < 0 ? QChar() : caption.at(i).toLower();
}

QString stripped(const QString& caption)
{
    const qsizetype i = markedIndex(caption);
    return i < 0 ? caption : caption.left(i - 1) + caption.mid(i);
}

QStringList assign(const QStringList& captions)
{
    QStringList out(captions);
    QSet<QChar> taken;
    QList<qsizetype> open;
    // Mnemonics already given are kept, first come first served.
    for (qsizetype k = 0; k < out.size(); ++k) {
        const QChar c = of(out.at(k));
        if (!c.isNull() && usable(c) && !taken.contains(c)) {
            taken.insert(c);
        } else {
            out[k] = stripped(out.at(k));
            open.append(k);
        }
    }
    for (const qsizetype k : std::as_const(open)) {
        const QString& caption = out.at(k);
        qsizetype chosen = -1;
        for (int pass = 0; pass < 2 && chosen < 0; ++pass) {
            int depth = 0; // a note in brackets (a port's device) is not marked
            for (qsizetype i = 0; i < caption.size(); ++i) {
                const QChar c = caption.at(i);
                if (c == u'&') { // skip the escaped "&&"
                    ++i;
                    continue;
                }
                depth += c == u'(' ? 1 : c == u')' ? -1 : 0;
                if (depth > 0)
                    continue;
                const bool wordStart = i == 0 || !caption.at(i - 1).isLetterOrNumber();
                if (usable(c) && (pass == 1 || wordStart) && !taken.contains(c.toLower())) {
                    chosen = i;
                    break;
                }
            }
        }
        if (chosen < 0)
            continue;
        taken.insert(caption.at(chosen).toLower());
        out[k] = caption.left(chosen) + u'&' + caption.mid(chosen);
    }
    return out;
}

} // namespace Mnemonics
