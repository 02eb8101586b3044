<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>GameListRows</name>
    <message>
        <source>Start Date</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>游戏</translation>
    </message>
    <message>
        <source>Prize Pool</source>
        <translation>奖池</translation>
    </message>
    <message>
        <source>Registered</source>
        <translation>已报名</translation>
    </message>
    <message>
        <source>Pool</source>
        <translation>牌桌</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>限注</translation>
    </message>
    <message>
        <source>Blinds</source>
        <translation>盲注</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>座位</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>玩家</translation>
    </message>
    <message>
        <source>%1 + %2</source>
        <translation>%1 + %2</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
</context>
<context>
    <name>TextUtils</name>
    <message>
        <source>%1%2</source>
        <translation>%1%2</translation>
    </message>
    <message>
        <source>Sit &amp; Go</source>
        <translation>坐满即玩</translation>
    </message>
    <message>
        <source>Texas Hold&apos;em</source>
        <translation>德州扑克</translation>
    </message>
    <message>
        <source>Omaha</source>
        <translation>奥马哈</translation>
    </message>
    <message>
        <source>Freeroll</source>
        <translation>免费赛</translation>
    </message>
    <message>
        <source>SnG</source>
        <translation>SNG</translation>
    </message>
    <message>
        <source>Texas</source>
        <translation>德州</translation>
    </message>
    <message>
        <source>NL</source>
        <translation>无限注</translation>
    </message>
    <message>
        <source>PL</source>
        <translation>底池限注</translation>
    </message>
    <message>
        <source>Unknown limit type</source>
        <translation>未知限注类型</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>第1名</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>第2名</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>第3名</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>第4名</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>第5名</translation>
    </message>
    <message>
        <source>6th</source>
        <translation>第6名</translation>
    </message>
    <message>
        <source>7th</source>
        <translation>第7名</translation>
    </message>
    <message>
        <source>8th</source>
        <translation>第8名</translation>
    </message>
    <message>
        <source>9th</source>
        <translation>第9名</translation>
    </message>
    <message>
        <source>10th</source>
        <translation>第10名</translation>
    </message>
</context>
<context>
    <name>VeskGames::AbstractLoginDialogItem</name>
    <message>
        <source>NOTE! Do not save your password unless you are sure
no-one else has access to this computer!</source>
        <translation>注意！除非您确定没有其他人能使用这台电脑，
否则请不要保存密码！</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>Logging in</source>
        <translation>正在登录</translation>
    </message>
    <message>
        <source>Invalid username and/or password!</source>
        <translation>用户名或密码错误！</translation>
    </message>
</context>
<context>
    <name>VeskGames::BuyDialogItem</name>
    <message>
        <source>Buy Chips</source>
        <translation>购买筹码</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>余额</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金额</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>正在加载...</translation>
    </message>
    <message>
        <source>Please choose your chip amount</source>
        <translation>请选择筹码金额</translation>
    </message>
    <message>
        <source>Enable automatic re-buyin</source>
        <translation>启用自动补充筹码</translation>
    </message>
    <message>
        <source>The bought chips will be added at the beginning of next hand</source>
        <translation>购买的筹码将在下一手牌开始时添加</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Cashier</source>
        <translation>收银台</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Table limits: %1 to %2</source>
        <translation>牌桌筹码范围：%1 至 %2</translation>
    </message>
    <message>
        <source>Unable to rebuy due to limited balance</source>
        <translation>余额不足，无法补充筹码</translation>
    </message>
    <message>
        <source>Unable to rebuy due to big stack</source>
        <translation>筹码过多，无法补充筹码</translation>
    </message>
    <message>
        <source>Amount of chips allowed at table</source>
        <translation>牌桌允许的筹码金额</translation>
    </message>
</context>
<context>
    <name>VeskGames::Client</name>
    <message>
        <source>SSL error:</source>
        <translation>SSL 错误：</translation>
    </message>
    <message>
        <source>The server has restarted. If a game was in progress,
the last hand will have been invalidated and funds returned to your
account. Please restart the application to join a new game.</source>
        <translation>服务器已重新启动。如果当时有牌局正在进行，
最后一手牌已作废，相关资金已退回您的账户。
请重新启动程序以加入新的牌局。</translation>
    </message>
</context>
<context>
    <name>VeskGames::GameListDialogItem</name>
    <message>
        <source>Lobby</source>
        <translation>大厅</translation>
    </message>
    <message>
        <source>Cash Games</source>
        <translation>现金桌</translation>
    </message>
    <message>
        <source>Freerolls</source>
        <translation>免费赛</translation>
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
        <source>Details</source>
        <translation>详情</translation>
    </message>
    <message>
        <source>Load details failed...</source>
        <translation>无法加载详情。</translation>
    </message>
</context>
<context>
    <name>VeskGames::GameSceneSideButtons</name>
    <message>
        <source>Join
new game</source>
        <translation>加入
新牌局</translation>
    </message>
    <message>
        <source>Stay
and watch</source>
        <translation>留下
观战</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>回到牌桌</translation>
    </message>
    <message>
        <source>Sit Out</source>
        <translation>暂离</translation>
    </message>
    <message>
        <source>Payout</source>
        <translation>奖金</translation>
    </message>
    <message>
        <source>Buy Chips</source>
        <translation>购买筹码</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>VeskGames::KioskBetter</name>
    <message>
        <source>Min</source>
        <translation>最小</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>最大</translation>
    </message>
</context>
<context>
    <name>VeskGames::LobbySideButtons</name>
    <message>
        <source>Cashier</source>
        <translation>收银台</translation>
    </message>
    <message>
        <source>Hand
History</source>
        <translation>手牌
记录</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>VeskGames::LoginDialogItem</name>
    <message>
        <source>User Login</source>
        <translation>用户登录</translation>
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
        <translation>记住用户名和密码</translation>
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
        <source>Signup</source>
        <translation>注册</translation>
    </message>
</context>
<context>
    <name>VeskGames::PlayerItemBase</name>
    <message>
        <source>Raise</source>
        <translation>加注</translation>
    </message>
    <message>
        <source>Fold</source>
        <translation>弃牌</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>跟注</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>下注</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>过牌</translation>
    </message>
    <message>
        <source>Muck</source>
        <translation>盖牌</translation>
    </message>
    <message>
        <source>All-in</source>
        <translation>全下</translation>
    </message>
    <message>
        <source>Sit out</source>
        <translation>暂离</translation>
    </message>
    <message>
        <source>Joining</source>
        <translation>加入中</translation>
    </message>
    <message>
        <source>Leaving</source>
        <translation>离开中</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>玩家%1</translation>
    </message>
    <message>
        <source>%1 sec</source>
        <translation>%1秒</translation>
    </message>
</context>
<context>
    <name>VeskGames::SafeWebPage</name>
    <message>
        <source>Web pages cannot be shown: the web engine is not installed.</source>
        <translation>无法显示网页：未安装网页引擎。</translation>
    </message>
    <message>
        <source>Web pages cannot be shown to the root user with the sandbox on.</source>
        <translation>沙箱开启时无法向 root 用户显示网页。</translation>
    </message>
</context>
<context>
    <name>VeskGames::WebDialogItem</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>The page stopped working. Close it and open it again.</source>
        <translation>页面已停止工作。请关闭后重新打开。</translation>
    </message>
    <message>
        <source>The server did not open this page for you. Please try again later.</source>
        <translation>服务器未为您打开此页面。请稍后再试。</translation>
    </message>
</context>
</TS>
