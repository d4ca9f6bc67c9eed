<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name></name>
    <message id="IDS_103">
        <location filename="../../strings/StringTable.cpp" line="19"/>
        <source>未找到该词库文件</source>
        <translation>未找到该词库文件</translation>
    </message>
    <message id="IDS_104">
        <location filename="../../strings/StringTable.cpp" line="21"/>
        <source>不能删了,没有库文件你怎么用</source>
        <translation>不能删了,没有库文件你怎么用</translation>
    </message>
    <message id="IDS_105">
        <location filename="../../strings/StringTable.cpp" line="23"/>
        <source>写文件出错!</source>
        <translation>写文件出错!</translation>
    </message>
    <message id="IDS_106">
        <location filename="../../strings/StringTable.cpp" line="25"/>
        <source>Error#词库为空</source>
        <translation>Error#词库为空</translation>
    </message>
    <message id="IDS_107">
        <location filename="../../strings/StringTable.cpp" line="27"/>
        <source>Error#无该词库文件</source>
        <translation>Error#无该词库文件</translation>
    </message>
    <message id="IDS_108">
        <location filename="../../strings/StringTable.cpp" line="29"/>
        <source>是否清空生词本？</source>
        <translation>是否清空生词本？</translation>
    </message>
    <message id="IDS_109">
        <location filename="../../strings/StringTable.cpp" line="31"/>
        <source>是否删除当前单词？</source>
        <translation>是否删除当前单词？</translation>
    </message>
    <message id="IDS_110">
        <location filename="../../strings/StringTable.cpp" line="33"/>
        <source>当前单词已写入生词本!</source>
        <translation>当前单词已写入生词本!</translation>
    </message>
    <message id="IDS_111">
        <location filename="../../strings/StringTable.cpp" line="35"/>
        <source>已有该词库或重名</source>
        <translation>已有该词库或重名</translation>
    </message>
    <message id="IDS_112">
        <location filename="../../strings/StringTable.cpp" line="37"/>
        <source>序号</source>
        <translation>序号</translation>
    </message>
    <message id="IDS_113">
        <location filename="../../strings/StringTable.cpp" line="39"/>
        <source>单词</source>
        <translation>单词</translation>
    </message>
    <message id="IDS_114">
        <location filename="../../strings/StringTable.cpp" line="41"/>
        <source>解释</source>
        <translation>解释</translation>
    </message>
    <message id="IDS_115">
        <location filename="../../strings/StringTable.cpp" line="43"/>
        <source> 第</source>
        <translation> 第</translation>
    </message>
    <message id="IDS_116">
        <location filename="../../strings/StringTable.cpp" line="45"/>
        <source> 组,第 </source>
        <translation> 组,第 </translation>
    </message>
    <message id="IDS_117">
        <location filename="../../strings/StringTable.cpp" line="47"/>
        <source>个单词</source>
        <translation>个单词</translation>
    </message>
    <message id="IDS_118">
        <location filename="../../strings/StringTable.cpp" line="49"/>
        <source>单词未找到！</source>
        <translation>单词未找到！</translation>
    </message>
    <message id="IDS_119">
        <location filename="../../strings/StringTable.cpp" line="51"/>
        <source>确定</source>
        <translation>确定</translation>
    </message>
    <message id="IDS_120">
        <location filename="../../strings/StringTable.cpp" line="53"/>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message id="IDS_121">
        <location filename="../../strings/StringTable.cpp" line="55"/>
        <source>帮助</source>
        <translation>帮助</translation>
    </message>
    <message id="IDS_148">
        <location filename="../../strings/StringTable.cpp" line="57"/>
        <source>设置</source>
        <translation>设置</translation>
    </message>
    <message id="IDD_206">
        <location filename="../../strings/StringTable.cpp" line="63"/>
        <source>查找/定位</source>
        <translation>查找/定位</translation>
    </message>
    <message id="IDS_300">
        <location filename="../../strings/StringTable.cpp" line="65"/>
        <source>Lexado</source>
        <translation>Lexado</translation>
    </message>
    <message id="IDS_400">
        <location filename="../../strings/StringTable.cpp" line="67"/>
        <source>该文件不是进度文件!</source>
        <translation>该文件不是进度文件!</translation>
    </message>
    <message id="IDS_61712">
        <location filename="../../strings/StringTable.cpp" line="73"/>
        <source>请键入一个整数。</source>
        <translation>请键入一个整数。</translation>
    </message>
    <message id="IDD_187">
        <location filename="../../strings/StringTable.cpp" line="59"/>
        <source>库文件管理</source>
        <translation>库文件管理</translation>
    </message>
    <message id="IDD_188">
        <location filename="../../strings/StringTable.cpp" line="61"/>
        <source>选择词库</source>
        <translation>选择词库</translation>
    </message>
    <message id="IDS_420">
        <location filename="../../strings/StringTable.cpp" line="69"/>
        <source>词库名和文件名最多19个字节(约6个汉字)</source>
        <translation>词库名和文件名最多19个字节(约6个汉字)</translation>
    </message>
    <message id="IDS_421">
        <location filename="../../strings/StringTable.cpp" line="71"/>
        <source>词库名不能含有“#”</source>
        <translation>词库名不能含有“#”</translation>
    </message>
    <message id="IDD_187_1000">
        <location filename="../../strings/StringTable.cpp" line="75"/>
        <source>删除</source>
        <translation>删除</translation>
    </message>
    <message id="IDD_187_1001">
        <location filename="../../strings/StringTable.cpp" line="77"/>
        <source>添加</source>
        <translation>添加</translation>
    </message>
    <message id="IDD_187_1002">
        <location filename="../../strings/StringTable.cpp" line="79"/>
        <source>移出</source>
        <translation>移出</translation>
    </message>
    <message id="IDD_187_1007">
        <location filename="../../strings/StringTable.cpp" line="81"/>
        <source>已有的词库</source>
        <translation>已有的词库</translation>
    </message>
    <message id="IDD_187_1016">
        <location filename="../../strings/StringTable.cpp" line="83"/>
        <source>改名</source>
        <translation>改名</translation>
    </message>
    <message id="IDD_187_1017">
        <location filename="../../strings/StringTable.cpp" line="85"/>
        <source>上移</source>
        <translation>上移</translation>
    </message>
    <message id="IDD_187_1018">
        <location filename="../../strings/StringTable.cpp" line="87"/>
        <source>下移</source>
        <translation>下移</translation>
    </message>
    <message id="IDD_187_1052">
        <location filename="../../strings/StringTable.cpp" line="89"/>
        <source>词库名</source>
        <translation>词库名</translation>
    </message>
    <message id="IDD_187_1053">
        <location filename="../../strings/StringTable.cpp" line="91"/>
        <source>对应文件名</source>
        <translation>对应文件名</translation>
    </message>
    <message id="IDD_188_1025">
        <location filename="../../strings/StringTable.cpp" line="93"/>
        <source>单词总数:</source>
        <translation>单词总数:</translation>
    </message>
    <message id="IDM_144_32786">
        <location filename="../../strings/StringTable.cpp" line="95"/>
        <source>暂停(&amp;P)&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Ctrl+P </source>
        <translation>暂停(&amp;P)&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Ctrl+P </translation>
    </message>
    <message id="IDM_144_32795">
        <location filename="../../strings/StringTable.cpp" line="97"/>
        <source>再读一遍(&amp;R)&#x3000;&#x3000;&#x3000;Ctrl+R</source>
        <translation>再读一遍(&amp;R)&#x3000;&#x3000;&#x3000;Ctrl+R</translation>
    </message>
    <message id="IDM_144_32781">
        <location filename="../../strings/StringTable.cpp" line="99"/>
        <source>存入生词本(&amp;S)&#x3000;&#x3000;Ctrl+S</source>
        <translation>存入生词本(&amp;S)&#x3000;&#x3000;Ctrl+S</translation>
    </message>
    <message id="IDM_144_32793">
        <location filename="../../strings/StringTable.cpp" line="101"/>
        <source>删除单词(&amp;D)      Ctrl+Del</source>
        <translation>删除单词(&amp;D)      Ctrl+Del</translation>
    </message>
    <message id="IDM_144_32771">
        <location filename="../../strings/StringTable.cpp" line="103"/>
        <source>选择词库(&amp;W)      Ctrl+W </source>
        <translation>选择词库(&amp;W)      Ctrl+W </translation>
    </message>
    <message id="IDM_144_32792">
        <location filename="../../strings/StringTable.cpp" line="105"/>
        <source>设置(&amp;T)&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Ctrl+T</source>
        <translation>设置(&amp;T)&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Ctrl+T</translation>
    </message>
    <message id="IDM_144_32794">
        <location filename="../../strings/StringTable.cpp" line="107"/>
        <source>库文件管理(&amp;M)</source>
        <translation>库文件管理(&amp;M)</translation>
    </message>
    <message id="IDM_144_32780">
        <location filename="../../strings/StringTable.cpp" line="109"/>
        <source>清空生词本(&amp;C)</source>
        <translation>清空生词本(&amp;C)</translation>
    </message>
    <message id="IDM_144_32788">
        <location filename="../../strings/StringTable.cpp" line="111"/>
        <source>保存进度(&amp;Z)</source>
        <translation>保存进度(&amp;Z)</translation>
    </message>
    <message id="IDM_144_32789">
        <location filename="../../strings/StringTable.cpp" line="113"/>
        <source>取出进度(&amp;O)</source>
        <translation>取出进度(&amp;O)</translation>
    </message>
    <message id="IDM_144_32796">
        <location filename="../../strings/StringTable.cpp" line="115"/>
        <source>上一组(&amp;L)        Ctrl+L</source>
        <translation>上一组(&amp;L)        Ctrl+L</translation>
    </message>
    <message id="IDM_144_32797">
        <location filename="../../strings/StringTable.cpp" line="117"/>
        <source>下一组(&amp;N)        Ctrl+N</source>
        <translation>下一组(&amp;N)        Ctrl+N</translation>
    </message>
    <message id="IDM_144_32799">
        <location filename="../../strings/StringTable.cpp" line="119"/>
        <source>查找/定位(&amp;F)     Ctrl+F</source>
        <translation>查找/定位(&amp;F)     Ctrl+F</translation>
    </message>
    <message id="IDM_144_32800">
        <location filename="../../strings/StringTable.cpp" line="121"/>
        <source>总在最前(&amp;A)</source>
        <translation>总在最前(&amp;A)</translation>
    </message>
    <message id="IDM_144_LANGUAGE">
        <location filename="../../strings/StringTable.cpp" line="123"/>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message id="IDM_144_32802">
        <location filename="../../strings/StringTable.cpp" line="125"/>
        <source>Simplified Chinese</source>
        <translation>Simplified Chinese</translation>
    </message>
    <message id="IDM_144_32803">
        <location filename="../../strings/StringTable.cpp" line="127"/>
        <source>Traditional Chinese</source>
        <translation>Traditional Chinese</translation>
    </message>
    <message id="IDM_144_32804">
        <location filename="../../strings/StringTable.cpp" line="129"/>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message id="IDM_144_32805">
        <location filename="../../strings/StringTable.cpp" line="131"/>
        <source>Japanese</source>
        <translation>Japanese</translation>
    </message>
    <message id="IDM_144_32806">
        <location filename="../../strings/StringTable.cpp" line="133"/>
        <source>Korean</source>
        <translation>Korean</translation>
    </message>
    <message id="IDM_144_32775">
        <location filename="../../strings/StringTable.cpp" line="135"/>
        <source>帮助(&amp;H)&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;F1</source>
        <translation>帮助(&amp;H)&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;F1</translation>
    </message>
    <message id="IDM_144_32776">
        <location filename="../../strings/StringTable.cpp" line="137"/>
        <source>关于(&amp;A)</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message id="IDM_144_32777">
        <location filename="../../strings/StringTable.cpp" line="139"/>
        <source>退出(&amp;X)          Alt+X</source>
        <translation>退出(&amp;X)          Alt+X</translation>
    </message>
    <message id="IDD_100">
        <location filename="../../strings/StringTable.cpp" line="141"/>
        <source>关于</source>
        <translation>关于</translation>
    </message>
    <message id="IDD_100_1046">
        <location filename="../../strings/StringTable.cpp" line="143"/>
        <source>Lexado 1.0 Beta6</source>
        <translation>Lexado 1.0 Beta6</translation>
    </message>
    <message id="IDD_100_1047">
        <location filename="../../strings/StringTable.cpp" line="145"/>
        <source>版权所有 © 2026 Lexado 开发者</source>
        <translation>版权所有 © 2026 Lexado 开发者</translation>
    </message>
    <message id="IDD_100_1005">
        <location filename="../../strings/StringTable.cpp" line="147"/>
        <source>访问主页</source>
        <translation>访问主页</translation>
    </message>
    <message id="IDD_100_1006">
        <location filename="../../strings/StringTable.cpp" line="149"/>
        <source>写给作者</source>
        <translation>写给作者</translation>
    </message>
    <message id="IDS_470">
        <location filename="../../strings/StringTable.cpp" line="152"/>
        <source>Unable to load resource DLL!</source>
        <translation>Unable to load resource DLL!</translation>
    </message>
    <message id="IDD_149">
        <location filename="../../strings/StringTable.cpp" line="154"/>
        <source>显示界面</source>
        <translation>显示界面</translation>
    </message>
    <message id="IDD_150">
        <location filename="../../strings/StringTable.cpp" line="156"/>
        <source>浏览方式</source>
        <translation>浏览方式</translation>
    </message>
    <message id="IDD_151">
        <location filename="../../strings/StringTable.cpp" line="158"/>
        <source>其它选项</source>
        <translation>其它选项</translation>
    </message>
    <message id="IDS_450">
        <location filename="../../strings/StringTable.cpp" line="160"/>
        <source>字体</source>
        <translation>字体</translation>
    </message>
    <message id="IDS_451">
        <location filename="../../strings/StringTable.cpp" line="162"/>
        <source>颜色:</source>
        <translation>颜色:</translation>
    </message>
    <message id="IDD_149_1030">
        <location filename="../../strings/StringTable.cpp" line="164"/>
        <source>字体</source>
        <translation>字体</translation>
    </message>
    <message id="IDD_149_1031">
        <location filename="../../strings/StringTable.cpp" line="166"/>
        <source>背景</source>
        <translation>背景</translation>
    </message>
    <message id="IDD_149_1015">
        <location filename="../../strings/StringTable.cpp" line="168"/>
        <source>进度条</source>
        <translation>进度条</translation>
    </message>
    <message id="IDD_149_1028">
        <location filename="../../strings/StringTable.cpp" line="170"/>
        <source>Lexado 背诵</source>
        <translation>Lexado 背诵</translation>
    </message>
    <message id="IDD_149_GROUP_OPTIONS">
        <location filename="../../strings/StringTable.cpp" line="172"/>
        <source>选项</source>
        <translation>选项</translation>
    </message>
    <message id="IDD_149_1022">
        <location filename="../../strings/StringTable.cpp" line="174"/>
        <source>词意缓出</source>
        <translation>词意缓出</translation>
    </message>
    <message id="IDD_149_1017">
        <location filename="../../strings/StringTable.cpp" line="176"/>
        <source>中文解释</source>
        <translation>中文解释</translation>
    </message>
    <message id="IDD_149_1019">
        <location filename="../../strings/StringTable.cpp" line="178"/>
        <source>进度条</source>
        <translation>进度条</translation>
    </message>
    <message id="IDD_149_1020">
        <location filename="../../strings/StringTable.cpp" line="180"/>
        <source>一行显示</source>
        <translation>一行显示</translation>
    </message>
    <message id="IDD_150_GROUP_BROWSE">
        <location filename="../../strings/StringTable.cpp" line="182"/>
        <source>浏览方式</source>
        <translation>浏览方式</translation>
    </message>
    <message id="IDD_150_1034">
        <location filename="../../strings/StringTable.cpp" line="184"/>
        <source>顺序</source>
        <translation>顺序</translation>
    </message>
    <message id="IDD_150_1035">
        <location filename="../../strings/StringTable.cpp" line="186"/>
        <source>随机</source>
        <translation>随机</translation>
    </message>
    <message id="IDD_150_1016">
        <location filename="../../strings/StringTable.cpp" line="188"/>
        <source>分组</source>
        <translation>分组</translation>
    </message>
    <message id="IDD_150_GROUP_GROUPS">
        <location filename="../../strings/StringTable.cpp" line="190"/>
        <source>分组设定</source>
        <translation>分组设定</translation>
    </message>
    <message id="IDD_150_1046">
        <location filename="../../strings/StringTable.cpp" line="192"/>
        <source>当前为第</source>
        <translation>当前为第</translation>
    </message>
    <message id="IDD_150_1047">
        <location filename="../../strings/StringTable.cpp" line="194"/>
        <source>组单词</source>
        <translation>组单词</translation>
    </message>
    <message id="IDD_150_1048">
        <location filename="../../strings/StringTable.cpp" line="196"/>
        <source>每组</source>
        <translation>每组</translation>
    </message>
    <message id="IDD_150_1049">
        <location filename="../../strings/StringTable.cpp" line="198"/>
        <source>个单词.</source>
        <translation>个单词.</translation>
    </message>
    <message id="IDD_150_1051">
        <location filename="../../strings/StringTable.cpp" line="200"/>
        <source>每组重复</source>
        <translation>每组重复</translation>
    </message>
    <message id="IDD_150_1050">
        <location filename="../../strings/StringTable.cpp" line="202"/>
        <source>次</source>
        <translation>次</translation>
    </message>
    <message id="IDD_150_SECONDS">
        <location filename="../../strings/StringTable.cpp" line="204"/>
        <source>每个单词停留时间</source>
        <translation>每个单词停留时间</translation>
    </message>
    <message id="IDD_150_SECONDS_UNIT">
        <location filename="../../strings/StringTable.cpp" line="206"/>
        <source>秒</source>
        <translation>秒</translation>
    </message>
    <message id="IDD_150_1010">
        <location filename="../../strings/StringTable.cpp" line="208"/>
        <source>当前词库:</source>
        <translation>当前词库:</translation>
    </message>
    <message id="IDD_150_1025">
        <location filename="../../strings/StringTable.cpp" line="210"/>
        <source>单词总数:</source>
        <translation>单词总数:</translation>
    </message>
    <message id="IDD_151_1018">
        <location filename="../../strings/StringTable.cpp" line="212"/>
        <source>英文发音</source>
        <translation>英文发音</translation>
    </message>
    <message id="IDD_151_GROUP_ENGINE">
        <location filename="../../strings/StringTable.cpp" line="214"/>
        <source>发音引擎</source>
        <translation>发音引擎</translation>
    </message>
    <message id="IDD_151_1033">
        <location filename="../../strings/StringTable.cpp" line="216"/>
        <source>测试</source>
        <translation>测试</translation>
    </message>
    <message id="IDD_151_GROUP_DOUBLE_CLICK">
        <location filename="../../strings/StringTable.cpp" line="218"/>
        <source>鼠标左键双击功能设置</source>
        <translation>鼠标左键双击功能设置</translation>
    </message>
    <message id="IDD_151_1002">
        <location filename="../../strings/StringTable.cpp" line="220"/>
        <source>暂停浏览</source>
        <translation>暂停浏览</translation>
    </message>
    <message id="IDD_151_1004">
        <location filename="../../strings/StringTable.cpp" line="222"/>
        <source>当前单词再读一遍</source>
        <translation>当前单词再读一遍</translation>
    </message>
    <message id="IDD_151_1001">
        <location filename="../../strings/StringTable.cpp" line="224"/>
        <source>当前单词加入生词本</source>
        <translation>当前单词加入生词本</translation>
    </message>
    <message id="IDD_151_1000">
        <location filename="../../strings/StringTable.cpp" line="226"/>
        <source>删除当前单词</source>
        <translation>删除当前单词</translation>
    </message>
    <message id="IDD_151_1054">
        <location filename="../../strings/StringTable.cpp" line="228"/>
        <source>显示确认信息</source>
        <translation>显示确认信息</translation>
    </message>
    <message id="IDS_440">
        <location filename="../../strings/StringTable.cpp" line="231"/>
        <source>已导入词库“%1”（文件 %2）：%3 个词条，其中 %4 个补上了音标。</source>
        <translation>已导入词库“%1”（文件 %2）：%3 个词条，其中 %4 个补上了音标。</translation>
    </message>
    <message id="IDS_441">
        <location filename="../../strings/StringTable.cpp" line="233"/>
        <source>跳过了 %1 个没有单词的词条。</source>
        <translation>跳过了 %1 个没有单词的词条。</translation>
    </message>
    <message id="IDS_442">
        <location filename="../../strings/StringTable.cpp" line="235"/>
        <source>跳过了 %1 个停用的词条。</source>
        <translation>跳过了 %1 个停用的词条。</translation>
    </message>
    <message id="IDS_443">
        <location filename="../../strings/StringTable.cpp" line="237"/>
        <source>无法打开该文件。</source>
        <translation>无法打开该文件。</translation>
    </message>
    <message id="IDS_444">
        <location filename="../../strings/StringTable.cpp" line="239"/>
        <source>该文件不是单词表：可导入 KVTML 文件和以逗号或制表符分隔的文本。</source>
        <translation>该文件不是单词表：可导入 KVTML 文件和以逗号或制表符分隔的文本。</translation>
    </message>
    <message id="IDS_445">
        <location filename="../../strings/StringTable.cpp" line="241"/>
        <source>不支持旧版 KVTML 文件，请先用 KWordQuiz 或 Parley 另存一次。</source>
        <translation>不支持旧版 KVTML 文件，请先用 KWordQuiz 或 Parley 另存一次。</translation>
    </message>
    <message id="IDS_446">
        <location filename="../../strings/StringTable.cpp" line="243"/>
        <source>文件第 %1 行有格式错误。</source>
        <translation>文件第 %1 行有格式错误。</translation>
    </message>
    <message id="IDS_447">
        <location filename="../../strings/StringTable.cpp" line="245"/>
        <source>文件中没有可导入的单词。</source>
        <translation>文件中没有可导入的单词。</translation>
    </message>
    <message id="IDS_448">
        <location filename="../../strings/StringTable.cpp" line="247"/>
        <source>已导出 %1 个词条。</source>
        <translation>已导出 %1 个词条。</translation>
    </message>
    <message id="IDS_422">
        <location filename="../../strings/StringTable.cpp" line="249"/>
        <source>词库名和文件名不能含有换行等控制字符</source>
        <translation>词库名和文件名不能含有换行等控制字符</translation>
    </message>
    <message id="IDD_187_1060">
        <location filename="../../strings/StringTable.cpp" line="252"/>
        <source>导入…</source>
        <translation>导入…</translation>
    </message>
    <message id="IDS_460">
        <location filename="../../strings/StringTable.cpp" line="254"/>
        <source>单词表</source>
        <translation>单词表</translation>
    </message>
    <message id="IDS_461">
        <location filename="../../strings/StringTable.cpp" line="256"/>
        <source>KVTML 文件</source>
        <translation>KVTML 文件</translation>
    </message>
    <message id="IDS_462">
        <location filename="../../strings/StringTable.cpp" line="258"/>
        <source>文本文件</source>
        <translation>文本文件</translation>
    </message>
    <message id="IDS_463">
        <location filename="../../strings/StringTable.cpp" line="260"/>
        <source>所有文件</source>
        <translation>所有文件</translation>
    </message>
    <message id="IDS_464">
        <location filename="../../strings/StringTable.cpp" line="262"/>
        <source>正在导入单词表…</source>
        <translation>正在导入单词表…</translation>
    </message>
    <message id="IDS_465">
        <location filename="../../strings/StringTable.cpp" line="264"/>
        <source>词库列表中没有“%1”。</source>
        <translation>词库列表中没有“%1”。</translation>
    </message>
    <message id="IDS_471">
        <location filename="../../strings/StringTable.cpp" line="266"/>
        <source>无法创建文件夹 %1</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message id="IDS_472">
        <location filename="../../strings/StringTable.cpp" line="273"/>
        <source>词库列表正被另一个程序修改，请稍后再试。</source>
        <translation>词库列表正被另一个程序修改，请稍后再试。</translation>
    </message>
    <message id="IDS_473">
        <location filename="../../strings/StringTable.cpp" line="275"/>
        <source>这不是普通文件，不能写入。</source>
        <translation>这不是普通文件，不能写入。</translation>
    </message>
    <message id="IDS_474">
        <location filename="../../strings/StringTable.cpp" line="277"/>
        <source>词库名不能只有空白</source>
        <translation>词库名不能只有空白</translation>
    </message>
    <message id="IDS_475">
        <location filename="../../strings/StringTable.cpp" line="279"/>
        <source>无法在文件夹 %1 中写入。</source>
        <translation>无法在文件夹 %1 中写入。</translation>
    </message>
    <message id="IDS_476">
        <location filename="../../strings/StringTable.cpp" line="281"/>
        <source>磁盘已满。</source>
        <translation>磁盘已满。</translation>
    </message>
    <message id="IDS_480">
        <location filename="../../strings/StringTable.cpp" line="269"/>
        <source>用法：lexado [选项]...
