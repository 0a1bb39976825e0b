#include "views/PictureSets.h"

#include "views/PictureBook.h"
#include "views/RowPreview.h"

PictureSets::Ids PictureSets::idsOf(const QList<SequenceRow>& rows, int row, const LampOptions& options,
                                    const std::array<int, 4>& bases)
{
    const RowPreview preview = RowPreview::ofBytes(row, rows.at(row - 1).lamps, options);
    Ids ids{};
    for (std::size_t v = 0; v < 4; ++v)
        ids[v] = PictureBook::pictureId(bases[v], preview.masks[v]);
    return ids;
}

int PictureSets::of(const QList<SequenceRow>& rows, int row)
{
    const Ids ids = idsOf(rows, row, m_options, m_bases);
    const qsizetype known = m_sets.indexOf(ids);
    if (known >= 0)
        return int(known);
    m_sets.append(ids);
    return int(m_sets.size() - 1);
}
