<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>VeskGames::ChineseBuyDialogItem</name>
    <message>
        <source>Auto Rebuy (your chips will be reloaded after each game finished)</source>
        <translation>自动补码（每局结束后自动补足筹码）</translation>
    </message>
    <message>
        <source>The bought chips will add to the game account at next game start</source>
        <translation>购买的筹码将在下一局开始时加入游戏账户</translation>
    </message>
    <message>
        <source>Buy Chips</source>
        <translation>购买筹码</translation>
    </message>
</context>
<context>
    <name>VeskGames::ChineseGameListDialogItem</name>
    <message>
        <source>Select Gaming Pool</source>
        <translation>选择游戏牌桌</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>加入</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>报名</translation>
    </message>
    <message>
        <source>Unregister</source>
        <translation>取消报名</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Web lobby</source>
        <translation>网页大厅</translation>
    </message>
</context>
<context>
    <name>VeskGames::ChineseGameSceneSideButtons</name>
    <message>
        <source>New
promotions</source>
        <translation>最新
优惠</translation>
    </message>
    <message>
        <source>Poker
school</source>
        <translation>扑克
学堂</translation>
    </message>
    <message>
        <source>No web browser could be started for this page:
%1</source>
        <translation>无法启动网页浏览器打开此页面：
%1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>VeskGames::ChineseLoginDialogItem</name>
    <message>
        <source>LOGIN</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Save username and password</source>
        <translation>保存用户名和密码</translation>
    </message>
    <message>
        <source>Forgot
password</source>
        <translation>忘记
密码</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>注册</translation>
    </message>
</context>
<context>
    <name>VeskGames::GameGridItem</name>
    <message>
        <source>Players %1/%2</source>
        <translation>玩家 %1/%2</translation>
    </message>
    <message>
        <source>Players %1</source>
        <translation>玩家 %1</translation>
    </message>
    <message>
        <source>Buy-in %1</source>
        <translation>买入 %1</translation>
    </message>
</context>
</TS>