背单词程序：把词库中的单词一个接一个地显示出来。</source>
        <translation>用法：lexado [选项]...
背单词程序：把词库中的单词一个接一个地显示出来。</translation>
    </message>
    <message id="IDS_481">
        <location filename="../../strings/StringTable.cpp" line="271"/>
        <source>把设置、词库列表和词库都放在 DIR 中</source>
        <translation>把设置、词库列表和词库都放在 DIR 中</translation>
    </message>
    <message id="IDS_482">
        <location filename="../../strings/StringTable.cpp" line="273"/>
        <source>把单词表（KVTML、CSV、以制表符分隔的文本）导入为新词库</source>
        <translation>把单词表（KVTML、CSV、以制表符分隔的文本）导入为新词库</translation>
    </message>
    <message id="IDS_483">
        <location filename="../../strings/StringTable.cpp" line="275"/>
        <source>--import 所建词库的名称</source>
        <translation>--import 所建词库的名称</translation>
    </message>
    <message id="IDS_484">
        <location filename="../../strings/StringTable.cpp" line="277"/>
        <source>把词库 NAME 以制表符分隔的文本写入 FILE</source>
        <translation>把词库 NAME 以制表符分隔的文本写入 FILE</translation>
    </message>
    <message id="IDS_485">
        <location filename="../../strings/StringTable.cpp" line="280"/>
        <source>以语言 NAME 启动，NAME 为 pChinese、cChinese、English、Japanese、
