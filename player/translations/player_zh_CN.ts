<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>VeskGames::CommunityGameScene</name>
    <message>
        <source>Tournament running</source>
        <translation>锦标赛进行中</translation>
    </message>
    <message>
        <source>Players still in</source>
        <translation>剩余玩家</translation>
    </message>
</context>
<context>
    <name>VeskGames::GameScene</name>
    <message>
        <source>Pot:</source>
        <translation>底池：</translation>
    </message>
    <message>
        <source>Side pot:</source>
        <translation>边池：</translation>
    </message>
    <message>
        <source>Available
Seat</source>
        <translation>空闲
座位</translation>
    </message>
    <message>
        <source>Side pots:</source>
        <translation>边池：</translation>
    </message>
</context>
<context>
    <name>VeskGames::SplashScene</name>
    <message>
        <source>Connecting...</source>
        <translation>正在连接...</translation>
    </message>
    <message>
        <source>Checking for an updated version...</source>
        <translation>正在检查新版本...</translation>
    </message>
    <message>
        <source>Preparing for update...</source>
        <translation>正在准备更新...</translation>
    </message>
    <message>
        <source>Preparing for update failed!</source>
        <translation>准备更新失败！</translation>
    </message>
    <message>
        <source>Reconnecting, error was: %1</source>
        <translation>正在重新连接，错误信息：%1</translation>
    </message>
    <message>
        <source>Closing down...</source>
        <translation>正在关闭...</translation>
    </message>
    <message>
        <source>Downloading updater... (%1%)</source>
        <translation>正在下载更新程序...（%1%）</translation>
    </message>
</context>
</TS>
