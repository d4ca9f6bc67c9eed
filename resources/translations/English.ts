<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name></name>
    <message id="IDS_103">
        <location filename="../../strings/StringTable.cpp" line="19"/>
        <source>未找到该词库文件</source>
        <translation>Library file not found</translation>
    </message>
    <message id="IDS_104">
        <location filename="../../strings/StringTable.cpp" line="21"/>
        <source>不能删了,没有库文件你怎么用</source>
        <translation>Cannot remove it: without a library there is nothing to learn</translation>
    </message>
    <message id="IDS_105">
        <location filename="../../strings/StringTable.cpp" line="23"/>
        <source>写文件出错!</source>
        <translation>Error writing file!</translation>
    </message>
    <message id="IDS_106">
        <location filename="../../strings/StringTable.cpp" line="25"/>
        <source>Error#词库为空</source>
        <translation>Error#The library is empty</translation>
    </message>
    <message id="IDS_107">
        <location filename="../../strings/StringTable.cpp" line="27"/>
        <source>Error#无该词库文件</source>
        <translation>Error#No such library file</translation>
    </message>
    <message id="IDS_108">
        <location filename="../../strings/StringTable.cpp" line="29"/>
        <source>是否清空生词本？</source>
        <translation>Empty the new-word book?</translation>
    </message>
    <message id="IDS_109">
        <location filename="../../strings/StringTable.cpp" line="31"/>
        <source>是否删除当前单词？</source>
        <translation>Delete the current word?</translation>
    </message>
    <message id="IDS_110">
        <location filename="../../strings/StringTable.cpp" line="33"/>
        <source>当前单词已写入生词本!</source>
        <translation>The current word has been added to the new-word book!</translation>
    </message>
    <message id="IDS_111">
        <location filename="../../strings/StringTable.cpp" line="35"/>
        <source>已有该词库或重名</source>
        <translation>This library or name is already listed</translation>
    </message>
    <message id="IDS_112">
        <location filename="../../strings/StringTable.cpp" line="37"/>
        <source>序号</source>
        <translation>No.</translation>
    </message>
    <message id="IDS_113">
        <location filename="../../strings/StringTable.cpp" line="39"/>
        <source>单词</source>
        <translation>Word</translation>
    </message>
    <message id="IDS_114">
        <location filename="../../strings/StringTable.cpp" line="41"/>
        <source>解释</source>
        <translation>Meaning</translation>
    </message>
    <message id="IDS_115">
        <location filename="../../strings/StringTable.cpp" line="43"/>
        <source> 第</source>
        <translation> #</translation>
    </message>
    <message id="IDS_116">
        <location filename="../../strings/StringTable.cpp" line="45"/>
        <source> 组,第 </source>
        <translation> group, #</translation>
    </message>
    <message id="IDS_117">
        <location filename="../../strings/StringTable.cpp" line="47"/>
        <source>个单词</source>
        <translation> word</translation>
    </message>
    <message id="IDS_118">
        <location filename="../../strings/StringTable.cpp" line="49"/>
        <source>单词未找到！</source>
        <translation>Word not found!</translation>
    </message>
    <message id="IDS_119">
        <location filename="../../strings/StringTable.cpp" line="51"/>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message id="IDS_120">
        <location filename="../../strings/StringTable.cpp" line="53"/>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message id="IDS_121">
        <location filename="../../strings/StringTable.cpp" line="55"/>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message id="IDS_148">
        <location filename="../../strings/StringTable.cpp" line="57"/>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message id="IDD_206">
        <location filename="../../strings/StringTable.cpp" line="63"/>
        <source>查找/定位</source>
        <translation>Find/Locate</translation>
    </message>
    <message id="IDS_300">
        <location filename="../../strings/StringTable.cpp" line="65"/>
        <source>Lexado</source>
        <translation>Lexado</translation>
    </message>
    <message id="IDS_400">
        <location filename="../../strings/StringTable.cpp" line="67"/>
        <source>该文件不是进度文件!</source>
        <translation>This file is not a progress file!</translation>
    </message>
    <message id="IDS_61712">
        <location filename="../../strings/StringTable.cpp" line="73"/>
        <source>请键入一个整数。</source>
        <translation>Please enter an integer.</translation>
    </message>
    <message id="IDD_187">
        <location filename="../../strings/StringTable.cpp" line="59"/>
        <source>库文件管理</source>
        <translation>Library Manager</translation>
    </message>
    <message id="IDD_188">
        <location filename="../../strings/StringTable.cpp" line="61"/>
        <source>选择词库</source>
        <translation>Choose Library</translation>
    </message>
    <message id="IDS_420">
        <location filename="../../strings/StringTable.cpp" line="69"/>
        <source>词库名和文件名最多19个字节(约6个汉字)</source>
        <translation>A library name or file name can be at most 19 bytes long (about 6 Chinese characters)</translation>
    </message>
    <message id="IDS_421">
        <location filename="../../strings/StringTable.cpp" line="71"/>
        <source>词库名不能含有“#”</source>
        <translation>A library name cannot contain “#”</translation>
    </message>
    <message id="IDD_187_1000">
        <location filename="../../strings/StringTable.cpp" line="75"/>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message id="IDD_187_1001">
        <location filename="../../strings/StringTable.cpp" line="77"/>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message id="IDD_187_1002">
        <location filename="../../strings/StringTable.cpp" line="79"/>
        <source>移出</source>
        <translation>Remove</translation>
    </message>
    <message id="IDD_187_1007">
        <location filename="../../strings/StringTable.cpp" line="81"/>
        <source>已有的词库</source>
        <translation>Libraries</translation>
    </message>
    <message id="IDD_187_1016">
        <location filename="../../strings/StringTable.cpp" line="83"/>
        <source>改名</source>
        <translation>Rename</translation>
    </message>
    <message id="IDD_187_1017">
        <location filename="../../strings/StringTable.cpp" line="85"/>
        <source>上移</source>
        <translation>Move Up</translation>
    </message>
    <message id="IDD_187_1018">
        <location filename="../../strings/StringTable.cpp" line="87"/>
        <source>下移</source>
        <translation>Move Down</translation>
    </message>
    <message id="IDD_187_1052">
        <location filename="../../strings/StringTable.cpp" line="89"/>
        <source>词库名</source>
        <translation>Library name</translation>
    </message>
    <message id="IDD_187_1053">
        <location filename="../../strings/StringTable.cpp" line="91"/>
        <source>对应文件名</source>
        <translation>File name</translation>
    </message>
    <message id="IDD_188_1025">
        <location filename="../../strings/StringTable.cpp" line="93"/>
        <source>单词总数:</source>
        <translation>Total words:</translation>
    </message>
    <message id="IDM_144_32786">
        <location filename="../../strings/StringTable.cpp" line="95"/>
        <source>暂停(&amp;P)&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Ctrl+P </source>
        <translation>&amp;Pause                 Ctrl+P</translation>
    </message>
    <message id="IDM_144_32795">
        <location filename="../../strings/StringTable.cpp" line="97"/>
        <source>再读一遍(&amp;R)&#x3000;&#x3000;&#x3000;Ctrl+R</source>
        <translation>&amp;Read again            Ctrl+R</translation>
    </message>
    <message id="IDM_144_32781">
        <location filename="../../strings/StringTable.cpp" line="99"/>
        <source>存入生词本(&amp;S)&#x3000;&#x3000;Ctrl+S</source>
        <translation>&amp;Save to word book     Ctrl+S</translation>
    </message>
    <message id="IDM_144_32793">
        <location filename="../../strings/StringTable.cpp" line="101"/>
        <source>删除单词(&amp;D)      Ctrl+Del</source>
        <translation>&amp;Delete word           Ctrl+Del</translation>
    </message>
    <message id="IDM_144_32771">
        <location filename="../../strings/StringTable.cpp" line="103"/>
        <source>选择词库(&amp;W)      Ctrl+W </source>
        <translation>Choose library (&amp;W)    Ctrl+W</translation>
    </message>
    <message id="IDM_144_32792">
        <location filename="../../strings/StringTable.cpp" line="105"/>
        <source>设置(&amp;T)&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Ctrl+T</source>
        <translation>Se&amp;ttings              Ctrl+T</translation>
    </message>
    <message id="IDM_144_32794">
        <location filename="../../strings/StringTable.cpp" line="107"/>
        <source>库文件管理(&amp;M)</source>
        <translation>Library &amp;manager</translation>
    </message>
    <message id="IDM_144_32780">
        <location filename="../../strings/StringTable.cpp" line="109"/>
        <source>清空生词本(&amp;C)</source>
        <translation>&amp;Clear word book</translation>
    </message>
    <message id="IDM_144_32788">
        <location filename="../../strings/StringTable.cpp" line="111"/>
        <source>保存进度(&amp;Z)</source>
        <translation>Save progress (&amp;Z)</translation>
    </message>
    <message id="IDM_144_32789">
        <location filename="../../strings/StringTable.cpp" line="113"/>
        <source>取出进度(&amp;O)</source>
        <translation>L&amp;oad progress</translation>
    </message>
    <message id="IDM_144_32796">
        <location filename="../../strings/StringTable.cpp" line="115"/>
        <source>上一组(&amp;L)        Ctrl+L</source>
        <translation>Previous group (&amp;L)    Ctrl+L</translation>
    </message>
    <message id="IDM_144_32797">
        <location filename="../../strings/StringTable.cpp" line="117"/>
        <source>下一组(&amp;N)        Ctrl+N</source>
        <translation>&amp;Next group            Ctrl+N</translation>
    </message>
    <message id="IDM_144_32799">
        <location filename="../../strings/StringTable.cpp" line="119"/>
        <source>查找/定位(&amp;F)     Ctrl+F</source>
        <translation>&amp;Find/locate           Ctrl+F</translation>
    </message>
    <message id="IDM_144_32800">
        <location filename="../../strings/StringTable.cpp" line="121"/>
        <source>总在最前(&amp;A)</source>
        <translation>&amp;Always on top</translation>
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
        <translation>&amp;Help                  F1</translation>
    </message>
    <message id="IDM_144_32776">
        <location filename="../../strings/StringTable.cpp" line="137"/>
        <source>关于(&amp;A)</source>
        <translation>&amp;About</translation>
    </message>
    <message id="IDM_144_32777">
        <location filename="../../strings/StringTable.cpp" line="139"/>
        <source>退出(&amp;X)          Alt+X</source>
        <translation>E&amp;xit                  Alt+X</translation>
    </message>
    <message id="IDS_422">
        <location filename="../../strings/StringTable.cpp" line="141"/>
        <source>词库名和文件名不能含有换行等控制字符</source>
        <translation>A library name or file name cannot contain a line break or another control character</translation>
    </message>
</context>
</TS>
