#include "shell/carddelegates.h"
#include "shell/cardmodels.h"
#include "shell/tint.h"

#include <QListView>
#include <gtest/gtest.h>

namespace {

// Grey 200, 50, 71, magenta, transparent, grey 200 half transparent, grey 255.
QImage sourcePicture()
{
    const QRgb pixels[] = {qRgb(200, 200, 200), qRgb(50, 50, 50), qRgb(71, 71, 71), qRgb(255, 0, 255), qRgba(0, 0, 0, 0),
                           qRgba(200, 200, 200, 128), qRgb(255, 255, 255)};
    QImage image(7, 1, QImage::Format_ARGB32);
    for (int x = 0; x < 7; ++x)
        image.setPixel(x, 0, pixels[x]);
    return image;
}

struct TintCase {
    QColor colour;
    int intensity;
    QRgb expected[7]; // alpha 0 where the pixel must come out transparent
};

} // namespace

TEST(Tint, PixelsFollowTheColourAndIntensity)
{
    // (120, 60, 30): mean 70. Lighter pixels move half their distance to it,
    // darker ones all of it, 71 not at all (the half is dropped).
    // (240, 250, 255): mean 248; white overflows blue before the intensity
    // is added, so blue ends at 105, not 108.
    const TintCase cases[] = {
        {QColor(120, 60, 30), 0,
         {qRgb(185, 125, 95), qRgb(100, 40, 10), qRgb(120, 60, 30), 0, 0, qRgba(185, 125, 95, 128), qRgb(212, 152, 122)}},
        {QColor(120, 60, 30), 150,
         {qRgb(255, 255, 245), qRgb(250, 190, 160), qRgb(255, 210, 180), 0, 0, qRgba(255, 255, 245, 128),
          qRgb(255, 255, 255)}},
        {QColor(120, 60, 30), -150,
         {qRgb(35, 0, 0), qRgb(0, 0, 0), qRgb(0, 0, 0), 0, 0, qRgba(35, 0, 0, 128), qRgb(62, 2, 0)}},
        {QColor(240, 250, 255), -150,
         {qRgb(42, 52, 57), qRgb(0, 0, 0), qRgb(0, 0, 0), 0, 0, qRgba(42, 52, 57, 128), qRgb(93, 103, 105)}},
    };
    for (const TintCase &c : cases) {
        const QImage tinted = tintPicture(sourcePicture(), c.colour, c.intensity);
        ASSERT_EQ(tinted.size(), QSize(7, 1));
        for (int x = 0; x < 7; ++x) {
            const QRgb got = tinted.pixel(x, 0);
            SCOPED_TRACE(QStringLiteral("%1 at %2, pixel %3").arg(c.colour.name()).arg(c.intensity).arg(x).toStdString());
            EXPECT_EQ(qAlpha(got), qAlpha(c.expected[x]));
            if (qAlpha(c.expected[x]) != 0) {
                EXPECT_EQ(got, c.expected[x]);
            }
        }
    }
}

TEST(Tint, StoredColours)
{
    const struct {
        qint64 stored;
        QColor colour;
    } cases[] = {
        {0, QColor(0, 0, 0)},
        {255, QColor(255, 0, 0)},
        {65280, QColor(0, 255, 0)},
        {16711680, QColor(0, 0, 255)},
        {16711935, QColor(255, 0, 255)},
        {16777215, QColor(255, 255, 255)},
        {128 + 16 * 256 + 40 * 65536, QColor(128, 16, 40)},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(colorFromStored(c.stored), c.colour) << c.stored;
        EXPECT_EQ(storedFromColor(c.colour), c.stored) << c.stored;
    }
}

TEST(Tint, GlassIsGreyOnTransparency)
{
    // The tint reads the grey level from red: a coloured pixel would be
    // tinted wrong.
    const QImage glass = glassPicture(48).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(glass.size(), QSize(48, 48));
    EXPECT_EQ(qAlpha(glass.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(glass.pixel(47, 47)), 0);
    int opaque = 0;
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x) {
            const QRgb p = glass.pixel(x, y);
            if (qAlpha(p) < 64)
                continue;
            ASSERT_LE(std::abs(qRed(p) - qGreen(p)) + std::abs(qRed(p) - qBlue(p)), 2) << x << "," << y;
            opaque += qAlpha(p) == 255;
        }
    EXPECT_GT(opaque, 100);
}

TEST(CardDelegates, PaintCardsAndFillers)
{
    mainlists::WineCard wine;
    wine.id = 1;
    wine.title = QStringLiteral("Château d'essai");
    wine.stock = 3;
    wine.alarm = true;
    wine.rate = 4;
    wine.background = qint64(128);
    wine.intensity = 10;
    WineCardModel wines;
    wines.setCards({wine, mainlists::WineCard{}});
    wines.setFillers(1);

    mainlists::BottleCard bottle;
    bottle.id = 7;
    bottle.quantity = 6;
    bottle.vintage = 2015;
    bottle.status = 3;
    bottle.location = QStringLiteral("Cave/A");
    BottleCardModel bottles;
    bottles.setCards({bottle, mainlists::BottleCard{}});
    bottles.setFillers(1);

    WineCardDelegate wineDelegate;
    BottleCardDelegate bottleDelegate;
    QListView wineView, bottleView;
    wineView.setModel(&wines);
    wineView.setItemDelegate(&wineDelegate);
    bottleView.setModel(&bottles);
    bottleView.setItemDelegate(&bottleDelegate);
    for (QListView *view : {&wineView, &bottleView}) {
        view->setUniformItemSizes(true);
        view->resize(700, 500);
        view->show();
        view->setCurrentIndex(view->model()->index(0, 0));
        const QStyleOptionViewItem option = [&] {
            QStyleOptionViewItem o;
            o.initFrom(view);
            return o;
        }();
        EXPECT_GT(view->itemDelegate()->sizeHint(option, view->model()->index(0, 0)).height(), 0);

        const QImage shot = view->viewport()->grab().toImage();
        ASSERT_FALSE(shot.isNull());
        // A filler row is the bare pane: nothing but the background.
        const QRect filler = view->visualRect(view->model()->index(2, 0));
        ASSERT_TRUE(filler.isValid());
        const QColor background = view->palette().color(QPalette::Window);
        const qreal ratio = shot.devicePixelRatio();
        for (const QPoint &p : {filler.center(), filler.topLeft() + QPoint(2, 2), filler.bottomRight() - QPoint(2, 2)})
            EXPECT_EQ(shot.pixelColor((QPointF(p) * ratio).toPoint()), background);
    }

    QStyleOptionViewItem option;
    option.initFrom(&bottleView);
    for (int row : {0, 1}) {
        option.rect = bottleView.visualRect(bottles.index(row));
        const QRect pin = bottleDelegate.locationIconRect(option);
        EXPECT_FALSE(pin.isEmpty());
        EXPECT_TRUE(option.rect.contains(pin)) << row;
    }
}
