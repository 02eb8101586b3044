// Renders every card face of the decks and every chip into one picture, at
// the sizes the table draws them, through the same SVG renderer the program
// uses. Usage:
//   contactsheet <out.png> <cards.svg> <cards_one_number.svg> <cards_simple.svg> <chips.svg>
//   contactsheet --element <file.svg> <id> <width> <height> <out.png>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QSvgRenderer>

#include <cstdio>

namespace {

const char* const kSuits[] = {"Clubs", "Diamonds", "Hearts", "Spades"};
const char* const kRanks[] = {"Ace_",   "_x32__", "_x33__",  "_x34__", "_x35__", "_x36__", "_x37__",
                              "_x38__", "_x39__", "_x31_0_", "Jack_",  "Queen_", "King_"};
const char* const kChips[] = {"_1c",  "_5c", "_25c", "_1",   "_5",    "_25",  "_100",
                              "_500", "_1k", "_5k",  "_25k", "_100k", "_500k"};
const QSize kCardSizes[] = {{36, 48}, {60, 80}, {69, 92}, {160, 200}};
const int kChipSizes[] = {25, 40, 64, 100};
const int kGap = 6;
const int kTitle = 26;

QImage renderElement(QSvgRenderer& svg, const QString& id, const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    svg.render(&p, id, QRectF(QPointF(0, 0), size));
    return image;
}

QStringList deckIds()
{
    QStringList ids;
    for (const char* suit : kSuits) {
        for (const char* rank : kRanks)
            ids << QString::fromLatin1(rank) + QString::fromLatin1(suit);
    }
    ids << QStringLiteral("Card_Back") << QStringLiteral("Joker");
    return ids;
}

void title(QPainter& p, int y, const QString& text)
{
    QFont f = p.font();
    f.setPixelSize(16);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(kGap, y, 2000, kTitle), Qt::AlignVCenter | Qt::AlignLeft, text);
}

int sheet(const QString& out, const QStringList& decks, const QString& chips)
{
    const QStringList ids = deckIds();
    // Each size: four rows of 13 faces, then the back and the joker.
    int width = 0;
    int deckHeight = kTitle;
    for (const QSize& s : kCardSizes) {
        width = qMax(width, kGap + 13 * (s.width() + kGap));
        deckHeight += 5 * (s.height() + kGap) + kGap;
    }
    int chipHeight = kTitle;
    for (int s : kChipSizes) {
        width = qMax(width, kGap + 13 * (s + kGap));
        chipHeight += s + kGap;
    }
    const int height = int(decks.size()) * deckHeight + chipHeight + kGap;

    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(0x1f, 0x5e, 0x3a));
    QPainter p(&image);
    int y = 0;
    for (const QString& file : decks) {
        QSvgRenderer svg(file);
        if (!svg.isValid()) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(file));
            return 1;
        }
        title(p, y, QFileInfo(file).fileName() + QStringLiteral(" at 36x48, 60x80, 69x92, 160x200"));
        y += kTitle;
        for (const QSize& s : kCardSizes) {
            for (int i = 0; i < ids.size(); ++i) {
                const int row = i / 13;
                const int col = i % 13;
                if (!svg.elementExists(ids.at(i))) {
                    std::fprintf(stderr, "%s: no element %s\n", qPrintable(file), qPrintable(ids.at(i)));
                    return 1;
                }
                p.drawImage(kGap + col * (s.width() + kGap), y + row * (s.height() + kGap),
                            renderElement(svg, ids.at(i), s));
            }
            y += 5 * (s.height() + kGap) + kGap;
        }
    }
    QSvgRenderer svg(chips);
    title(p, y, QFileInfo(chips).fileName() + QStringLiteral(" at 25, 40, 64, 100"));
    y += kTitle;
    for (int s : kChipSizes) {
        int x = kGap;
        for (const char* chip : kChips) {
            const QString id = QStringLiteral("chip") + QString::fromLatin1(chip);
            if (!svg.elementExists(id)) {
                std::fprintf(stderr, "%s: no element %s\n", qPrintable(chips), qPrintable(id));
                return 1;
            }
            p.drawImage(x, y, renderElement(svg, id, QSize(s, s)));
            x += s + kGap;
        }
        y += s + kGap;
    }
    p.end();
    return image.save(out, "PNG", 9) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 6 && args.at(0) == QLatin1String("--element")) {
        QSvgRenderer svg(args.at(1));
        const QImage img = renderElement(svg, args.at(2), QSize(args.at(3).toInt(), args.at(4).toInt()));
        return img.save(args.at(5)) ? 0 : 1;
    }
    // Any number of decks, the chips last.
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: contactsheet <out.png> <deck.svg>... <chips.svg>\n");
        return 2;
    }
    return sheet(args.at(0), args.mid(1, args.size() - 2), args.last());
}