Korean、German、French、Spanish、Russian 之一</source>
        <translation>以语言 NAME 启动，NAME 为 pChinese、cChinese、English、Japanese、
Korean、German、French、Spanish、Russian 之一</translation>
    </message>
    <message id="IDS_486">
        <location filename="../../strings/StringTable.cpp" line="282"/>
        <source>启动时不显示启动画面</source>
        <translation>启动时不显示启动画面</translation>
    </message>
    <message id="IDS_487">
        <location filename="../../strings/StringTable.cpp" line="284"/>
        <source>显示本帮助</source>
        <translation>显示本帮助</translation>
    </message>
    <message id="IDS_488">
        <location filename="../../strings/StringTable.cpp" line="286"/>
        <source>显示版本</source>
        <translation>显示版本</translation>
    </message>
    <message id="IDS_466">
        <location filename="../../strings/StringTable.cpp" line="266"/>
        <source>%1 个词条没有补上音标：单词表标明它们的语言是 %2，不是英语。</source>
        <translation>%1 个词条没有补上音标：单词表标明它们的语言是 %2，不是英语。</translation>
    </message>
    <message id="IDS_467">
        <location filename="../../strings/StringTable.cpp" line="268"/>
        <source>%1 个词条没有补上音标：单词不是英文。</source>
        <translation>%1 个词条没有补上音标：单词不是英文。</translation>
    </message>
    <message id="IDS_468">
        <location filename="../../strings/StringTable.cpp" line="270"/>
        <source>跳过了第 %1 行开始的记录：其中的引号没有结束。</source>
        <translation>跳过了第 %1 行开始的记录：其中的引号没有结束。</translation>
    </message>
    <message id="IDS_469">
        <location filename="../../strings/StringTable.cpp" line="272"/>
        <source>跳过了 %1 行无法识别编码的文字（既不是 UTF-8 也不是 GB18030）。</source>
        <translation>跳过了 %1 行无法识别编码的文字（既不是 UTF-8 也不是 GB18030）。</translation>
    </message>
    <message id="IDS_490">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>让正在运行的 Lexado 暂停</source>
        <translation>让正在运行的 Lexado 暂停</translation>
    </message>
    <message id="IDS_491">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>让正在运行的 Lexado 继续</source>
        <translation>让正在运行的 Lexado 继续</translation>
    </message>
    <message id="IDS_492">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>暂停或继续正在运行的 Lexado</source>
        <translation>暂停或继续正在运行的 Lexado</translation>
    </message>
    <message id="IDS_493">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>立即显示下一个单词</source>
        <translation>立即显示下一个单词</translation>
    </message>
    <message id="IDS_494">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>把当前单词记为“我认识”</source>
        <translation>把当前单词记为“我认识”</translation>
    </message>
    <message id="IDS_495">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>把当前单词记为“不认识”</source>
        <translation>把当前单词记为“不认识”</translation>
    </message>
    <message id="IDS_496">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>显示 Lexado 的窗口</source>
        <translation>显示 Lexado 的窗口</translation>
    </message>
    <message id="IDS_497">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>隐藏 Lexado 的窗口（背诵随之暂停）</source>
        <translation>隐藏 Lexado 的窗口（背诵随之暂停）</translation>
    </message>
    <message id="IDS_498">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>保存设置并退出正在运行的 Lexado</source>
        <translation>保存设置并退出正在运行的 Lexado</translation>
    </message>
    <message id="IDS_499">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>输出当前单词：单词、音标、词义，以制表符分隔</source>
        <translation>输出当前单词：单词、音标、词义，以制表符分隔</translation>
    </message>
    <message id="IDS_500">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>离开</source>
        <translation>离开</translation>
    </message>
    <message id="IDS_501">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>屏幕已锁定</source>
        <translation>屏幕已锁定</translation>
    </message>
    <message id="IDS_502">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>全屏程序</source>
        <translation>全屏程序</translation>
    </message>
    <message id="IDS_503">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>窗口已隐藏</source>
        <translation>窗口已隐藏</translation>
    </message>
    <message id="IDS_504">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>显示窗口</source>
        <translation>显示窗口</translation>
    </message>
    <message id="IDS_505">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>隐藏窗口</source>
        <translation>隐藏窗口</translation>
    </message>
    <message id="IDS_506">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>我认识</source>
        <translation>我认识</translation>
    </message>
    <message id="IDS_507">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>不认识</source>
        <translation>不认识</translation>
    </message>
    <message id="IDS_510">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>桌面</source>
        <translation>桌面</translation>
    </message>
    <message id="IDS_511">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>自动暂停</source>
        <translation>自动暂停</translation>
    </message>
    <message id="IDS_512">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>无键盘鼠标操作多少秒后暂停（0 为从不）</source>
        <translation>无键盘鼠标操作多少秒后暂停（0 为从不）</translation>
    </message>
    <message id="IDS_513">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>屏幕锁定时暂停</source>
        <translation>屏幕锁定时暂停</translation>
    </message>
    <message id="IDS_514">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>有全屏程序时暂停并隐藏窗口</source>
        <translation>有全屏程序时暂停并隐藏窗口</translation>
    </message>
    <message id="IDS_515">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>在系统托盘中显示图标</source>
        <translation>在系统托盘中显示图标</translation>
    </message>
    <message id="IDS_516">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>全局快捷键（在任何程序中都有效）</source>
        <translation>全局快捷键（在任何程序中都有效）</translation>
    </message>
    <message id="IDS_517">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>暂停/继续</source>
        <translation>暂停/继续</translation>
    </message>
    <message id="IDS_518">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>显示/隐藏窗口</source>
        <translation>显示/隐藏窗口</translation>
    </message>
    <message id="IDS_519">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>以下快捷键已被其他程序占用：%1</source>
        <translation>以下快捷键已被其他程序占用：%1</translation>
    </message>
    <message id="IDS_520">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>按记忆复习</source>
        <translation>按记忆复习</translation>
    </message>
    <message id="IDS_521">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>新词</source>
        <translation>新词</translation>
    </message>
    <message id="IDS_522">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>学习中</source>
        <translation>学习中</translation>
    </message>
    <message id="IDS_523">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>已掌握 · 下次 %1 天后</source>
        <translation>已掌握 · 下次 %1 天后</translation>
    </message>
    <message id="IDS_524">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>已掌握 · 今天复习</source>
        <translation>已掌握 · 今天复习</translation>
    </message>
    <message id="IDS_525">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>今天：新词 %1 个，评分 %2 次，待复习 %3 个</source>
        <translation>今天：新词 %1 个，评分 %2 次，待复习 %3 个</translation>
    </message>
    <message id="IDS_526">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>单词记忆文件无法读取，已改名为 %1，并新建了一个。词库和设置没有改动。</source>
        <translation>单词记忆文件无法读取，已改名为 %1，并新建了一个。词库和设置没有改动。</translation>
    </message>
    <message id="IDS_527">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>评分没有保存：单词记忆正被其他程序使用或无法写入。</source>
        <translation>评分没有保存：单词记忆正被其他程序使用或无法写入。</translation>
    </message>
    <message id="IDS_528">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>无法打开单词记忆（%1），这次运行不记录评分。</source>
        <translation>无法打开单词记忆（%1），这次运行不记录评分。</translation>
    </message>
    <message id="IDS_529">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>输出每个词库的记忆统计，以制表符分隔</source>
        <translation>输出每个词库的记忆统计，以制表符分隔</translation>
    </message>
    <message id="IDS_530">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>--stats 只统计词库 NAME</source>
        <translation>--stats 只统计词库 NAME</translation>
    </message>
    <message id="IDM_144_32807">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>我认识(&amp;K)        Ctrl+K</source>
        <translation>我认识(&amp;K)        Ctrl+K</translation>
    </message>
    <message id="IDM_144_32808">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>不认识(&amp;J)        Ctrl+J</source>
        <translation>不认识(&amp;J)        Ctrl+J</translation>
    </message>
    <message id="IDM_144_32809">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>学习统计(&amp;I)&#x3000;&#x3000;&#x3000;Ctrl+I</source>
        <translation>学习统计(&amp;I)&#x3000;&#x3000;&#x3000;Ctrl+I</translation>
    </message>
    <message id="IDS_541">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>学习统计</source>
        <translation>学习统计</translation>
    </message>
    <message id="IDS_542">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>所有词库</source>
        <translation>所有词库</translation>
    </message>
    <message id="IDS_543">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>词库：</source>
        <translation>词库：</translation>
    </message>
    <message id="IDS_544">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>最近 %1 天的评分</source>
        <translation>最近 %1 天的评分</translation>
    </message>
    <message id="IDS_545">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>认识</source>
        <translation>认识</translation>
    </message>
    <message id="IDS_546">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>不认识</source>
        <translation>不认识</translation>
    </message>
    <message id="IDS_547">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>出现次数</source>
        <translation>出现次数</translation>
    </message>
    <message id="IDS_548">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>单词状态</source>
        <translation>单词状态</translation>
    </message>
    <message id="IDS_549">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>新词：%1</source>
        <translation>新词：%1</translation>
    </message>
    <message id="IDS_550">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>学习中：%1</source>
        <translation>学习中：%1</translation>
    </message>
    <message id="IDS_551">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>已掌握：%1</source>
        <translation>已掌握：%1</translation>
    </message>
    <message id="IDS_552">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>未来 %1 天到期的单词</source>
        <translation>未来 %1 天到期的单词</translation>
    </message>
    <message id="IDS_553">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>到期</source>
        <translation>到期</translation>
    </message>
    <message id="IDS_554">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>最近 %1 天的背诵分钟数</source>
        <translation>最近 %1 天的背诵分钟数</translation>
    </message>
    <message id="IDS_555">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>分钟</source>
        <translation>分钟</translation>
    </message>
    <message id="IDS_556">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>连续学习 %1 天</source>
        <translation>连续学习 %1 天</translation>
    </message>
    <message id="IDS_557">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>最近 %1 天的记忆保持率</source>
        <translation>最近 %1 天的记忆保持率</translation>
    </message>
    <message id="IDS_558">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>实际</source>
        <translation>实际</translation>
    </message>
    <message id="IDS_559">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>目标</source>
        <translation>目标</translation>
    </message>
    <message id="IDS_560">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>暂无</source>
        <translation>暂无</translation>
    </message>
    <message id="IDS_561">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>导出 CSV...</source>
        <translation>导出 CSV...</translation>
    </message>
    <message id="IDS_562">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>CSV 文件 (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message id="IDS_563">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>正在读取...</source>
        <translation>正在读取...</translation>
    </message>
    <message id="IDS_564">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>无法读取学习记录：%1</source>
        <translation>无法读取学习记录：%1</translation>
    </message>
    <message id="IDS_565">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>无法打开学习统计：%1</source>
        <translation>无法打开学习统计：%1</translation>
    </message>
</context>
</TS>
