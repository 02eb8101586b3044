// Renders SVG pictures to PNG or JPEG through the same SVG renderer the
// program uses, and lays finished pictures out on a contact sheet.
//
//   svgrender <jobs.txt>
//     One picture a line, fields split at spaces (so paths without them):
//       <in.svg> <width> <height> <out.png|out.jpg> [options]
//     Options:
//       grain=N        fine noise of N grey levels (peak), one value a pixel
//       mottle=N:C     soft noise of N levels on cells of C pixels (felt, leather)
//       mask=FILE.svg  scales grain and mottle by the mask's brightness
//       seed=N         noise seed (default 1)
//       quality=N      JPEG quality (default 90)
//     Empty lines and lines starting with '#' are skipped.
//
//   svgrender --sheet <out.png> <width> <entry>...
//     Entries: a picture file (optionally "file=scale", e.g. "table.png=0.5"),
//     "--title=TEXT" for a heading, "--row" to start a new row.
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QSvgRenderer>
#include <QTextStream>

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

QImage render(const QString& file, const QSize& size, bool opaque)
{
    QSvgRenderer svg(file);
    if (!svg.isValid())
        return QImage();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(opaque ? Qt::black : Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    svg.render(&p, QRectF(QPointF(0, 0), size));
    return image;
}

uint32_t hash(uint32_t x, uint32_t y, uint32_t seed)
{
    uint32_t h = x * 0x8da6b343u ^ y * 0xd8163841u ^ seed * 0xcb1ab31fu;
    h ^= h >> 16;
    h *= 0x7feb352du;
    h ^= h >> 15;
    h *= 0x846ca68bu;
    h ^= h >> 16;
    return h;
}

// A value in [-1, 1] for each lattice point.
double lattice(int x, int y, uint32_t seed)
{
    return double(hash(uint32_t(x), uint32_t(y), seed) & 0xffff) / 32767.5 - 1.0;
}

// Smooth value noise: lattice values on cells of `cell` pixels, blended with
// a smoothstep, in [-1, 1].
double valueNoise(double x, double y, double cell, uint32_t seed)
{
    const double fx = x / cell;
    const double fy = y / cell;
    const int ix = int(std::floor(fx));
    const int iy = int(std::floor(fy));
    double tx = fx - ix;
    double ty = fy - iy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    const double a = lattice(ix, iy, seed) + (lattice(ix + 1, iy, seed) - lattice(ix, iy, seed)) * tx;
    const double b =
        lattice(ix, iy + 1, seed) + (lattice(ix + 1, iy + 1, seed) - lattice(ix, iy + 1, seed)) * tx;
    return a + (b - a) * ty;
}

struct Noise
{
    double grain = 0;
    double mottle = 0;
    double cell = 8;
    uint32_t seed = 1;
};

// Adds the noise to every pixel, in proportion to its alpha and to the mask.
void addNoise(QImage& image, const Noise& noise, const QImage& mask)
{
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const auto* maskLine = mask.isNull() ? nullptr : reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb px = line[x];
            const int a = qAlpha(px);
            if (a == 0)
                continue;
            const double weight = maskLine ? qGray(maskLine[x]) / 255.0 : 1.0;
            if (weight <= 0)
                continue;
            double n = 0;
            if (noise.grain > 0)
                n += noise.grain * lattice(x, y, noise.seed);
            if (noise.mottle > 0) {
                n += noise.mottle * (0.7 * valueNoise(x, y, noise.cell, noise.seed + 1) +
                                     0.3 * valueNoise(x, y, noise.cell / 2.5, noise.seed + 2));
            }
            const int delta = int(std::lround(n * weight * a / 255.0));
            auto shift = [&](int c) { return qBound(0, c + delta, a); };
            line[x] = qRgba(shift(qRed(px)), shift(qGreen(px)), shift(qBlue(px)), a);
        }
    }
}

