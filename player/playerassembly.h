#ifndef VESKGAMES_PLAYERASSEMBLY_H
#define VESKGAMES_PLAYERASSEMBLY_H

#include <QString>

#include <functional>
#include <memory>

namespace VeskGames {

class AbstractTheme;
class Client;
class CommandLineOptions;
class CommonController;
class Configuration;
class PlayerController;
class PokerTableView;

/// The program's objects made from its options once the application exists:
/// the server link, the theme, the table window and the controller, with
/// every option handed to the object it belongs to. The program's start and
/// the tests that drive the whole program share it.
class PlayerAssembly
{
public:
    enum Result { Built, MalformedCredentials, NoTheme };

    PlayerAssembly();
    ~PlayerAssembly();

    /// Where theme plug-ins are looked for; the program's "plugins" folder by default.
    void setPluginPath(const QString& path);
    /// Gives up the single-instance claim before a restart.
    void setInstanceRelease(std::function<void()> release);

    /// Steps 8 to 16 of the start, short of running: the window is shown.
    Result build(const CommandLineOptions& options, const Configuration& configuration);
    /// Starts the controller's machine (the update check unless disabled).
    void start();

    QString themeName() const;
    AbstractTheme* theme() const;
    Client* client() const;
    PokerTableView* view() const;
    CommonController* controller() const;
    /// The player's controller; null for the community table.
    PlayerController* player() const;

    /// The keys a player has without the keyboardCommands option.
    static QString defaultKeyboardCommands();

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
