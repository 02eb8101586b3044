// The hand-history dialog: hands apart by a rule, server texts shown as text
// and never as markup, and the hands kept by Save and Copy.
#include "defaulttheme.h"
#include "gamehistorydialogitem.h"
#include "handrecordreader.h"
#include "handrecords.h"
#include "localresources.h"
#include "pushbuttonitem.h"
#include "scratchfiles.h"

#include <QApplication>
#include <QClipboard>
#include <QGraphicsScene>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFragment>
#include <QUrl>

using VeskGames::GameHistoryDialogItem;

namespace {

QString handOf(const QString& name, const char* action = "actionFold")
{
    return recordOf(handOpening(0x1001, 0.5, 1, 0, {name, "bob"})) +
           recordOf({{{action, true}, {"position", 1}}});
}

int rules(const QTextDocument* document)
{
    return document->toHtml().count(QStringLiteral("<hr"));
}

/// Whether anything in the document is an image or a link: markup that got through.
bool hasMarkup(const QTextDocument* document)
{
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            // The dialog's own links to the replays are the only markup allowed.
            const bool foreignLink = format.isAnchor() && !format.anchorHref().startsWith("replay:");
            if (format.isImageFormat() || foreignLink || format.fontWeight() > QFont::Normal)
                return true;
        }
    }
    return false;
}

} // namespace

class TestGameHistoryDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void loading()
    {
        GameHistoryDialogItem dialog;
        QCOMPARE(dialog.textEdit()->toPlainText(), QString("Loading..."));
        QVERIFY(dialog.textEdit()->isReadOnly());
        QVERIFY(!dialog.saveButton()->isEnabled());
    }

    void handsApartByARule_data()
    {
        QTest::addColumn<QVariantList>("records");
        QTest::addColumn<int>("hands");
        QTest::addColumn<int>("rules");
        QTest::addColumn<bool>("problem");

        const QString good = handOf("alice");
        QTest::newRow("one hand, no rule") << QVariantList{good} << 1 << 0 << false;
        QTest::newRow("three hands, two rules") << QVariantList{good, good, good} << 3 << 2 << false;
        QTest::newRow("a bad hand stops the reading, its rule stays")
            << QVariantList{good, good, "{\"broken\":", good} << 2 << 2 << true;
        QTest::newRow("a bad first hand shows nothing") << QVariantList{"nonsense", good} << 0 << 0 << true;
        QTest::newRow("no hands") << QVariantList{} << 0 << 0 << false;
    }

    void handsApartByARule()
    {
        QFETCH(QVariantList, records);
        QFETCH(int, hands);
        QFETCH(int, rules);
        QFETCH(bool, problem);
        GameHistoryDialogItem dialog;
        dialog.slotGameHistoryEvent(records);
        QCOMPARE(dialog.hands().size(), hands);
        QCOMPARE(::rules(dialog.textEdit()->document()), rules);
        QCOMPARE(dialog.textEdit()->toPlainText().count("alice: folds"), hands);
        QCOMPARE(!dialog.problem().isEmpty(), problem);
        QCOMPARE(dialog.saveButton()->isEnabled(), hands > 0);
        QCOMPARE(dialog.copyButton()->isEnabled(), hands > 0);
    }

    void eachRenderingStartsEmpty()
    {
        GameHistoryDialogItem dialog;
        dialog.slotGameHistoryEvent({handOf("alice"), handOf("alice")});
        dialog.slotGameHistoryEvent({handOf("zoe")});
        QCOMPARE(dialog.textEdit()->toPlainText(), QString("Replay\nzoe: folds"));
        QCOMPARE(rules(dialog.textEdit()->document()), 0);
    }

    void hostileNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("bold") << "<b>x</b>";
        QTest::newRow("image") << "<img src=\"http://127.0.0.1:1/x.png\">";
        QTest::newRow("link") << "<a href=\"http://example.invalid/\">win</a>";
        QTest::newRow("entity") << "&lt;&amp;";
        QTest::newRow("script") << "<script>alert(1)</script>";
        QTest::newRow("a line break and a rule") << "a<br><hr>b";
        QTest::newRow("an unclosed tag") << "<table><tr><td";
    }

    void hostileNames()
    {
        QFETCH(QString, name);
        GameHistoryDialogItem dialog;
        dialog.slotGameHistoryEvent({handOf(name, "actionCheck")});
        QCOMPARE(dialog.problem(), QString());
        const QTextDocument* document = dialog.textEdit()->document();
        QCOMPARE(dialog.textEdit()->toPlainText(), "Replay\n" + name + ": checks");
        QVERIFY(!hasMarkup(document));
        QCOMPARE(rules(document), 0);
        QCOMPARE(document->blockCount(), 1);
    }

    void eachHandLinksToItsReplay()
    {
        GameHistoryDialogItem dialog;
        const QVariantList records{handOf("alice"), handOf("bob"), "{\"broken\":"};
        dialog.slotGameHistoryEvent(records);
        // Only the hands shown can be replayed.
        QCOMPARE(dialog.replayCount(), 2);
        QStringList links;
        const QTextDocument* document = dialog.textEdit()->document();
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                if (it.fragment().charFormat().isAnchor())
                    links << it.fragment().charFormat().anchorHref();
            }
        }
        QCOMPARE(links, QStringList({"replay:0", "replay:1"}));
        QSignalSpy asked(&dialog, &GameHistoryDialogItem::replayRequested);
        auto* browser = qobject_cast<QTextBrowser*>(dialog.textEdit());
        QVERIFY(browser);
        Q_EMIT browser->anchorClicked(QUrl("replay:1"));
        Q_EMIT browser->anchorClicked(QUrl("replay:7"));
        Q_EMIT browser->anchorClicked(QUrl("http://example.invalid/"));
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked.at(0).at(0).toString(), records.at(1).toString());
        // The text that is kept has no link words in it.
        QVERIFY(!dialog.plainText().contains("Replay"));
    }

    void keepingTheHands()
    {
        GameHistoryDialogItem dialog;
        dialog.slotGameHistoryEvent({handOf("alice"), handOf("<i>eve</i>", "actionCheck")});
        const QString text = "alice: folds\n\n<i>eve</i>: checks\n";
        QCOMPARE(dialog.plainText(), text);

        QTemporaryDir dir;
        QString error;
        QVERIFY(dialog.saveTo(dir.filePath("hands.txt"), &error));
        QCOMPARE(readFile(dir.filePath("hands.txt")), text.toUtf8());
        QVERIFY(!dialog.saveTo(dir.filePath("missing/folder/hands.txt"), &error));
        QVERIFY(!error.isEmpty());

        QGuiApplication::clipboard()->clear();
        dialog.copyButton()->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), text);
    }

    void defaultFileName_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("file");
        QTest::newRow("a table") << "Helsinki 0.50/1"
                                 << "Helsinki 0.50_1 2026-12-08.txt";
        QTest::newRow("no table name") << ""
                                       << "Hand History 2026-12-08.txt";
        QTest::newRow("a path") << "../../etc/passwd"
                                << "_.._etc_passwd 2026-12-08.txt";
        QTest::newRow("control characters") << "a\nb\tc:d"
                                            << "a_b_c_d 2026-12-08.txt";
    }

    void defaultFileName()
    {
        QFETCH(QString, table);
        QFETCH(QString, file);
        GameHistoryDialogItem dialog;
        dialog.setTableName(table);
        QCOMPARE(dialog.defaultFileName(QDate(2026, 12, 8)), file);
    }

    void screenshot()
    {
        // Three hands the server played, on the table's own look.
        VeskGames::LocalResources::setSearchPaths({QStringLiteral(":")});
        VeskGames::DefaultTheme theme;
        QStringList records;
        QString error;
        QVERIFY(VeskGames::HandRecordReader::read(readFile(QStringLiteral(DATA_DIR "/three-hands.json")),
                                                  &records, &error));
        QGraphicsScene scene(0, 0, 1024, 768);
        scene.setBackgroundBrush(QColor(17, 90, 70));
        auto* dialog = new GameHistoryDialogItem;
        scene.addItem(dialog);
        dialog->setTheme(&theme);
        dialog->slotGameHistoryEvent(QVariant(records).toList());
        QCOMPARE(dialog->hands().size(), 3);
        dialog->centerDialog();
        dialog->textEdit()->verticalScrollBar()->setValue(dialog->textEdit()->verticalScrollBar()->maximum() /
                                                          3);
        QCoreApplication::processEvents();
        const QRectF area = dialog->sceneBoundingRect().adjusted(-20, -20, 20, 20);
        for (int ratio : {1, 2}) {
            QImage image((area.size() * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(ratio);
            image.fill(Qt::black);
            QPainter painter(&image);
            scene.render(&painter, QRectF(QPointF(), area.size()), area);
            painter.end();
            QVERIFY(image.save(QStringLiteral(SCREENSHOT_DIR "/handhistory-%1x.png").arg(ratio)));
        }
    }

    void inAScene()
    {
        // Laid out with room for its text and its buttons.
        QGraphicsScene scene(0, 0, 1024, 768);
        auto* dialog = new GameHistoryDialogItem;
        scene.addItem(dialog);
        dialog->slotGameHistoryEvent({handOf("alice")});
        dialog->centerDialog();
        const QRectF box = dialog->geometry();
        QVERIFY(scene.sceneRect().contains(box));
        QVERIFY(box.width() >= dialog->textEdit()->width());
        const QRectF save = dialog->saveButton()->mapRectToItem(dialog, dialog->saveButton()->rect());
        QVERIFY(dialog->rect().contains(save));
    }
};

QTEST_MAIN(TestGameHistoryDialog)
#include "tst_gamehistorydialog.moc"
