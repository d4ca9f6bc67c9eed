<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name></name>
    <message id="IDS_103">
        <location filename="../../strings/StringTable.cpp" line="19"/>
        <source>未找到该词库文件</source>
        <translation>找不到這個詞庫檔案</translation>
    </message>
    <message id="IDS_104">
        <location filename="../../strings/StringTable.cpp" line="21"/>
        <source>不能删了,没有库文件你怎么用</source>
        <translation>不能再刪了，沒有詞庫檔案要怎麼背？</translation>
    </message>
    <message id="IDS_105">
        <location filename="../../strings/StringTable.cpp" line="23"/>
        <source>写文件出错!</source>
        <translation>寫入檔案時發生錯誤！</translation>
    </message>
    <message id="IDS_106">
        <location filename="../../strings/StringTable.cpp" line="25"/>
        <source>Error#词库为空</source>
        <translation>Error#詞庫是空的</translation>
    </message>
    <message id="IDS_107">
        <location filename="../../strings/StringTable.cpp" line="27"/>
        <source>Error#无该词库文件</source>
        <translation>Error#沒有這個詞庫檔案</translation>
    </message>
    <message id="IDS_108">
        <location filename="../../strings/StringTable.cpp" line="29"/>
        <source>是否清空生词本？</source>
        <translation>確定要清空生詞本嗎？</translation>
    </message>
    <message id="IDS_109">
        <location filename="../../strings/StringTable.cpp" line="31"/>
        <source>是否删除当前单词？</source>
        <translation>確定要刪除目前的單字嗎？</translation>
    </message>
    <message id="IDS_110">
        <location filename="../../strings/StringTable.cpp" line="33"/>
        <source>当前单词已写入生词本!</source>
        <translation>目前的單字已存入生詞本！</translation>
    </message>
    <message id="IDS_111">
        <location filename="../../strings/StringTable.cpp" line="35"/>
        <source>已有该词库或重名</source>
        <translation>已有這個詞庫，或名稱重複</translation>
    </message>
    <message id="IDS_112">
        <location filename="../../strings/StringTable.cpp" line="37"/>
        <source>序号</source>
        <translation>序號</translation>
    </message>
    <message id="IDS_113">
        <location filename="../../strings/StringTable.cpp" line="39"/>
        <source>单词</source>
        <translation>單字</translation>
    </message>
    <message id="IDS_114">
        <location filename="../../strings/StringTable.cpp" line="41"/>
        <source>解释</source>
        <translation>解釋</translation>
    </message>
    <message id="IDS_115">
        <location filename="../../strings/StringTable.cpp" line="43"/>
        <source> 第</source>
        <translation> 第 </translation>
    </message>
    <message id="IDS_116">
        <location filename="../../strings/StringTable.cpp" line="45"/>
        <source> 组,第 </source>
        <translation> 組，第 </translation>
    </message>
    <message id="IDS_117">
        <location filename="../../strings/StringTable.cpp" line="47"/>
        <source>个单词</source>
        <translation> 個單字</translation>
    </message>
    <message id="IDS_118">
        <location filename="../../strings/StringTable.cpp" line="49"/>
        <source>单词未找到！</source>
        <translation>找不到單字！</translation>
    </message>
    <message id="IDS_119">
        <location filename="../../strings/StringTable.cpp" line="51"/>
        <source>确定</source>
        <translation>確定</translation>
    </message>
    <message id="IDS_120">
        <location filename="../../strings/StringTable.cpp" line="53"/>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message id="IDS_121">
        <location filename="../../strings/StringTable.cpp" line="55"/>
        <source>帮助</source>
        <translation>說明</translation>
    </message>
    <message id="IDS_148">
        <location filename="../../strings/StringTable.cpp" line="57"/>
        <source>设置</source>
        <translation>設定</translation>
    </message>
    <message id="IDD_187">
        <location filename="../../strings/StringTable.cpp" line="59"/>
        <source>库文件管理</source>
        <translation>詞庫檔案管理</translation>
    </message>
    <message id="IDD_188">
        <location filename="../../strings/StringTable.cpp" line="61"/>
        <source>选择词库</source>
        <translation>選擇詞庫</translation>
    </message>
    <message id="IDD_206">
        <location filename="../../strings/StringTable.cpp" line="63"/>
        <source>查找/定位</source>
        <translation>尋找/定位</translation>
    </message>
    <message id="IDS_300">
        <location filename="../../strings/StringTable.cpp" line="65"/>
        <source>Lexado</source>
        <translation>Lexado</translation>
    </message>
    <message id="IDS_400">
        <location filename="../../strings/StringTable.cpp" line="67"/>
        <source>该文件不是进度文件!</source>
        <translation>這個檔案不是進度檔！</translation>
    </message>
    <message id="IDS_420">
        <location filename="../../strings/StringTable.cpp" line="69"/>
        <source>词库名和文件名最多19个字节(约6个汉字)</source>
        <translation>詞庫名稱和檔名最多 19 個位元組（約 6 個中文字）</translation>
    </message>
    <message id="IDS_421">
        <location filename="../../strings/StringTable.cpp" line="71"/>
        <source>词库名不能含有“#”</source>
        <translation>詞庫名稱不能含有「#」</translation>
    </message>
    <message id="IDS_61712">
        <location filename="../../strings/StringTable.cpp" line="73"/>
        <source>请键入一个整数。</source>
        <translation>請輸入整數。</translation>
    </message>
    <message id="IDD_187_1000">
        <location filename="../../strings/StringTable.cpp" line="75"/>
        <source>删除</source>
        <translation>刪除</translation>
    </message>
    <message id="IDD_187_1001">
        <location filename="../../strings/StringTable.cpp" line="77"/>
        <source>添加</source>
        <translation>新增</translation>
    </message>
    <message id="IDD_187_1002">
        <location filename="../../strings/StringTable.cpp" line="79"/>
        <source>移出</source>
        <translation>移出</translation>
    </message>
    <message id="IDD_187_1007">
        <location filename="../../strings/StringTable.cpp" line="81"/>
        <source>已有的词库</source>
        <translation>已有的詞庫</translation>
    </message>
    <message id="IDD_187_1016">
        <location filename="../../strings/StringTable.cpp" line="83"/>
        <source>改名</source>
        <translation>重新命名</translation>
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
        <translation>詞庫名稱</translation>
    </message>
    <message id="IDD_187_1053">
        <location filename="../../strings/StringTable.cpp" line="91"/>
        <source>对应文件名</source>
        <translation>對應檔名</translation>
    </message>
    <message id="IDD_188_1025">
        <location filename="../../strings/StringTable.cpp" line="93"/>
        <source>单词总数:</source>
        <translation>單字總數:</translation>
    </message>
    <message id="IDM_144_32786">
        <location filename="../../strings/StringTable.cpp" line="95"/>
        <source>暂停(&amp;P)&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Ctrl+P </source>
        <translation>暫停(&amp;P)&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Ctrl+P</translation>
    </message>
    <message id="IDM_144_32795">
        <location filename="../../strings/StringTable.cpp" line="97"/>
        <source>再读一遍(&amp;R)&#x3000;&#x3000;&#x3000;Ctrl+R</source>
        <translation>再讀一遍(&amp;R)&#x3000;&#x3000;&#x3000;Ctrl+R</translation>
    </message>
    <message id="IDM_144_32781">
        <location filename="../../strings/StringTable.cpp" line="99"/>
        <source>存入生词本(&amp;S)&#x3000;&#x3000;Ctrl+S</source>
        <translation>存入生詞本(&amp;S)&#x3000;&#x3000;Ctrl+S</translation>
    </message>
    <message id="IDM_144_32793">
        <location filename="../../strings/StringTable.cpp" line="101"/>
        <source>删除单词(&amp;D)      Ctrl+Del</source>
        <translation>刪除單字(&amp;D)      Ctrl+Del</translation>
    </message>
    <message id="IDM_144_32771">
        <location filename="../../strings/StringTable.cpp" line="103"/>
        <source>选择词库(&amp;W)      Ctrl+W </source>
        <translation>選擇詞庫(&amp;W)      Ctrl+W</translation>
    </message>
    <message id="IDM_144_32792">
        <location filename="../../strings/StringTable.cpp" line="105"/>
        <source>设置(&amp;T)&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Ctrl+T</source>
        <translation>設定(&amp;T)&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Ctrl+T</translation>
    </message>
    <message id="IDM_144_32794">
        <location filename="../../strings/StringTable.cpp" line="107"/>
        <source>库文件管理(&amp;M)</source>
        <translation>詞庫檔案管理(&amp;M)</translation>
    </message>
    <message id="IDM_144_32780">
        <location filename="../../strings/StringTable.cpp" line="109"/>
        <source>清空生词本(&amp;C)</source>
        <translation>清空生詞本(&amp;C)</translation>
    </message>
    <message id="IDM_144_32788">
        <location filename="../../strings/StringTable.cpp" line="111"/>
        <source>保存进度(&amp;Z)</source>
        <translation>儲存進度(&amp;Z)</translation>
    </message>
    <message id="IDM_144_32789">
        <location filename="../../strings/StringTable.cpp" line="113"/>
        <source>取出进度(&amp;O)</source>
        <translation>讀取進度(&amp;O)</translation>
    </message>
    <message id="IDM_144_32796">
        <location filename="../../strings/StringTable.cpp" line="115"/>
        <source>上一组(&amp;L)        Ctrl+L</source>
        <translation>上一組(&amp;L)        Ctrl+L</translation>
    </message>
    <message id="IDM_144_32797">
        <location filename="../../strings/StringTable.cpp" line="117"/>
        <source>下一组(&amp;N)        Ctrl+N</source>
        <translation>下一組(&amp;N)        Ctrl+N</translation>
    </message>
    <message id="IDM_144_32799">
        <location filename="../../strings/StringTable.cpp" line="119"/>
        <source>查找/定位(&amp;F)     Ctrl+F</source>
        <translation>尋找/定位(&amp;F)     Ctrl+F</translation>
    </message>
    <message id="IDM_144_32800">
        <location filename="../../strings/StringTable.cpp" line="121"/>
        <source>总在最前(&amp;A)</source>
        <translation>總在最上層(&amp;A)</translation>
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
        <translation>說明(&amp;H)&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;F1</translation>
    </message>
    <message id="IDM_144_32776">
        <location filename="../../strings/StringTable.cpp" line="137"/>
        <source>关于(&amp;A)</source>
        <translation>關於(&amp;A)</translation>
    </message>
    <message id="IDM_144_32777">
        <location filename="../../strings/StringTable.cpp" line="139"/>
        <source>退出(&amp;X)          Alt+X</source>
        <translation>結束(&amp;X)          Alt+X</translation>
    </message>
    <message id="IDD_100">
        <location filename="../../strings/StringTable.cpp" line="141"/>
        <source>关于</source>
        <translation>關於</translation>
    </message>
    <message id="IDD_100_1046">
        <location filename="../../strings/StringTable.cpp" line="143"/>
        <source>Lexado 1.0 Beta6</source>
        <translation>Lexado 1.0 Beta6</translation>
    </message>
    <message id="IDD_100_1047">
        <location filename="../../strings/StringTable.cpp" line="145"/>
        <source>版权所有 © 2026 Lexado 开发者</source>
        <translation>版權所有 © 2026 Lexado 開發者</translation>
    </message>
    <message id="IDD_100_1005">
        <location filename="../../strings/StringTable.cpp" line="147"/>
        <source>访问主页</source>
        <translation>造訪首頁</translation>
    </message>
    <message id="IDD_100_1006">
        <location filename="../../strings/StringTable.cpp" line="149"/>
        <source>写给作者</source>
        <translation>寫信給作者</translation>
    </message>
    <message id="IDS_470">
        <location filename="../../strings/StringTable.cpp" line="152"/>
        <source>Unable to load resource DLL!</source>
        <translation>Unable to load resource DLL!</translation>
    </message>
    <message id="IDD_149">
        <location filename="../../strings/StringTable.cpp" line="154"/>
        <source>显示界面</source>
        <translation>顯示介面</translation>
    </message>
    <message id="IDD_150">
        <location filename="../../strings/StringTable.cpp" line="156"/>
        <source>浏览方式</source>
        <translation>瀏覽方式</translation>
    </message>
    <message id="IDD_151">
        <location filename="../../strings/StringTable.cpp" line="158"/>
        <source>其它选项</source>
        <translation>其他選項</translation>
    </message>
    <message id="IDS_450">
        <location filename="../../strings/StringTable.cpp" line="160"/>
        <source>字体</source>
        <translation>字型</translation>
    </message>
    <message id="IDS_451">
        <location filename="../../strings/StringTable.cpp" line="162"/>
        <source>颜色:</source>
        <translation>色彩:</translation>
    </message>
    <message id="IDD_149_1030">
        <location filename="../../strings/StringTable.cpp" line="164"/>
        <source>字体</source>
        <translation>字型</translation>
    </message>
    <message id="IDD_149_1031">
        <location filename="../../strings/StringTable.cpp" line="166"/>
        <source>背景</source>
        <translation>背景</translation>
    </message>
    <message id="IDD_149_1015">
        <location filename="../../strings/StringTable.cpp" line="168"/>
        <source>进度条</source>
        <translation>進度列</translation>
    </message>
    <message id="IDD_149_1028">
        <location filename="../../strings/StringTable.cpp" line="170"/>
        <source>Lexado 背诵</source>
        <translation>Lexado 背誦</translation>
    </message>
    <message id="IDD_149_GROUP_OPTIONS">
        <location filename="../../strings/StringTable.cpp" line="172"/>
        <source>选项</source>
        <translation>選項</translation>
    </message>
    <message id="IDD_149_1022">
        <location filename="../../strings/StringTable.cpp" line="174"/>
        <source>词意缓出</source>
        <translation>詞意延遲顯示</translation>
    </message>
    <message id="IDD_149_1017">
        <location filename="../../strings/StringTable.cpp" line="176"/>
        <source>中文解释</source>
        <translation>中文解釋</translation>
    </message>
    <message id="IDD_149_1019">
        <location filename="../../strings/StringTable.cpp" line="178"/>
        <source>进度条</source>
        <translation>進度列</translation>
    </message>
    <message id="IDD_149_1020">
        <location filename="../../strings/StringTable.cpp" line="180"/>
        <source>一行显示</source>
        <translation>單行顯示</translation>
    </message>
    <message id="IDD_150_GROUP_BROWSE">
        <location filename="../../strings/StringTable.cpp" line="182"/>
        <source>浏览方式</source>
        <translation>瀏覽方式</translation>
    </message>
    <message id="IDD_150_1034">
        <location filename="../../strings/StringTable.cpp" line="184"/>
        <source>顺序</source>
        <translation>循序</translation>
    </message>
    <message id="IDD_150_1035">
        <location filename="../../strings/StringTable.cpp" line="186"/>
        <source>随机</source>
        <translation>隨機</translation>
    </message>
    <message id="IDD_150_1016">
        <location filename="../../strings/StringTable.cpp" line="188"/>
        <source>分组</source>
        <translation>分組</translation>
    </message>
    <message id="IDD_150_GROUP_GROUPS">
        <location filename="../../strings/StringTable.cpp" line="190"/>
        <source>分组设定</source>
        <translation>分組設定</translation>
    </message>
    <message id="IDD_150_1046">
        <location filename="../../strings/StringTable.cpp" line="192"/>
        <source>当前为第</source>
        <translation>目前為第</translation>
    </message>
    <message id="IDD_150_1047">
        <location filename="../../strings/StringTable.cpp" line="194"/>
        <source>组单词</source>
        <translation>組</translation>
    </message>
    <message id="IDD_150_1048">
        <location filename="../../strings/StringTable.cpp" line="196"/>
        <source>每组</source>
        <translation>每組</translation>
    </message>
    <message id="IDD_150_1049">
        <location filename="../../strings/StringTable.cpp" line="198"/>
        <source>个单词.</source>
        <translation>個單字</translation>
    </message>
    <message id="IDD_150_1051">
        <location filename="../../strings/StringTable.cpp" line="200"/>
        <source>每组重复</source>
        <translation>每組重複</translation>
    </message>
    <message id="IDD_150_1050">
        <location filename="../../strings/StringTable.cpp" line="202"/>
        <source>次</source>
        <translation>次</translation>
    </message>
    <message id="IDD_150_SECONDS">
        <location filename="../../strings/StringTable.cpp" line="204"/>
        <source>每个单词停留时间</source>
        <translation>每個單字停留時間</translation>
    </message>
    <message id="IDD_150_SECONDS_UNIT">
        <location filename="../../strings/StringTable.cpp" line="206"/>
        <source>秒</source>
        <translation>秒</translation>
    </message>
    <message id="IDD_150_1010">
        <location filename="../../strings/StringTable.cpp" line="208"/>
        <source>当前词库:</source>
        <translation>目前詞庫:</translation>
    </message>
    <message id="IDD_150_1025">
        <location filename="../../strings/StringTable.cpp" line="210"/>
        <source>单词总数:</source>
        <translation>單字總數:</translation>
    </message>
    <message id="IDD_151_1018">
        <location filename="../../strings/StringTable.cpp" line="212"/>
        <source>英文发音</source>
        <translation>英文發音</translation>
    </message>
    <message id="IDD_151_GROUP_ENGINE">
        <location filename="../../strings/StringTable.cpp" line="214"/>
        <source>发音引擎</source>
        <translation>發音引擎</translation>
    </message>
    <message id="IDD_151_1033">
        <location filename="../../strings/StringTable.cpp" line="216"/>
        <source>测试</source>
        <translation>測試</translation>
    </message>
    <message id="IDD_151_GROUP_DOUBLE_CLICK">
        <location filename="../../strings/StringTable.cpp" line="218"/>
        <source>鼠标左键双击功能设置</source>
        <translation>滑鼠左鍵雙擊功能</translation>
    </message>
    <message id="IDD_151_1002">
        <location filename="../../strings/StringTable.cpp" line="220"/>
        <source>暂停浏览</source>
        <translation>暫停瀏覽</translation>
    </message>
    <message id="IDD_151_1004">
        <location filename="../../strings/StringTable.cpp" line="222"/>
        <source>当前单词再读一遍</source>
        <translation>目前單字再讀一遍</translation>
    </message>
    <message id="IDD_151_1001">
        <location filename="../../strings/StringTable.cpp" line="224"/>
        <source>当前单词加入生词本</source>
        <translation>目前單字加入生詞本</translation>
    </message>
    <message id="IDD_151_1000">
        <location filename="../../strings/StringTable.cpp" line="226"/>
        <source>删除当前单词</source>
        <translation>刪除目前單字</translation>
    </message>
    <message id="IDD_151_1054">
        <location filename="../../strings/StringTable.cpp" line="228"/>
        <source>显示确认信息</source>
        <translation>顯示確認訊息</translation>
    </message>
    <message id="IDS_440">
        <location filename="../../strings/StringTable.cpp" line="231"/>
        <source>已导入词库“%1”（文件 %2）：%3 个词条，其中 %4 个补上了音标。</source>
        <translation>已匯入詞庫「%1」（檔案 %2）：%3 個詞條，其中 %4 個補上了音標。</translation>
    </message>
    <message id="IDS_441">
        <location filename="../../strings/StringTable.cpp" line="233"/>
        <source>跳过了 %1 个没有单词的词条。</source>
        <translation>略過了 %1 個沒有單字的詞條。</translation>
    </message>
    <message id="IDS_442">
        <location filename="../../strings/StringTable.cpp" line="235"/>
        <source>跳过了 %1 个停用的词条。</source>
        <translation>略過了 %1 個停用的詞條。</translation>
    </message>
    <message id="IDS_443">
        <location filename="../../strings/StringTable.cpp" line="237"/>
        <source>无法打开该文件。</source>
        <translation>無法開啟這個檔案。</translation>
    </message>
    <message id="IDS_444">
        <location filename="../../strings/StringTable.cpp" line="239"/>
        <source>该文件不是单词表：可导入 KVTML 文件和以逗号或制表符分隔的文本。</source>
        <translation>這個檔案不是單字表：可以匯入 KVTML 檔案，以及用逗號或定位字元分隔的文字。</translation>
    </message>
    <message id="IDS_445">
        <location filename="../../strings/StringTable.cpp" line="241"/>
        <source>不支持旧版 KVTML 文件，请先用 KWordQuiz 或 Parley 另存一次。</source>
        <translation>不支援舊版 KVTML 檔案，請先用 KWordQuiz 或 Parley 另存一次。</translation>
    </message>
    <message id="IDS_446">
        <location filename="../../strings/StringTable.cpp" line="243"/>
        <source>文件第 %1 行有格式错误。</source>
        <translation>檔案第 %1 行有格式錯誤。</translation>
    </message>
    <message id="IDS_447">
        <location filename="../../strings/StringTable.cpp" line="245"/>
        <source>文件中没有可导入的单词。</source>
        <translation>檔案中沒有可匯入的單字。</translation>
    </message>
    <message id="IDS_448">
        <location filename="../../strings/StringTable.cpp" line="247"/>
        <source>已导出 %1 个词条。</source>
        <translation>已匯出 %1 個詞條。</translation>
    </message>
    <message id="IDS_422">
        <location filename="../../strings/StringTable.cpp" line="249"/>
        <source>词库名和文件名不能含有换行等控制字符</source>
        <translation>詞庫名稱和檔名不能含有換行等控制字元</translation>
    </message>
    <message id="IDD_187_1060">
        <location filename="../../strings/StringTable.cpp" line="252"/>
        <source>导入…</source>
        <translation>匯入…</translation>
    </message>
    <message id="IDS_460">
        <location filename="../../strings/StringTable.cpp" line="254"/>
        <source>单词表</source>
        <translation>單字表</translation>
    </message>
    <message id="IDS_461">
        <location filename="../../strings/StringTable.cpp" line="256"/>
        <source>KVTML 文件</source>
        <translation>KVTML 檔案</translation>
    </message>
    <message id="IDS_462">
        <location filename="../../strings/StringTable.cpp" line="258"/>
        <source>文本文件</source>
        <translation>文字檔</translation>
    </message>
    <message id="IDS_463">
        <location filename="../../strings/StringTable.cpp" line="260"/>
        <source>所有文件</source>
        <translation>所有檔案</translation>
    </message>
    <message id="IDS_464">
        <location filename="../../strings/StringTable.cpp" line="262"/>
        <source>正在导入单词表…</source>
        <translation>正在匯入單字表…</translation>
    </message>
    <message id="IDS_465">
        <location filename="../../strings/StringTable.cpp" line="264"/>
        <source>词库列表中没有“%1”。</source>
        <translation>詞庫清單中沒有「%1」。</translation>
    </message>
    <message id="IDS_471">
        <location filename="../../strings/StringTable.cpp" line="266"/>
        <source>无法创建文件夹 %1</source>
        <translation>無法建立資料夾 %1</translation>
    </message>
    <message id="IDS_472">
        <location filename="../../strings/StringTable.cpp" line="273"/>
        <source>词库列表正被另一个程序修改，请稍后再试。</source>
        <translation>詞庫列表正被另一個程式修改，請稍後再試。</translation>
    </message>
    <message id="IDS_473">
        <location filename="../../strings/StringTable.cpp" line="275"/>
        <source>这不是普通文件，不能写入。</source>
        <translation>這不是一般檔案，不能寫入。</translation>
    </message>
    <message id="IDS_474">
        <location filename="../../strings/StringTable.cpp" line="277"/>
        <source>词库名不能只有空白</source>
        <translation>詞庫名稱不能只有空白</translation>
    </message>
    <message id="IDS_475">
        <location filename="../../strings/StringTable.cpp" line="279"/>
        <source>无法在文件夹 %1 中写入。</source>
        <translation>無法在資料夾 %1 中寫入。</translation>
    </message>
    <message id="IDS_476">
        <location filename="../../strings/StringTable.cpp" line="281"/>
        <source>磁盘已满。</source>
        <translation>磁碟已滿。</translation>
    </message>
    <message id="IDS_480">
        <location filename="../../strings/StringTable.cpp" line="269"/>
        <source>用法：lexado [选项]...
