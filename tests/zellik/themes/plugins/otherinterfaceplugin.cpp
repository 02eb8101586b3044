// A Qt plug-in of some other kind: the theme loader must pass it by.
#include <QObject>
#include <QtPlugin>

class OtherInterface
{
public:
    virtual ~OtherInterface() = default;
    virtual int answer() = 0;
};
Q_DECLARE_INTERFACE(OtherInterface, "com.example.OtherInterface/1.0")

class OtherPlugin : public QObject, public OtherInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "com.example.OtherInterface/1.0")
    Q_INTERFACES(OtherInterface)

public:
    int answer() override { return 42; }
};

#include "otherinterfaceplugin.moc"
