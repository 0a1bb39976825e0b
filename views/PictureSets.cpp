#include "views/PictureSets.h"

#include "views/PictureBook.h"
#include "views/RowPreview.h"

int PictureSets::of(const QList<SequenceRow>& rows, int row)
{
    const RowPreview preview = RowPreview::ofBytes(row, rows.at(row - 1).lamps, m_options);
    Ids ids{};
    for (std::size_t v = 0; v < 4; ++v)
        ids[v] = PictureBook::pictureId(m_bases[v], preview.masks[v]);
    const qsizetype known = m_sets.indexOf(ids);
    if (known >= 0)
        return int(known);
    m_sets.append(ids);
    return int(m_sets.size() - 1);
}
