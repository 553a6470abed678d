#include "platform/widgets/artwork.h"

#include "platform/data_dir.h"

#include <QColor>
#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QRegularExpression>

// The pictures live in a static library, so their registration is pulled in
// by name (outside any namespace, as Qt asks).
static void registerArt()
{
    Q_INIT_RESOURCE(art);
}

namespace ovix {

void ensureArtRegistered()
{
    static const bool registered = [] {
        registerArt();
        return true;
    }();
    (void)registered;
}

namespace {

// Larger pictures than this are not decoded (a corrupt header can claim any size).
constexpr int kLargestPictureSide = 4096;

QPixmap greyTile(int width, int height)
{
    QPixmap tile(width, height);
    tile.fill(QColor(0x9e, 0xa4, 0xab));
    return tile;
}

QPixmap resourcePicture(const QString &path, int fallbackWidth, int fallbackHeight)
{
    ensureArtRegistered();
    QPixmap picture(path);
    if (picture.isNull())
        return greyTile(fallbackWidth, fallbackHeight);
    return picture;
}

QPixmap toButtonSize(const QImage &image)
{
    return QPixmap::fromImage(image.scaled(
        kItemPictureSide, kItemPictureSide, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

// The picture in `path` when it is a readable picture of a sensible size.
QImage readPicture(const QString &path)
{
    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.isValid()
        && (size.width() > kLargestPictureSide || size.height() > kLargestPictureSide))
        return {};
    QImage image;
    if (!reader.read(&image))
        return {};
    return image;
}

// 1..24 for a name such as "STOCK7.bmp" (any case), else 0.
int stockNumber(const std::string &fileName)
{
    static const QRegularExpression pattern(
        QStringLiteral("^stock([0-9]{1,2})\\.bmp$"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(QString::fromStdString(fileName));
    if (!match.hasMatch())
        return 0;
    const int number = match.captured(1).toInt();
    return number >= 1 && number <= kStockPictureCount ? number : 0;
}

// Only plain file names in the data folder are read, never a path elsewhere.
bool isPlainName(const std::string &fileName)
{
    return !fileName.empty() && fileName.find_first_of("/\\:") == std::string::npos
        && fileName != "." && fileName != "..";
}

struct CachedPicture {
    QDateTime modified;
    qint64 size = -1;
    QPixmap picture;
};

} // namespace

QPixmap buttonPicture(const QString &name, bool pressed)
{
    const QString path = QStringLiteral(":/art/buttons/%1%2.bmp")
                             .arg(name, pressed ? QStringLiteral("_down") : QString());
    return resourcePicture(path, 48, 48);
}

QPixmap splashPicture()
{
    return resourcePicture(QStringLiteral(":/art/splash.bmp"), 400, 198);
}

QPixmap entryPanelPicture()
{
    return resourcePicture(QStringLiteral(":/art/entry_panel.bmp"), 240, 60);
}

QPixmap builtInStockPicture(int number)
{
    if (number < 1 || number > kStockPictureCount)
        number = 1;
    return resourcePicture(QStringLiteral(":/art/stock/STOCK%1.bmp").arg(number), 96, 96);
}

QPixmap itemPicture(const DataDir &dir, const std::string &fileName)
{
    const int stock = stockNumber(fileName);
    const QPixmap fallback = builtInStockPicture(stock > 0 ? stock : 1);
    if (!isPlainName(fileName))
        return toButtonSize(fallback.toImage());

    const QString path = QString::fromStdString(dir.path(fileName));
    const QFileInfo info(path);
    if (!info.isFile())
        return toButtonSize(fallback.toImage());

    static QHash<QString, CachedPicture> cache;
    const QDateTime modified = info.lastModified();
    auto found = cache.constFind(path);
    if (found != cache.constEnd() && found->modified == modified && found->size == info.size())
        return found->picture;

    const QImage image = readPicture(path);
    CachedPicture entry;
    entry.modified = modified;
    entry.size = info.size();
    entry.picture = toButtonSize(image.isNull() ? fallback.toImage() : image);
    cache.insert(path, entry);
    return entry.picture;
}

} // namespace ovix