背单词程序：把词库中的单词一个接一个地显示出来。</source>
        <translation>用法：lexado [選項]...
背單字程式：把詞庫中的單字一個接一個地顯示出來。</translation>
    </message>
    <message id="IDS_481">
        <location filename="../../strings/StringTable.cpp" line="271"/>
        <source>把设置、词库列表和词库都放在 DIR 中</source>
        <translation>把設定、詞庫清單和詞庫都放在 DIR 中</translation>
    </message>
    <message id="IDS_482">
        <location filename="../../strings/StringTable.cpp" line="273"/>
        <source>把单词表（KVTML、CSV、以制表符分隔的文本）导入为新词库</source>
        <translation>把單字表（KVTML、CSV、以定位字元分隔的文字）匯入為新詞庫</translation>
    </message>
    <message id="IDS_483">
        <location filename="../../strings/StringTable.cpp" line="275"/>
        <source>--import 所建词库的名称</source>
        <translation>--import 所建詞庫的名稱</translation>
    </message>
    <message id="IDS_484">
        <location filename="../../strings/StringTable.cpp" line="277"/>
        <source>把词库 NAME 以制表符分隔的文本写入 FILE</source>
        <translation>把詞庫 NAME 以定位字元分隔的文字寫入 FILE</translation>
    </message>
    <message id="IDS_485">
        <location filename="../../strings/StringTable.cpp" line="280"/>
        <source>以语言 NAME 启动，NAME 为 pChinese、cChinese、English、Japanese、
