#include "core/Mnemonics.h"

#include <QHash>
#include <algorithm>
#include <utility>

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

// The characters a caption could be marked at, in order, lower case, each
// with whether it starts a word; none inside brackets (a port's device).
QList<std::pair<qsizetype, bool>> candidates(const QString& caption)
{
    QList<std::pair<qsizetype, bool>> out;
    int depth = 0;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption.at(i);
        if (c == u'&') { // skip the escaped "&&"
            ++i;
            continue;
        }
        depth += c == u'(' ? 1 : c == u')' ? -1 : 0;
        if (depth > 0 || !usable(c))
            continue;
        out.append({i, i == 0 || !caption.at(i - 1).isLetterOrNumber()});
    }
    return out;
}

int freeCount(const QString& caption, const QSet<QChar>& taken)
{
    QSet<QChar> free;
    for (const auto& [i, wordStart] : candidates(caption))
        if (!taken.contains(caption.at(i).toLower()))
            free.insert(caption.at(i).toLower());
    return int(free.size());
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

QStringList assign(const QStringList& captions, const QSet<QChar>& reserved)
{
    QStringList out(captions);
    QSet<QChar> taken = reserved;
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
    // The captions with the fewest free characters choose first, so that a
    // short one is not left without a key by a long one before it.
    QHash<qsizetype, int> free;
    for (const qsizetype k : std::as_const(open))
        free.insert(k, freeCount(out.at(k), taken));
    std::stable_sort(open.begin(), open.end(), [&](qsizetype a, qsizetype b) { return free[a] < free[b]; });
    for (const qsizetype k : std::as_const(open)) {
        const QString& caption = out.at(k);
        const auto places = candidates(caption);
        qsizetype chosen = -1;
        for (int pass = 0; pass < 2 && chosen < 0; ++pass) {
            for (const auto& [i, wordStart] : places) {
                if ((pass == 1 || wordStart) && !taken.contains(caption.at(i).toLower())) {
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
