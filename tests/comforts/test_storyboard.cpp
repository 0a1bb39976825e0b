#include "tests/support/TestFiles.h"
#include "vehicle/VehicleConfig.h"
#include "views/PictureBook.h"
#include "views/Plates.h"
#include "views/RowPreview.h"
#include "views/Storyboard.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Loop = QStringLiteral("S  1 / 3 x");

// The bases of the default vehicle, by view.
std::array<int, 4> bases()
{
    const VehicleConfig vehicle;
    return {vehicle.pictureBaseOfView(1), vehicle.pictureBaseOfView(2), vehicle.pictureBaseOfView(3),
            vehicle.pictureBaseOfView(4)};
}

LampOptions options()
{
    return LampOptions::of(QStringLiteral("112"), VehicleConfig());
}

QList<SequenceRow> steps(int count)
{
    return QList<SequenceRow>(count, {QStringLiteral("0,5"), QString(), {}});
}

} // namespace

class TestStoryboard : public QObject
{
    Q_OBJECT
private slots:
    // Five cards to a row, then the next row below.
    void cardsWrapAfterFive()
    {
        const Storyboard seven(QStringLiteral("t"), steps(7), options(), bases(), Plates::standard());
        QCOMPARE(seven.cardRect(5).topLeft(),
                 seven.cardRect(0).bottomLeft() + QPoint(0, Storyboard::Gap + 1));
        QVERIFY(seven.cardRect(4).top() == seven.cardRect(0).top() &&
                seven.imageSize().height() > seven.cardRect(6).bottom());
        QVERIFY(seven.cardRect(6).contains(seven.viewRect(6, 4)));
    }

    void aStepShowsItsPicturesInSmall()
    {
        QList<SequenceRow> rows = steps(3);
        rows[1] = {QStringLiteral("1,5"), Loop, {0x03, 0x01, 0x02, 0x04}};
        rows[2].loopMarker = Loop;
        const Storyboard board(QStringLiteral("Tour  -  Unlock"), rows, options(), bases(), {});
        const RowPreview preview = RowPreview::ofBytes(2, rows[1].lamps, options());
        QCOMPARE(board.steps().at(1).position, 2);

        PictureBook book;
        const QImage image = board.image(book);
        QCOMPARE(image.size(), board.imageSize());
        for (int v = 1; v <= 4; ++v) {
            const int id =
                PictureBook::pictureId(bases()[std::size_t(v - 1)], preview.masks[std::size_t(v - 1)]);
            const QImage expected = book.picture(id)
                                        .toImage()
                                        .scaled(Storyboard::ThumbWidth, Storyboard::ThumbHeight,
                                                Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                        .convertToFormat(QImage::Format_RGB32);
            QCOMPARE(image.copy(board.viewRect(1, v)), expected);
        }
        // The plates lie across the junction of each pair, as in the window.
        const Storyboard plated(QStringLiteral("Tour"), rows, options(), bases(), Plates::standard());
        const QImage withPlates = plated.image(book);
        for (bool rear : {false, true}) {
            const QRectF plate =
                Plates::inPair(Plates::standard(), rear, double(Storyboard::ThumbWidth) / 195)
                    .translated(plated.viewRect(1, rear ? 3 : 1).topLeft());
            QVERIFY(plate.left() < plated.viewRect(1, 2).left() &&
                    plate.right() > plated.viewRect(1, 2).left());
            QCOMPARE(withPlates.pixelColor(plate.topLeft().toPoint() + QPoint(2, 2)), QColor(244, 244, 240));
        }
        // Lit lamps make a different picture from the dark step before it.
        QVERIFY(image.copy(board.viewRect(1, 1)) != image.copy(board.viewRect(0, 1)));
        // The loop's cards carry its colour on the left; a card outside a loop does not.
        const QPoint strip(2, Storyboard::CaptionHeight / 2);
        const QColor loopColour = image.pixelColor(board.cardRect(1).topLeft() + strip);
        QCOMPARE(image.pixelColor(board.cardRect(2).topLeft() + strip), loopColour);
        QVERIFY(image.pixelColor(board.cardRect(0).topLeft() + strip) != loopColour);
        QVERIFY(loopColour.saturation() > 100);
    }

    // (Both files are written through the export command, also onto a full disk:
    // test_comforts_window.)
    void pagedPdf()
    {
        QTemporaryDir dir;
        PictureBook book;
        // Sixty steps need more than one A4 page.
        const Storyboard large(QStringLiteral("Large"), steps(60), options(), bases(), Plates::standard());
        const QString pdf = dir.filePath(QStringLiteral("large.pdf"));
        QVERIFY(large.writePdf(pdf, book));
        const QByteArray bytes = TestData::readAll(pdf);
        QVERIFY(bytes.startsWith("%PDF"));
        const QRegularExpressionMatch pages =
            QRegularExpression(QStringLiteral("/Count (\\d+)")).match(QString::fromLatin1(bytes));
        QVERIFY(pages.hasMatch());
        QVERIFY(pages.captured(1).toInt() >= 2);
    }
};

QTEST_MAIN(TestStoryboard)
#include "test_storyboard.moc"
