// A lazy icon engine: QIcon::addFile would decode every picture when the icon is made.
#include "GameIcon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <array>

namespace barkmoor {
namespace {

constexpr std::array<int, 6> Sizes { 16, 22, 24, 32, 48, 64 };

class IconSet final : public QIconEngine {
public:
    QIconEngine *clone() const override { return new IconSet(*this); }
    QString key() const override { return QStringLiteral("BarkmoorIconSet"); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const int size : Sizes)
            sizes.append(QSize(size, size));
        return sizes;
    }

    // As large as asked for, but never larger than the largest picture.
    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int side = std::min({ size.width(), size.height(), Sizes.back() });
        return QSize(side, side);
    }

    // The smallest picture at least as large as wanted, scaled down when it is larger.
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        const QSize wanted = actualSize(size, mode, state);
        if (wanted.isEmpty())
            return {};
        const auto pick = std::lower_bound(Sizes.begin(), Sizes.end(), wanted.width()) - Sizes.begin();
        QPixmap &picture = pictures[pick];
        if (picture.isNull())
            picture.load(QStringLiteral(":/icons/%1.png").arg(Sizes[pick]));
        if (picture.size() == wanted)
            return picture;
        return picture.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

private:
    std::array<QPixmap, Sizes.size()> pictures;
};

} // namespace

QIcon GameIcon()
{
    return QIcon(new IconSet);
}

} // namespace barkmoor
