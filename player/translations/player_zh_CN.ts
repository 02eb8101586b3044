<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>QObject</name>
    <message>
        <source>ace</source>
        <translation>A</translation>
    </message>
    <message>
        <source>two</source>
        <translation>2</translation>
    </message>
    <message>
        <source>three</source>
        <translation>3</translation>
    </message>
    <message>
        <source>four</source>
        <translation>4</translation>
    </message>
    <message>
        <source>five</source>
        <translation>5</translation>
    </message>
    <message>
        <source>six</source>
        <translation>6</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>7</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>8</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>9</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>10</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>J</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>king</source>
        <translation>K</translation>
    </message>
    <message>
        <source>aces</source>
        <translation>A</translation>
    </message>
    <message>
        <source>twos</source>
        <translation>2</translation>
    </message>
    <message>
        <source>threes</source>
        <translation>3</translation>
    </message>
    <message>
        <source>fours</source>
        <translation>4</translation>
    </message>
    <message>
        <source>fives</source>
        <translation>5</translation>
    </message>
    <message>
        <source>sixes</source>
        <translation>6</translation>
    </message>
    <message>
        <source>sevens</source>
        <translation>7</translation>
    </message>
    <message>
        <source>eights</source>
        <translation>8</translation>
    </message>
    <message>
        <source>nines</source>
        <translation>9</translation>
    </message>
    <message>
        <source>tens</source>
        <translation>10</translation>
    </message>
    <message>
        <source>jacks</source>
        <translation>J</translation>
    </message>
    <message>
        <source>queens</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>kings</source>
        <translation>K</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>high card, %1</source>
        <translation>高牌，%1</translation>
    </message>
    <message>
        <source>one pair, %1</source>
        <translation>一对，%1</translation>
    </message>
    <message>
        <source>two pairs, %1 over %2</source>
        <translation>两对，%1 和 %2</translation>
    </message>
    <message>
        <source>three of a kind, %1</source>
        <translation>三条，%1</translation>
    </message>
    <message>
        <source>a straight, %1 high</source>
        <translation>顺子，%1 高</translation>
    </message>
    <message>
        <source>a flush, %1 high</source>
        <translation>同花，%1 高</translation>
    </message>
    <message>
        <source>a full house, %1 full of %2</source>
        <translation>葫芦，%1 带 %2</translation>
    </message>
    <message>
        <source>four of a kind, %1</source>
        <translation>四条，%1</translation>
    </message>
    <message>
        <source>a straight flush, %1 high</source>
        <translation>同花顺，%1 高</translation>
    </message>
    <message>
        <source>a royal straight flush</source>
        <translation>皇家同花顺</translation>
    </message>
    <message>
        <source>VeskPoker Game #%1, %2/%3, ante: %4, %5 %6</source>
        <translation>VeskPoker 牌局 #%1，%2/%3，底注：%4，%5 %6</translation>
    </message>
    <message>
        <source>VeskPoker Game #%1, %2/%3, %4 %5</source>
        <translation>VeskPoker 牌局 #%1，%2/%3，%4 %5</translation>
    </message>
    <message>
        <source>VeskPoker Game #%1, ante: %2, %3 %4</source>
        <translation>VeskPoker 牌局 #%1，底注：%2，%3 %4</translation>
    </message>
    <message>
        <source>Table %1-max Seat #%2 is the dealer</source>
        <translation>%1 人桌，%2 号座位是庄家</translation>
    </message>
    <message>
        <source>Seat %1: %2 (%3 in chips)</source>
        <translation>座位 %1：%2（%3 筹码）</translation>
    </message>
    <message>
        <source>%1: posts ante %2</source>
        <translation>%1：下底注 %2</translation>
    </message>
    <message>
        <source>%1: posts small blind %2</source>
        <translation>%1：下小盲注 %2</translation>
    </message>
    <message>
        <source>%1: posts big blind %2</source>
        <translation>%1：下大盲注 %2</translation>
    </message>
    <message>
        <source>*** HOLE CARDS ***</source>
        <translation>*** 底牌 ***</translation>
    </message>
    <message>
        <source>*** SHOW DOWN ***</source>
        <translation>*** 摊牌 ***</translation>
    </message>
    <message>
        <source>*** SUMMARY ***</source>
        <translation>*** 总结 ***</translation>
    </message>
    <message>
        <source>Total pot %1</source>
        <translation>总底池 %1</translation>
    </message>
    <message>
        <source>Fee %1</source>
        <translation>服务费 %1</translation>
    </message>
    <message>
        <source>Total pot %1 | Rake %2</source>
        <translation>总底池 %1 | 抽水 %2</translation>
    </message>
    <message>
        <source>Board  [%1]</source>
        <translation>公共牌  [%1]</translation>
    </message>
    <message>
        <source>Dealt to %1 [%2]</source>
        <translation>发给 %1 [%2]</translation>
    </message>
    <message>
        <source>*** FLOP *** [%1]</source>
        <translation>*** 翻牌 *** [%1]</translation>
    </message>
    <message>
        <source>*** TURN *** [%1] [%2]</source>
        <translation>*** 转牌 *** [%1] [%2]</translation>
    </message>
    <message>
        <source>*** RIVER *** [%1] [%2]</source>
        <translation>*** 河牌 *** [%1] [%2]</translation>
    </message>
    <message>
        <source>%1: shows [%2]</source>
        <translation>%1：亮牌 [%2]</translation>
    </message>
    <message>
        <source>%1: bets %2 and is all-in</source>
        <translation>%1：下注 %2 并全下</translation>
    </message>
    <message>
        <source>%1: raises %2 to %3 and is all-in</source>
        <translation>%1：加注 %2 至 %3 并全下</translation>
    </message>
    <message>
        <source>%1: calls %2 and is all-in</source>
        <translation>%1：跟注 %2 并全下</translation>
    </message>
    <message>
        <source>%1: calls %2</source>
        <translation>%1：跟注 %2</translation>
    </message>
    <message>
        <source>%1: checks</source>
        <translation>%1：过牌</translation>
    </message>
    <message>
        <source>%1: bets %2</source>
        <translation>%1：下注 %2</translation>
    </message>
    <message>
        <source>%1: raises %2 to %3</source>
        <translation>%1：加注 %2 至 %3</translation>
    </message>
    <message>
        <source>%1: folds</source>
        <translation>%1：弃牌</translation>
    </message>
    <message>
        <source>Uncalled bet (%1) returned to %2</source>
        <translation>未被跟注的下注 (%1) 退还给 %2</translation>
    </message>
    <message>
        <source>%1 wins %2</source>
        <translation>%1 赢得 %2</translation>
    </message>
    <message>
        <source>%1 wins %2 with %3</source>
        <translation>%1 以 %3 赢得 %2</translation>
    </message>
    <message>
        <source>%1: mucks</source>
        <translation>%1：盖牌</translation>
    </message>
    <message>
        <source>%1: finished %2 and won %3</source>
        <translation>%1：获得%2并赢得 %3</translation>
    </message>
    <message>
        <source>%1: finished %2</source>
        <translation>%1：获得%2</translation>
    </message>
    <message>
        <source>The hand-history script could not be read.</source>
        <translation>无法读取牌局记录脚本。</translation>
    </message>
    <message>
        <source>The hand-history script failed: %1</source>
        <translation>牌局记录脚本出错：%1</translation>
    </message>
    <message>
        <source>The hand-history script has no parser.</source>
        <translation>牌局记录脚本没有解析函数。</translation>
    </message>
    <message>
        <source>Hand %1 is too long to read.</source>
        <translation>第 %1 手牌记录过长，无法读取。</translation>
    </message>
    <message>
        <source>Hand %1 took too long to read.</source>
        <translation>读取第 %1 手牌耗时过长。</translation>
    </message>
    <message>
        <source>Hand %1 could not be read: %2</source>
        <translation>无法读取第 %1 手牌：%2</translation>
    </message>
    <message>
        <source>not a list of hand records: %1 at byte %2</source>
        <translation>不是牌局记录列表：第 %2 字节处 %1</translation>
    </message>
    <message>
        <source>entry %1 of the list is not a hand record</source>
        <translation>列表第 %1 项不是牌局记录</translation>
    </message>
    <message>
        <source>line %1 is not a hand record</source>
        <translation>第 %1 行不是牌局记录</translation>
    </message>
    <message>
        <source>no hand records</source>
        <translation>没有牌局记录</translation>
    </message>
    <message>
        <source>not a hand record</source>
        <translation>不是牌局记录</translation>
    </message>
    <message>
        <source>unexpected text at character %1</source>
        <translation>第 %1 个字符处有意外的文本</translation>
    </message>
    <message>
        <source>the record ends inside an event</source>
        <translation>记录在事件中途结束</translation>
    </message>
    <message>
        <source>cards &quot;%1&quot; are not two hexadecimal digits each</source>
        <translation>牌“%1”不是每张两位十六进制数字</translation>
    </message>
    <message>
        <source>event %1: %2</source>
        <translation>事件 %1：%2</translation>
    </message>
    <message>
        <source>event %1: a second set of game parameters</source>
        <translation>事件 %1：第二组游戏参数</translation>
    </message>
    <message>
        <source>the record does not begin with the game&apos;s parameters</source>
        <translation>记录没有以游戏参数开头</translation>
    </message>
    <message>
        <source>event %1: &quot;%2&quot; does not belong in a hand</source>
        <translation>事件 %1：“%2”不属于一手牌</translation>
    </message>
    <message>
        <source>the record holds no events</source>
        <translation>记录中没有事件</translation>
    </message>
