// Resident memory of the program's screens, with and without a web page:
// the web engine must cost nothing until a page is shown. Prints one line
// per stage: RSS of this process plus that of every process it started.
#include "abstractpokertablescene.h"
#include "defaulttheme.h"
#include "gamelistdialogitem.h"
#include "infodialogitem.h"
#include "localresources.h"
#include "logindialogitem.h"
#include "playeritem.h"
#include "webdialogitem.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QGraphicsView>
#include <QTextStream>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

using namespace VeskGames;

namespace {

class Scene : public AbstractPokerTableScene
{
public:
    Scene() { setSceneRect(0, 0, 1024, 768); }
    InfoDialogItem* createInfoDialog() override { return new InfoDialogItem; }
    void pushDialog(QGraphicsWidget* dialog, bool visible) override { dialog->setVisible(visible); }
    void showDialog(QGraphicsWidget* dialog) override { dialog->show(); }
};

qint64 rssKb(int pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

// This process and everything below it (the web engine's helpers).
qint64 treeKb(int pid)
{
    qint64 total = rssKb(pid);
    const QDir proc(QStringLiteral("/proc"));
    for (const QString& entry : proc.entryList(QDir::Dirs)) {
        bool ok = false;
        const int child = entry.toInt(&ok);
        if (!ok)
            continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(child));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray text = stat.readAll();
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (fields.value(1).toInt() == pid)
            total += treeKb(child);
    }
    return total;
}

void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void settle(QGraphicsView& view)
{
    for (int i = 0; i < 20; ++i) {
        view.viewport()->repaint();
        wait(50);
    }
}

void report(const char* stage, QGraphicsView& view)
{
    settle(view);
    std::printf("%-34s %8.1f MiB\n", stage, treeKb(int(getpid())) / 1024.0);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const QString url = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    LocalResources::setSearchPaths({QStringLiteral(":")});
    DefaultTheme theme;
    Scene scene;
    QGraphicsView view(&scene);
    view.resize(1024, 768);
    view.show();
    report("start", view);

    auto* login = theme.createLoginDialogItem(&scene);
    scene.addItem(login);
    login->centerDialog();
    report("login dialog", view);
    delete login;

    auto* lobby = theme.createGameListDialogItem(nullptr, {}, &scene);
    report("lobby", view);
    delete lobby;

    for (int seat = 0; seat < 9; ++seat) {
        AbstractPlayerItem* item = theme.createPlayerItem();
        scene.addItem(item);
        item->setPos(theme.playerPositions(9).value(seat));
        item->setPlayerName(seat, QStringLiteral("player%1").arg(seat), true, QString());
        item->setPlayerStack(100);
    }
    report("table, 9 seats", view);
    std::printf("%-34s %8s\n", "web engine started", WebDialogItem::webEngineStarted() ? "yes" : "no");

    if (url.isEmpty())
        return 0;
    auto* web = new WebDialogItem;
    web->setTheme(&theme);
    scene.addItem(web);
    QEventLoop loading;
    QObject::connect(web, &WebDialogItem::loadFinished, &loading, &QEventLoop::quit);
    QTimer::singleShot(30000, &loading, &QEventLoop::quit);
    web->setUrl(QUrl(url));
    loading.exec();
    web->centerDialog();
    report("table + web page", view);
    web->hide();
    report("table, web page closed", view);
    return 0;
}
