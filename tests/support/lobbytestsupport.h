#ifndef VESKTEST_LOBBYTESTSUPPORT_H
#define VESKTEST_LOBBYTESTSUPPORT_H

// What the lobby tests share: a bare table scene to put a dialog in, and
// server commands run to their end, as the controller hands them over.
#include "abstractpokertablescene.h"
#include "infodialogitem.h"
#include "servercommand.h"

#include <QSignalSpy>

#include <memory>

namespace LobbyTest {

class Scene : public VeskGames::AbstractPokerTableScene
{
public:
    Scene() { setSceneRect(0, 0, 1024, 768); }
    VeskGames::InfoDialogItem* createInfoDialog() override { return new VeskGames::InfoDialogItem; }
    void pushDialog(QGraphicsWidget* dialog, bool visible) override { dialog->setVisible(visible); }
    void showDialog(QGraphicsWidget* dialog) override { dialog->show(); }
};

inline std::unique_ptr<VeskGames::ServerCommand> finished(VeskGames::Client* client, const QString& method,
                                                          const QList<xmlrpc::Variant>& params = {})
{
    auto command = std::make_unique<VeskGames::ServerCommand>(client, params, method);
    QSignalSpy done(command.get(), &VeskGames::Command::done);
    command->exec();
    if (!done.wait(20000))
        qWarning("%s did not finish", qPrintable(method));
    return command;
}

} // namespace LobbyTest

#endif