</context>
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
    <message numerus="yes">
        <source>Seconds left: %n</source>
        <translation>
            <numerusform>剩余秒数：%n</numerusform>
        </translation>
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
    <name>VeskGames::FreerollBustedDialogItem</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Congratulations!
You finished in %1 place and won %2!</source>
        <translation>恭喜！
您获得第%1名，赢得%2！</translation>
    </message>
    <message>
        <source>You finished in %1 place and won %2!</source>
        <translation>您获得第%1名，赢得%2！</translation>
    </message>
    <message>
        <source>You finished in %1 place!</source>
        <translation>您获得第%1名！</translation>
    </message>
</context>
<context>
    <name>VeskGames::GameHistoryDialogItem</name>
    <message>
        <source>Hand History</source>
        <translation>牌局记录</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>正在加载...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>保存...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Save Hand History</source>
        <translation>保存牌局记录</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>文本文件 (*.txt)</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>已保存到 %1</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>无法保存 %1：%2</translation>
    </message>
    <message numerus="yes">
        <source>Copied %n hand(s) to the clipboard.</source>
        <translation>
            <numerusform>已将 %n 手牌复制到剪贴板。</numerusform>
        </translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>回放</translation>
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
    <name>VeskGames::PlayerController</name>
    <message>
        <source>Login failed, please try again</source>
        <translation>登录失败，请重试</translation>
    </message>
    <message>
        <source>Authentication failed, exiting.</source>
        <translation>身份验证失败，正在退出。</translation>
    </message>
    <message>
        <source>Invalid and/or existing username</source>
        <translation>用户名无效或已存在</translation>
    </message>
    <message>
        <source>The buy-in was refused.</source>
        <translation>买入被拒绝。</translation>
    </message>
    <message>
        <source>Tournament is running. You cannot leave the game.</source>
        <translation>锦标赛正在进行，您不能离开游戏。</translation>
    </message>
    <message>
        <source>Please wait, leaving pool.</source>
        <translation>请稍候，正在离开牌池。</translation>
    </message>
    <message>
        <source>The player has left the table!
