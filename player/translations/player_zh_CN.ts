<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>VeskGames::CommonController</name>
    <message>
        <source>Communication failure</source>
        <translation>通信失败</translation>
    </message>
    <message>
        <source>Reconnect from another machine</source>
        <translation>已从另一台机器重新连接</translation>
    </message>
    <message>
        <source>Disconnected due to inactivity</source>
        <translation>因长时间无操作而断开连接</translation>
    </message>
    <message>
        <source>Unknown MAC address: %1</source>
        <translation>未知的 MAC 地址：%1</translation>
    </message>
    <message>
        <source>No available seat</source>
        <translation>没有空座位</translation>
    </message>
    <message>
        <source>Invalid username</source>
        <translation>用户名无效</translation>
    </message>
    <message>
        <source>This seat is already taken</source>
        <translation>该座位已被占用</translation>
    </message>
    <message>
        <source>You are already seated at this table</source>
        <translation>您已在此牌桌就座</translation>
    </message>
    <message>
        <source>The tournament has already started</source>
        <translation>锦标赛已经开始</translation>
    </message>
    <message>
        <source>You were removed from the game, because you were not registered when the tournament started</source>
        <translation>锦标赛开始时您尚未报名，因此已被移出游戏</translation>
    </message>
    <message>
        <source>Connection seems slow. Please wait.</source>
        <translation>连接似乎较慢，请稍候。</translation>
    </message>
    <message>
        <source>Connection problem:
</source>
        <translation>连接问题：
</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>重新启动</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
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