bool runJob(const QStringList& fields, const QString& where)
{
    if (fields.size() < 4) {
        std::fprintf(stderr, "%s: want <in.svg> <width> <height> <out>\n", qPrintable(where));
        return false;
    }
    const QString in = fields.at(0);
    const QSize size(fields.at(1).toInt(), fields.at(2).toInt());
    const QString out = fields.at(3);
    const bool jpeg = out.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive);
    Noise noise;
    QString maskFile;
    int quality = 90;
    for (const QString& option : fields.mid(4)) {
        const QString key = option.section(QLatin1Char('='), 0, 0);
        const QString value = option.section(QLatin1Char('='), 1);
        if (key == QLatin1String("grain")) {
            noise.grain = value.toDouble();
        } else if (key == QLatin1String("mottle")) {
            noise.mottle = value.section(QLatin1Char(':'), 0, 0).toDouble();
            noise.cell = qMax(1.0, value.section(QLatin1Char(':'), 1).toDouble());
        } else if (key == QLatin1String("mask")) {
            maskFile = value;
        } else if (key == QLatin1String("seed")) {
            noise.seed = value.toUInt();
        } else if (key == QLatin1String("quality")) {
            quality = value.toInt();
        } else {
            std::fprintf(stderr, "%s: unknown option %s\n", qPrintable(where), qPrintable(option));
            return false;
        }
    }
    if (size.isEmpty()) {
        std::fprintf(stderr, "%s: bad size\n", qPrintable(where));
        return false;
    }
    QImage image = render(in, size, jpeg);
    if (image.isNull()) {
        std::fprintf(stderr, "%s: cannot read %s\n", qPrintable(where), qPrintable(in));
        return false;
    }
    if (noise.grain > 0 || noise.mottle > 0) {
        QImage mask;
        if (!maskFile.isEmpty()) {
            mask = render(maskFile, size, true);
            if (mask.isNull()) {
                std::fprintf(stderr, "%s: cannot read %s\n", qPrintable(where), qPrintable(maskFile));
                return false;
            }
        }
        addNoise(image, noise, mask);
    }
    const bool saved = jpeg ? image.convertToFormat(QImage::Format_RGB32).save(out, "JPG", quality)
                            : image.convertToFormat(QImage::Format_ARGB32).save(out, "PNG", 9);
    if (!saved)
        std::fprintf(stderr, "%s: cannot write %s\n", qPrintable(where), qPrintable(out));
    return saved;
}

int jobs(const QString& file)
{
    QFile list(file);
    if (!list.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(file));
        return 1;
    }
    QTextStream in(&list);
    int number = 0;
    int failed = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        ++number;
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (!runJob(line.split(QLatin1Char(' '), Qt::SkipEmptyParts),
                    file + QLatin1Char(':') + QString::number(number)))
            ++failed;
    }
    return failed ? 1 : 0;
}

int sheet(const QString& out, int width, const QStringList& entries)
{
    const int gap = 12;
    const int label = 18;
    const int heading = 30;
    struct Placed
    {
        QImage image;
        QString text;
        QRect rect;
        bool isHeading;
    };
    QList<Placed> placed;
    int x = gap;
    int y = gap;
    int rowHeight = 0;
    auto newRow = [&]() {
        if (rowHeight > 0)
            y += rowHeight + gap;
        x = gap;
        rowHeight = 0;
    };
    for (const QString& entry : entries) {
        if (entry == QLatin1String("--row")) {
            newRow();
            continue;
        }
        if (entry.startsWith(QLatin1String("--title="))) {
            newRow();
            placed.append({QImage(), entry.mid(8), QRect(gap, y, width - 2 * gap, heading), true});
            y += heading;
            continue;
        }
        const QString file = entry.section(QLatin1Char('='), 0, 0);
        const double scale =
            entry.contains(QLatin1Char('=')) ? entry.section(QLatin1Char('='), 1).toDouble() : 1.0;
        QImage image(file);
        // Show every pixel: a "@2x" file would otherwise be drawn at half size.
        image.setDevicePixelRatio(1.0);
        if (image.isNull()) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(file));
            return 1;
        }
        QString text =
            QFileInfo(file).fileName() + QStringLiteral(" %1x%2").arg(image.width()).arg(image.height());
        if (scale != 1.0) {
            image = image.scaled((image.size() * scale), Qt::KeepAspectRatio, Qt::SmoothTransformation);
            text += QStringLiteral(" (shown at %1)").arg(scale);
        }
        QFont small;
        small.setPixelSize(11);
        const int cellWidth = qMax(image.width(), QFontMetrics(small).horizontalAdvance(text) + 4);
        if (x > gap && x + cellWidth > width - gap)
            newRow();
        placed.append({image, text, QRect(x, y, cellWidth, image.height() + label), false});
        x += cellWidth + gap;
        rowHeight = qMax(rowHeight, image.height() + label);
    }
    newRow();
    QImage image(width, y, QImage::Format_RGB32);
    image.fill(QColor(0x80, 0x80, 0x80));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (const Placed& item : placed) {
        QFont f = p.font();
        f.setPixelSize(item.isHeading ? 18 : 11);
        f.setBold(item.isHeading);
        p.setFont(f);
        p.setPen(item.isHeading ? Qt::white : QColor(0x10, 0x10, 0x10));
        if (item.isHeading) {
            p.drawText(item.rect, Qt::AlignLeft | Qt::AlignVCenter, item.text);
            continue;
        }
        p.drawImage(item.rect.topLeft(), item.image);
        p.drawText(QRect(item.rect.left(), item.rect.bottom() - label + 2, item.rect.width() + gap, label),
                   Qt::AlignLeft | Qt::AlignVCenter, item.text);
    }
    p.end();
    return image.save(out, "PNG", 9) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() >= 3 && args.at(0) == QLatin1String("--sheet"))
        return sheet(args.at(1), args.at(2).toInt(), args.mid(3));
    if (args.size() == 1)
        return jobs(args.at(0));
    std::fprintf(stderr, "usage: svgrender <jobs.txt>\n"
                         "       svgrender --sheet <out.png> <width> <entry>...\n");
    return 2;
}