You can take the seat once the ongoing hand has finished!</source>
        <translation>玩家已离开牌桌！
当前牌局结束后即可入座！</translation>
    </message>
    <message>
        <source>You are registered!</source>
        <translation>您已报名！</translation>
    </message>
    <message>
        <source>Unregister</source>
        <translation>取消报名</translation>
    </message>
    <message>
        <source>This hand cannot be replayed: %1</source>
        <translation>这手牌无法回放：%1</translation>
    </message>
</context>
<context>
    <name>VeskGames::PlayerGameScene</name>
    <message>
        <source>Fold</source>
        <translation>弃牌</translation>
    </message>
    <message>
        <source>Pot</source>
        <translation>底池</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>跟注</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>过牌</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>加注</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>下注</translation>
    </message>
    <message>
        <source>All-in</source>
        <translation>全下</translation>
    </message>
    <message>
        <source>Join
new game</source>
        <translation>加入
新游戏</translation>
    </message>
    <message>
        <source>Confirm Close</source>
        <translation>确认关闭</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Sitting Out</source>
        <translation>暂离</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>锁定</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>%1 %2
Ante: %3 (%4 min)</source>
        <translation>%1 %2
前注：%3（%4 分钟）</translation>
    </message>
    <message>
        <source>%1 %2
Ante: %3</source>
        <translation>%1 %2
前注：%3</translation>
    </message>
    <message>
        <source>%1 %2
%3/%4 (%5 min)
Ante: %6</source>
        <translation>%1 %2
%3/%4（%5 分钟）
前注：%6</translation>
    </message>
    <message>
        <source>%1 %2
%3/%4 (%5 min)</source>
        <translation>%1 %2
%3/%4（%5 分钟）</translation>
    </message>
    <message>
        <source>%1 %2
%3/%4
Ante: %5</source>
        <translation>%1 %2
%3/%4
前注：%5</translation>
    </message>
    <message>
        <source>%1 %2
%3/%4</source>
        <translation>%1 %2
%3/%4</translation>
    </message>
    <message>
        <source>Game-ID: %1</source>
        <translation>牌局编号：%1</translation>
    </message>
    <message>
        <source>Players: %1 Active: %2</source>
        <translation>玩家：%1 在玩：%2</translation>
    </message>
    <message>
        <source>Position: %2/%1</source>
        <translation>名次：%2/%1</translation>
    </message>
    <message>
        <source>½ Pot</source>
        <translation>½底池</translation>
    </message>
    <message>
        <source>⅔ Pot</source>
        <translation>⅔底池</translation>
    </message>
