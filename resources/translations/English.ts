<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name></name>
    <message id="IDS_103">
        <location filename="../../app/StringTable.cpp" line="19"/>
        <source>未找到该词库文件</source>
        <translation>Library file not found</translation>
    </message>
    <message id="IDS_104">
        <location filename="../../app/StringTable.cpp" line="21"/>
        <source>不能删了,没有库文件你怎么用</source>
        <translation>Cannot remove it: without a library there is nothing to learn</translation>
    </message>
    <message id="IDS_105">
        <location filename="../../app/StringTable.cpp" line="23"/>
        <source>写文件出错!</source>
        <translation>Error writing file!</translation>
    </message>
    <message id="IDS_106">
        <location filename="../../app/StringTable.cpp" line="25"/>
        <source>Error#词库为空</source>
        <translation>Error#The library is empty</translation>
    </message>
    <message id="IDS_107">
        <location filename="../../app/StringTable.cpp" line="27"/>
        <source>Error#无该词库文件</source>
        <translation>Error#No such library file</translation>
    </message>
    <message id="IDS_108">
        <location filename="../../app/StringTable.cpp" line="29"/>
        <source>是否清空生词本？</source>
        <translation>Empty the new-word book?</translation>
    </message>
    <message id="IDS_109">
        <location filename="../../app/StringTable.cpp" line="31"/>
        <source>是否删除当前单词？</source>
        <translation>Delete the current word?</translation>
    </message>
    <message id="IDS_110">
        <location filename="../../app/StringTable.cpp" line="33"/>
        <source>当前单词已写入生词本!</source>
        <translation>The current word has been added to the new-word book!</translation>
    </message>
    <message id="IDS_111">
        <location filename="../../app/StringTable.cpp" line="35"/>
        <source>已有该词库或重名</source>
        <translation>This library or name is already listed</translation>
    </message>
    <message id="IDS_112">
        <location filename="../../app/StringTable.cpp" line="37"/>
        <source>序号</source>
        <translation>No.</translation>
    </message>
    <message id="IDS_113">
        <location filename="../../app/StringTable.cpp" line="39"/>
        <source>单词</source>
        <translation>Word</translation>
    </message>
    <message id="IDS_114">
        <location filename="../../app/StringTable.cpp" line="41"/>
        <source>解释</source>
        <translation>Meaning</translation>
    </message>
    <message id="IDS_115">
        <location filename="../../app/StringTable.cpp" line="43"/>
        <source> 第</source>
        <translation> #</translation>
    </message>
    <message id="IDS_116">
        <location filename="../../app/StringTable.cpp" line="45"/>
        <source> 组,第 </source>
        <translation> group, #</translation>
    </message>
    <message id="IDS_117">
        <location filename="../../app/StringTable.cpp" line="47"/>
        <source>个单词</source>
        <translation> word</translation>
    </message>
    <message id="IDS_118">
        <location filename="../../app/StringTable.cpp" line="49"/>
        <source>单词未找到！</source>
        <translation>Word not found!</translation>
    </message>
    <message id="IDS_119">
        <location filename="../../app/StringTable.cpp" line="51"/>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message id="IDS_120">
        <location filename="../../app/StringTable.cpp" line="53"/>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message id="IDS_121">
        <location filename="../../app/StringTable.cpp" line="55"/>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message id="IDS_148">
        <location filename="../../app/StringTable.cpp" line="57"/>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message id="IDS_300">
        <location filename="../../app/StringTable.cpp" line="59"/>
        <source>Lexado</source>
        <translation>Lexado</translation>
    </message>
    <message id="IDS_61712">
        <location filename="../../app/StringTable.cpp" line="61"/>
        <source>请键入一个整数。</source>
        <translation>Please enter an integer.</translation>
    </message>
</context>
</TS>