Korean、German、French、Spanish、Russian 之一</source>
        <translation>以語言 NAME 啟動，NAME 為 pChinese、cChinese、English、Japanese、
Korean、German、French、Spanish、Russian 之一</translation>
    </message>
    <message id="IDS_486">
        <location filename="../../strings/StringTable.cpp" line="282"/>
        <source>启动时不显示启动画面</source>
        <translation>啟動時不顯示啟動畫面</translation>
    </message>
    <message id="IDS_487">
        <location filename="../../strings/StringTable.cpp" line="284"/>
        <source>显示本帮助</source>
        <translation>顯示本說明</translation>
    </message>
    <message id="IDS_488">
        <location filename="../../strings/StringTable.cpp" line="286"/>
        <source>显示版本</source>
        <translation>顯示版本</translation>
    </message>
    <message id="IDS_466">
        <location filename="../../strings/StringTable.cpp" line="266"/>
        <source>%1 个词条没有补上音标：单词表标明它们的语言是 %2，不是英语。</source>
        <translation>%1 個詞條沒有補上音標：單字表標明它們的語言是 %2，不是英語。</translation>
    </message>
    <message id="IDS_467">
        <location filename="../../strings/StringTable.cpp" line="268"/>
        <source>%1 个词条没有补上音标：单词不是英文。</source>
        <translation>%1 個詞條沒有補上音標：單字不是英文。</translation>
    </message>
    <message id="IDS_468">
        <location filename="../../strings/StringTable.cpp" line="270"/>
        <source>跳过了第 %1 行开始的记录：其中的引号没有结束。</source>
        <translation>略過了第 %1 行開始的記錄：其中的引號沒有結束。</translation>
    </message>
    <message id="IDS_469">
        <location filename="../../strings/StringTable.cpp" line="272"/>
        <source>跳过了 %1 行无法识别编码的文字（既不是 UTF-8 也不是 GB18030）。</source>
        <translation>跳過了 %1 行無法識別編碼的文字（既不是 UTF-8 也不是 GB18030）。</translation>
    </message>
    <message id="IDS_490">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>让正在运行的 Lexado 暂停</source>
        <translation>讓正在執行的 Lexado 暫停</translation>
    </message>
    <message id="IDS_491">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>让正在运行的 Lexado 继续</source>
        <translation>讓正在執行的 Lexado 繼續</translation>
    </message>
    <message id="IDS_492">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>暂停或继续正在运行的 Lexado</source>
        <translation>暫停或繼續正在執行的 Lexado</translation>
    </message>
    <message id="IDS_493">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>立即显示下一个单词</source>
        <translation>立即顯示下一個單詞</translation>
    </message>
    <message id="IDS_494">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>把当前单词记为“我认识”</source>
        <translation>把目前單詞記為「我認識」</translation>
    </message>
    <message id="IDS_495">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>把当前单词记为“不认识”</source>
        <translation>把目前單詞記為「不認識」</translation>
    </message>
    <message id="IDS_496">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>显示 Lexado 的窗口</source>
        <translation>顯示 Lexado 的視窗</translation>
    </message>
    <message id="IDS_497">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>隐藏 Lexado 的窗口（背诵随之暂停）</source>
        <translation>隱藏 Lexado 的視窗（背誦隨之暫停）</translation>
    </message>
    <message id="IDS_498">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>保存设置并退出正在运行的 Lexado</source>
        <translation>儲存設定並結束正在執行的 Lexado</translation>
    </message>
    <message id="IDS_499">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>输出当前单词：单词、音标、词义，以制表符分隔</source>
        <translation>輸出目前單詞：單詞、音標、詞義，以定位字元分隔</translation>
    </message>
    <message id="IDS_500">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>离开</source>
        <translation>離開</translation>
    </message>
    <message id="IDS_501">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>屏幕已锁定</source>
        <translation>螢幕已鎖定</translation>
    </message>
    <message id="IDS_502">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>全屏程序</source>
        <translation>全螢幕程式</translation>
    </message>
    <message id="IDS_503">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>窗口已隐藏</source>
        <translation>視窗已隱藏</translation>
    </message>
    <message id="IDS_504">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>显示窗口</source>
        <translation>顯示視窗</translation>
    </message>
    <message id="IDS_505">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>隐藏窗口</source>
        <translation>隱藏視窗</translation>
    </message>
    <message id="IDS_506">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>我认识</source>
        <translation>我認識</translation>
    </message>
    <message id="IDS_507">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>不认识</source>
        <translation>不認識</translation>
    </message>
    <message id="IDS_510">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>桌面</source>
        <translation>桌面</translation>
    </message>
    <message id="IDS_511">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>自动暂停</source>
        <translation>自動暫停</translation>
    </message>
    <message id="IDS_512">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>无键盘鼠标操作多少秒后暂停（0 为从不）</source>
        <translation>無鍵盤滑鼠操作多少秒後暫停（0 為從不）</translation>
    </message>
    <message id="IDS_513">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>屏幕锁定时暂停</source>
        <translation>螢幕鎖定時暫停</translation>
    </message>
    <message id="IDS_514">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>有全屏程序时暂停并隐藏窗口</source>
        <translation>有全螢幕程式時暫停並隱藏視窗</translation>
    </message>
    <message id="IDS_515">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>在系统托盘中显示图标</source>
        <translation>在系統匣中顯示圖示</translation>
    </message>
    <message id="IDS_516">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>全局快捷键（在任何程序中都有效）</source>
        <translation>全域快速鍵（在任何程式中都有效）</translation>
    </message>
    <message id="IDS_517">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>暂停/继续</source>
        <translation>暫停/繼續</translation>
    </message>
    <message id="IDS_518">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>显示/隐藏窗口</source>
        <translation>顯示/隱藏視窗</translation>
    </message>
    <message id="IDS_519">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>以下快捷键已被其他程序占用：%1</source>
        <translation>以下快速鍵已被其他程式佔用：%1</translation>
    </message>
    <message id="IDS_520">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>按记忆复习</source>
        <translation>按記憶複習</translation>
    </message>
    <message id="IDS_521">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>新词</source>
        <translation>新詞</translation>
    </message>
    <message id="IDS_522">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>学习中</source>
        <translation>學習中</translation>
    </message>
    <message id="IDS_523">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>已掌握 · 下次 %1 天后</source>
        <translation>已掌握 · 下次 %1 天後</translation>
    </message>
    <message id="IDS_524">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>已掌握 · 今天复习</source>
        <translation>已掌握 · 今天複習</translation>
    </message>
    <message id="IDS_525">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>今天：新词 %1 个，评分 %2 次，待复习 %3 个</source>
        <translation>今天：新詞 %1 個，評分 %2 次，待複習 %3 個</translation>
    </message>
    <message id="IDS_526">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>单词记忆文件无法读取，已改名为 %1，并新建了一个。词库和设置没有改动。</source>
        <translation>單詞記憶檔案無法讀取，已改名為 %1，並新建了一個。詞庫和設定沒有改動。</translation>
    </message>
    <message id="IDS_527">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>评分没有保存：单词记忆正被其他程序使用或无法写入。</source>
        <translation>評分沒有儲存：單詞記憶正被其他程式使用或無法寫入。</translation>
    </message>
    <message id="IDS_528">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>无法打开单词记忆（%1），这次运行不记录评分。</source>
        <translation>無法開啟單詞記憶（%1），這次執行不記錄評分。</translation>
    </message>
    <message id="IDS_529">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>输出每个词库的记忆统计，以制表符分隔</source>
        <translation>輸出每個詞庫的記憶統計，以定位字元分隔</translation>
    </message>
    <message id="IDS_530">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>--stats 只统计词库 NAME</source>
        <translation>--stats 只統計詞庫 NAME</translation>
    </message>
    <message id="IDM_144_32807">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>我认识(&amp;K)        Ctrl+K</source>
        <translation>我認識(&amp;K)        Ctrl+K</translation>
    </message>
    <message id="IDM_144_32808">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>不认识(&amp;J)        Ctrl+J</source>
        <translation>不認識(&amp;J)        Ctrl+J</translation>
    </message>
    <message id="IDM_144_32809">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>学习统计(&amp;I)&#x3000;&#x3000;&#x3000;Ctrl+I</source>
        <translation>學習統計(&amp;I)&#x3000;&#x3000;&#x3000;Ctrl+I</translation>
    </message>
    <message id="IDS_541">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>学习统计</source>
        <translation>學習統計</translation>
    </message>
    <message id="IDS_542">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>所有词库</source>
        <translation>所有詞庫</translation>
    </message>
    <message id="IDS_543">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>词库：</source>
        <translation>詞庫：</translation>
    </message>
    <message id="IDS_544">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>最近 %1 天的评分</source>
        <translation>最近 %1 天的評分</translation>
    </message>
    <message id="IDS_545">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>认识</source>
        <translation>認識</translation>
    </message>
    <message id="IDS_546">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>不认识</source>
        <translation>不認識</translation>
    </message>
    <message id="IDS_547">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>出现次数</source>
        <translation>出現次數</translation>
    </message>
    <message id="IDS_548">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>单词状态</source>
        <translation>單詞狀態</translation>
    </message>
    <message id="IDS_549">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>新词：%1</source>
        <translation>新詞：%1</translation>
    </message>
    <message id="IDS_550">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>学习中：%1</source>
        <translation>學習中：%1</translation>
    </message>
    <message id="IDS_551">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>已掌握：%1</source>
        <translation>已掌握：%1</translation>
    </message>
    <message id="IDS_552">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>未来 %1 天到期的单词</source>
        <translation>未來 %1 天到期的單詞</translation>
    </message>
    <message id="IDS_553">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>到期</source>
        <translation>到期</translation>
    </message>
    <message id="IDS_554">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>最近 %1 天的背诵分钟数</source>
        <translation>最近 %1 天的背誦分鐘數</translation>
    </message>
    <message id="IDS_555">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>分钟</source>
        <translation>分鐘</translation>
    </message>
    <message id="IDS_556">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>连续学习 %1 天</source>
        <translation>連續學習 %1 天</translation>
    </message>
    <message id="IDS_557">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>最近 %1 天的记忆保持率</source>
        <translation>最近 %1 天的記憶保持率</translation>
    </message>
    <message id="IDS_558">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>实际</source>
        <translation>實際</translation>
    </message>
    <message id="IDS_559">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>目标</source>
        <translation>目標</translation>
    </message>
    <message id="IDS_560">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>暂无</source>
        <translation>暫無</translation>
    </message>
    <message id="IDS_561">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>导出 CSV...</source>
        <translation>匯出 CSV...</translation>
    </message>
    <message id="IDS_562">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>CSV 文件 (*.csv)</source>
        <translation>CSV 檔案 (*.csv)</translation>
    </message>
    <message id="IDS_563">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>正在读取...</source>
        <translation>正在讀取...</translation>
    </message>
    <message id="IDS_564">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>无法读取学习记录：%1</source>
        <translation>無法讀取學習記錄：%1</translation>
    </message>
    <message id="IDS_565">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>无法打开学习统计：%1</source>
        <translation>無法開啟學習統計：%1</translation>
    </message>
</context>
</TS>