</context>
<context>
    <name>VeskGames::PlayerOptionsDialogItem</name>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>&lt;-</source>
        <translation>&lt;-</translation>
    </message>
    <message>
        <source>-&gt;</source>
        <translation>-&gt;</translation>
    </message>
    <message>
        <source>Hand History</source>
        <translation>牌局记录</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Show Avatars</source>
        <translation>显示头像</translation>
    </message>
    <message>
        <source>Hide Avatars</source>
        <translation>隐藏头像</translation>
    </message>
    <message>
        <source>Use Chips To Bet</source>
        <translation>用筹码下注</translation>
    </message>
    <message>
        <source>Use Slider To Bet</source>
        <translation>用滑块下注</translation>
    </message>
    <message>
        <source>Show Holecards</source>
        <translation>显示底牌</translation>
    </message>
    <message>
        <source>Hide Holecards</source>
        <translation>隐藏底牌</translation>
    </message>
    <message>
        <source>Mute Sounds</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>Play Sounds</source>
        <translation>播放声音</translation>
    </message>
    <message>
        <source>Stay and watch</source>
        <translation>留下观看</translation>
    </message>
    <message>
        <source>Join new game</source>
        <translation>加入新游戏</translation>
    </message>
    <message>
        <source>Four-Colour Deck</source>
        <translation>四色牌</translation>
    </message>
    <message>
        <source>Two-Colour Deck</source>
        <translation>双色牌</translation>
    </message>
</context>
<context>
    <name>VeskGames::PlayerUsernameDialogItem</name>
    <message>
        <source>Nickname</source>
        <translation>昵称</translation>
    </message>
    <message>
        <source>Please enter the nickname you wish to show
at the tables, the nickname can be up to 10
characters long, please use letters and numbers.

In order to protect the safety of your account we
advise you NOT to enter your username. Once
selected your nickname cannot be changed.</source>
        <translation>请输入您希望在牌桌上显示的昵称，
昵称最长 10 个字符，
请使用字母和数字。

为保护您的账户安全，
建议不要输入您的用户名。
昵称一经选定便无法更改。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Invalid and/or existing username</source>
        <translation>用户名无效或已存在</translation>
    </message>
</context>
<context>
    <name>VeskGames::ReplayWindow</name>
    <message>
        <source>Replay of hand #%1</source>
        <translation>第 %1 手牌回放</translation>
    </message>
    <message>
        <source>Replay of a hand</source>
        <translation>牌局回放</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>One step back (Left)</source>
        <translation>后退一步（左方向键）</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前进</translation>
    </message>
    <message>
        <source>One step forward (Right)</source>
        <translation>前进一步（右方向键）</translation>
    </message>
    <message>
        <source>Play or pause (Space)</source>
        <translation>播放或暂停（空格键）</translation>
    </message>
    <message>
        <source>&amp;Speed:</source>
        <translation>速度(&amp;S)：</translation>
    </message>
    <message>
        <source>%1×</source>
        <translation>%1×</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>第 %1 步，共 %2 步</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
</context>
<context>
    <name>VeskGames::SnGFinishedDialog</name>
    <message>
        <source>Sit &amp; Go</source>
        <translation>坐满即玩</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>离开</translation>
    </message>
    <message>
        <source>Congratulations! You finished in %1 place
and won %2!</source>
        <translation>恭喜！您获得第%1名
赢得%2！</translation>
    </message>
    <message>
        <source>You finished in %1 place
and won %2!</source>
        <translation>您获得第%1名
赢得%2！</translation>
    </message>
    <message>
        <source>You finished in %1 place!</source>
        <translation>您获得第%1名！</translation>
    </message>
</context>
<context>
    <name>VeskGames::SnGRegisterDialog</name>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Sit &amp; Go Registration</source>
        <translation>坐满即玩报名</translation>
    </message>
    <message>
        <source>Sit &amp; Go Information</source>
        <translation>坐满即玩信息</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>游戏</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>筹码</translation>
    </message>
    <message>
        <source>Periods</source>
        <translation>级别</translation>
    </message>
    <message>
        <source>Buy-in</source>
        <translation>买入</translation>
    </message>
    <message>
        <source>Prizes</source>
        <translation>奖金</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>余额</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>报名</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 分钟</translation>
    </message>
    <message>
        <source>%1 + %2</source>
        <translation>%1 + %2</translation>
    </message>
    <message>
        <source>1st %1 </source>
        <translation>第1名 %1 </translation>
    </message>
    <message>
        <source>2nd %1 </source>
        <translation>第2名 %1 </translation>
    </message>
    <message>
        <source>3rd %1</source>
        <translation>第3名 %1</translation>
    </message>
    <message>
        <source>Registration failed</source>
        <translation>报名失败</translation>
    </message>
    <message>
        <source>Buyin failed</source>
        <translation>买入失败</translation>
    </message>
    <message>
        <source>No funds available</source>
        <translation>无可用资金</translation>
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
