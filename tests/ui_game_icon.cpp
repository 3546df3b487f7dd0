// The windows' icon set. Would catch a size mapped to the wrong picture (an off-by-one in
// the pick gives the 48-pixel dog squeezed into 32), an icon blown up past its largest
// picture, and a picture missing from the embedded set (an empty icon on the task bar).
#include "GameIcon.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

using namespace barkmoor;

namespace {

QImage Premultiplied(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

TEST(GameIconTest, EverySizeDrawnForTheSetIsOfferedAndShownAsDrawn)
{
    const QIcon icon = GameIcon();
    const QList<QSize> sizes { { 16, 16 }, { 22, 22 }, { 24, 24 }, { 32, 32 }, { 48, 48 }, { 64, 64 } };
    EXPECT_EQ(icon.availableSizes(), sizes);
    for (const QSize &size : sizes) {
        const QImage drawn(QStringLiteral(":/icons/%1.png").arg(size.width()));
        ASSERT_EQ(drawn.size(), size);
        EXPECT_EQ(Premultiplied(icon.pixmap(size).toImage()), Premultiplied(drawn)) << size.width();
    }
}

TEST(GameIconTest, SizesBetweenOrBeyondThePicturesAreNeverLargerThanAskedOrThanTheSet)
{
    const QIcon icon = GameIcon();
    EXPECT_EQ(icon.pixmap(QSize(20, 20)).size(), QSize(20, 20));
    EXPECT_EQ(icon.pixmap(QSize(128, 128)).size(), QSize(64, 64));
    EXPECT_EQ(
        Premultiplied(icon.pixmap(QSize(128, 128)).toImage()), Premultiplied(QImage(QStringLiteral(":/icons/64.png"))));
    EXPECT_EQ(icon.actualSize(QSize(256, 256)), QSize(64, 64));
}
