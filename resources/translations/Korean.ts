<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name></name>
    <message id="IDS_103">
        <location filename="../../strings/StringTable.cpp" line="19"/>
        <source>未找到该词库文件</source>
        <translation>단어집 파일을 찾을 수 없습니다.</translation>
    </message>
    <message id="IDS_104">
        <location filename="../../strings/StringTable.cpp" line="21"/>
        <source>不能删了,没有库文件你怎么用</source>
        <translation>마지막 단어집은 빼거나 지울 수 없습니다. 단어집이 없으면 무엇으로 공부하나요?</translation>
    </message>
    <message id="IDS_105">
        <location filename="../../strings/StringTable.cpp" line="23"/>
        <source>写文件出错!</source>
        <translation>파일을 쓰는 중에 오류가 발생했습니다!</translation>
    </message>
    <message id="IDS_106">
        <location filename="../../strings/StringTable.cpp" line="25"/>
        <source>Error#词库为空</source>
        <translation>Error#단어집이 비어 있습니다</translation>
    </message>
    <message id="IDS_107">
        <location filename="../../strings/StringTable.cpp" line="27"/>
        <source>Error#无该词库文件</source>
        <translation>Error#단어집 파일이 없습니다</translation>
    </message>
    <message id="IDS_108">
        <location filename="../../strings/StringTable.cpp" line="29"/>
        <source>是否清空生词本？</source>
        <translation>복습 단어장을 비우시겠습니까?</translation>
    </message>
    <message id="IDS_109">
        <location filename="../../strings/StringTable.cpp" line="31"/>
        <source>是否删除当前单词？</source>
        <translation>현재 단어를 삭제하시겠습니까?</translation>
    </message>
    <message id="IDS_110">
        <location filename="../../strings/StringTable.cpp" line="33"/>
        <source>当前单词已写入生词本!</source>
        <translation>현재 단어를 복습 단어장에 넣었습니다.</translation>
    </message>
    <message id="IDS_111">
        <location filename="../../strings/StringTable.cpp" line="35"/>
        <source>已有该词库或重名</source>
        <translation>이미 목록에 있는 단어집이거나 같은 이름이 있습니다.</translation>
    </message>
    <message id="IDS_112">
        <location filename="../../strings/StringTable.cpp" line="37"/>
        <source>序号</source>
        <translation>번호</translation>
    </message>
    <message id="IDS_113">
        <location filename="../../strings/StringTable.cpp" line="39"/>
        <source>单词</source>
        <translation>단어</translation>
    </message>
    <message id="IDS_114">
        <location filename="../../strings/StringTable.cpp" line="41"/>
        <source>解释</source>
        <translation>뜻</translation>
    </message>
    <message id="IDS_115">
        <location filename="../../strings/StringTable.cpp" line="43"/>
        <source> 第</source>
        <translation>: </translation>
    </message>
    <message id="IDS_116">
        <location filename="../../strings/StringTable.cpp" line="45"/>
        <source> 组,第 </source>
        <translation>번째 그룹, </translation>
    </message>
    <message id="IDS_117">
        <location filename="../../strings/StringTable.cpp" line="47"/>
        <source>个单词</source>
        <translation>번째 단어</translation>
    </message>
    <message id="IDS_118">
        <location filename="../../strings/StringTable.cpp" line="49"/>
        <source>单词未找到！</source>
        <translation>단어를 찾을 수 없습니다.</translation>
    </message>
    <message id="IDS_119">
        <location filename="../../strings/StringTable.cpp" line="51"/>
        <source>确定</source>
        <translation>확인</translation>
    </message>
    <message id="IDS_120">
        <location filename="../../strings/StringTable.cpp" line="53"/>
        <source>取消</source>
        <translation>취소</translation>
    </message>
    <message id="IDS_121">
        <location filename="../../strings/StringTable.cpp" line="55"/>
        <source>帮助</source>
        <translation>도움말</translation>
    </message>
    <message id="IDS_148">
        <location filename="../../strings/StringTable.cpp" line="57"/>
        <source>设置</source>
        <translation>설정</translation>
    </message>
    <message id="IDD_187">
        <location filename="../../strings/StringTable.cpp" line="59"/>
        <source>库文件管理</source>
        <translation>단어집 관리</translation>
    </message>
    <message id="IDD_188">
        <location filename="../../strings/StringTable.cpp" line="61"/>
        <source>选择词库</source>
        <translation>단어집 선택</translation>
    </message>
    <message id="IDD_206">
        <location filename="../../strings/StringTable.cpp" line="63"/>
        <source>查找/定位</source>
        <translation>찾기/이동</translation>
    </message>
    <message id="IDS_300">
        <location filename="../../strings/StringTable.cpp" line="65"/>
        <source>Lexado</source>
        <translation>Lexado</translation>
    </message>
    <message id="IDS_400">
        <location filename="../../strings/StringTable.cpp" line="67"/>
        <source>该文件不是进度文件!</source>
        <translation>진도 파일이 아닙니다.</translation>
    </message>
    <message id="IDS_420">
        <location filename="../../strings/StringTable.cpp" line="69"/>
        <source>词库名和文件名最多19个字节(约6个汉字)</source>
        <translation>단어집 이름과 파일 이름은 최대 19바이트(한글 약 6자)까지입니다.</translation>
    </message>
    <message id="IDS_421">
        <location filename="../../strings/StringTable.cpp" line="71"/>
        <source>词库名不能含有“#”</source>
        <translation>단어집 이름에는 &quot;#&quot;을 쓸 수 없습니다.</translation>
    </message>
    <message id="IDS_61712">
        <location filename="../../strings/StringTable.cpp" line="73"/>
        <source>请键入一个整数。</source>
        <translation>정수를 입력하십시오.</translation>
    </message>
    <message id="IDD_187_1000">
        <location filename="../../strings/StringTable.cpp" line="75"/>
        <source>删除</source>
        <translation>삭제</translation>
    </message>
    <message id="IDD_187_1001">
        <location filename="../../strings/StringTable.cpp" line="77"/>
        <source>添加</source>
        <translation>추가</translation>
    </message>
    <message id="IDD_187_1002">
        <location filename="../../strings/StringTable.cpp" line="79"/>
        <source>移出</source>
        <translation>목록에서 빼기</translation>
    </message>
    <message id="IDD_187_1007">
        <location filename="../../strings/StringTable.cpp" line="81"/>
        <source>已有的词库</source>
        <translation>등록된 단어집</translation>
    </message>
    <message id="IDD_187_1016">
        <location filename="../../strings/StringTable.cpp" line="83"/>
        <source>改名</source>
        <translation>이름 바꾸기</translation>
    </message>
    <message id="IDD_187_1017">
        <location filename="../../strings/StringTable.cpp" line="85"/>
        <source>上移</source>
        <translation>위로</translation>
    </message>
    <message id="IDD_187_1018">
        <location filename="../../strings/StringTable.cpp" line="87"/>
        <source>下移</source>
        <translation>아래로</translation>
    </message>
    <message id="IDD_187_1052">
        <location filename="../../strings/StringTable.cpp" line="89"/>
        <source>词库名</source>
        <translation>단어집 이름</translation>
    </message>
    <message id="IDD_187_1053">
        <location filename="../../strings/StringTable.cpp" line="91"/>
        <source>对应文件名</source>
        <translation>파일 이름</translation>
    </message>
    <message id="IDD_188_1025">
        <location filename="../../strings/StringTable.cpp" line="93"/>
        <source>单词总数:</source>
        <translation>단어 수:</translation>
    </message>
    <message id="IDM_144_32786">
        <location filename="../../strings/StringTable.cpp" line="95"/>
        <source>暂停(&amp;P)&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Ctrl+P </source>
        <translation>일시 정지(&amp;P)&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Ctrl+P</translation>
    </message>
    <message id="IDM_144_32795">
        <location filename="../../strings/StringTable.cpp" line="97"/>
        <source>再读一遍(&amp;R)&#x3000;&#x3000;&#x3000;Ctrl+R</source>
        <translation>다시 읽기(&amp;R)&#x3000;&#x3000;&#x3000;Ctrl+R</translation>
    </message>
    <message id="IDM_144_32781">
        <location filename="../../strings/StringTable.cpp" line="99"/>
        <source>存入生词本(&amp;S)&#x3000;&#x3000;Ctrl+S</source>
        <translation>복습 단어장에 저장(&amp;S)&#x3000;&#x3000;Ctrl+S</translation>
    </message>
    <message id="IDM_144_32793">
        <location filename="../../strings/StringTable.cpp" line="101"/>
        <source>删除单词(&amp;D)      Ctrl+Del</source>
        <translation>단어 삭제(&amp;D)      Ctrl+Del</translation>
    </message>
    <message id="IDM_144_32771">
        <location filename="../../strings/StringTable.cpp" line="103"/>
        <source>选择词库(&amp;W)      Ctrl+W </source>
        <translation>단어집 선택(&amp;W)      Ctrl+W</translation>
    </message>
    <message id="IDM_144_32792">
        <location filename="../../strings/StringTable.cpp" line="105"/>
        <source>设置(&amp;T)&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Ctrl+T</source>
        <translation>설정(&amp;T)&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Ctrl+T</translation>
    </message>
    <message id="IDM_144_32794">
        <location filename="../../strings/StringTable.cpp" line="107"/>
        <source>库文件管理(&amp;M)</source>
        <translation>단어집 관리(&amp;M)</translation>
    </message>
    <message id="IDM_144_32780">
        <location filename="../../strings/StringTable.cpp" line="109"/>
        <source>清空生词本(&amp;C)</source>
        <translation>복습 단어장 비우기(&amp;C)</translation>
    </message>
    <message id="IDM_144_32788">
        <location filename="../../strings/StringTable.cpp" line="111"/>
        <source>保存进度(&amp;Z)</source>
        <translation>진도 저장(&amp;Z)</translation>
    </message>
    <message id="IDM_144_32789">
        <location filename="../../strings/StringTable.cpp" line="113"/>
        <source>取出进度(&amp;O)</source>
        <translation>진도 불러오기(&amp;O)</translation>
    </message>
    <message id="IDM_144_32796">
        <location filename="../../strings/StringTable.cpp" line="115"/>
        <source>上一组(&amp;L)        Ctrl+L</source>
        <translation>이전 그룹(&amp;L)        Ctrl+L</translation>
    </message>
    <message id="IDM_144_32797">
        <location filename="../../strings/StringTable.cpp" line="117"/>
        <source>下一组(&amp;N)        Ctrl+N</source>
        <translation>다음 그룹(&amp;N)        Ctrl+N</translation>
    </message>
    <message id="IDM_144_32799">
        <location filename="../../strings/StringTable.cpp" line="119"/>
        <source>查找/定位(&amp;F)     Ctrl+F</source>
        <translation>찾기/이동(&amp;F)     Ctrl+F</translation>
    </message>
    <message id="IDM_144_32800">
        <location filename="../../strings/StringTable.cpp" line="121"/>
        <source>总在最前(&amp;A)</source>
        <translation>항상 위에(&amp;A)</translation>
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
        <translation>도움말(&amp;H)&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;F1</translation>
    </message>
    <message id="IDM_144_32776">
        <location filename="../../strings/StringTable.cpp" line="137"/>
        <source>关于(&amp;A)</source>
        <translation>정보(&amp;A)</translation>
    </message>
    <message id="IDM_144_32777">
        <location filename="../../strings/StringTable.cpp" line="139"/>
        <source>退出(&amp;X)          Alt+X</source>
        <translation>끝내기(&amp;X)          Alt+X</translation>
    </message>
    <message id="IDD_100">
        <location filename="../../strings/StringTable.cpp" line="141"/>
        <source>关于</source>
        <translation>Lexado 정보</translation>
    </message>
    <message id="IDD_100_1046">
        <location filename="../../strings/StringTable.cpp" line="143"/>
        <source>Lexado 1.0 Beta6</source>
        <translation>Lexado 1.0 Beta6</translation>
    </message>
    <message id="IDD_100_1047">
        <location filename="../../strings/StringTable.cpp" line="145"/>
        <source>版权所有 © 2026 Lexado 开发者</source>
        <translation>Copyright © 2026 Lexado 개발자</translation>
    </message>
    <message id="IDD_100_1005">
        <location filename="../../strings/StringTable.cpp" line="147"/>
        <source>访问主页</source>
        <translation>홈페이지 방문</translation>
    </message>
    <message id="IDD_100_1006">
        <location filename="../../strings/StringTable.cpp" line="149"/>
        <source>写给作者</source>
        <translation>개발자에게 메일 보내기</translation>
    </message>
    <message id="IDS_470">
        <location filename="../../strings/StringTable.cpp" line="152"/>
        <source>Unable to load resource DLL!</source>
        <translation>Unable to load resource DLL!</translation>
    </message>
    <message id="IDD_149">
        <location filename="../../strings/StringTable.cpp" line="154"/>
        <source>显示界面</source>
        <translation>표시</translation>
    </message>
    <message id="IDD_150">
        <location filename="../../strings/StringTable.cpp" line="156"/>
        <source>浏览方式</source>
        <translation>보기 방식</translation>
    </message>
    <message id="IDD_151">
        <location filename="../../strings/StringTable.cpp" line="158"/>
        <source>其它选项</source>
        <translation>기타 옵션</translation>
    </message>
    <message id="IDS_450">
        <location filename="../../strings/StringTable.cpp" line="160"/>
        <source>字体</source>
        <translation>글꼴</translation>
    </message>
    <message id="IDS_451">
        <location filename="../../strings/StringTable.cpp" line="162"/>
        <source>颜色:</source>
        <translation>색:</translation>
    </message>
    <message id="IDD_149_1030">
        <location filename="../../strings/StringTable.cpp" line="164"/>
        <source>字体</source>
        <translation>글꼴</translation>
    </message>
    <message id="IDD_149_1031">
        <location filename="../../strings/StringTable.cpp" line="166"/>
        <source>背景</source>
        <translation>배경</translation>
    </message>
    <message id="IDD_149_1015">
        <location filename="../../strings/StringTable.cpp" line="168"/>
        <source>进度条</source>
        <translation>진행 막대</translation>
    </message>
    <message id="IDD_149_1028">
        <location filename="../../strings/StringTable.cpp" line="170"/>
        <source>Lexado 背诵</source>
        <translation>Lexado 암기</translation>
    </message>
    <message id="IDD_149_GROUP_OPTIONS">
        <location filename="../../strings/StringTable.cpp" line="172"/>
        <source>选项</source>
        <translation>옵션</translation>
    </message>
    <message id="IDD_149_1022">
        <location filename="../../strings/StringTable.cpp" line="174"/>
        <source>词意缓出</source>
        <translation>뜻 늦게 보이기</translation>
    </message>
    <message id="IDD_149_1017">
        <location filename="../../strings/StringTable.cpp" line="176"/>
        <source>中文解释</source>
        <translation>뜻 보이기</translation>
    </message>
    <message id="IDD_149_1019">
        <location filename="../../strings/StringTable.cpp" line="178"/>
        <source>进度条</source>
        <translation>진행 막대</translation>
    </message>
    <message id="IDD_149_1020">
        <location filename="../../strings/StringTable.cpp" line="180"/>
        <source>一行显示</source>
        <translation>한 줄로 보이기</translation>
    </message>
    <message id="IDD_150_GROUP_BROWSE">
        <location filename="../../strings/StringTable.cpp" line="182"/>
        <source>浏览方式</source>
        <translation>보기 방식</translation>
    </message>
    <message id="IDD_150_1034">
        <location filename="../../strings/StringTable.cpp" line="184"/>
        <source>顺序</source>
        <translation>차례대로</translation>
    </message>
    <message id="IDD_150_1035">
        <location filename="../../strings/StringTable.cpp" line="186"/>
        <source>随机</source>
        <translation>무작위로</translation>
    </message>
    <message id="IDD_150_1016">
        <location filename="../../strings/StringTable.cpp" line="188"/>
        <source>分组</source>
        <translation>그룹으로 나누기</translation>
    </message>
    <message id="IDD_150_GROUP_GROUPS">
        <location filename="../../strings/StringTable.cpp" line="190"/>
        <source>分组设定</source>
        <translation>그룹 설정</translation>
    </message>
    <message id="IDD_150_1046">
        <location filename="../../strings/StringTable.cpp" line="192"/>
        <source>当前为第</source>
        <translation>현재</translation>
    </message>
    <message id="IDD_150_1047">
        <location filename="../../strings/StringTable.cpp" line="194"/>
        <source>组单词</source>
        <translation>번째 그룹</translation>
    </message>
    <message id="IDD_150_1048">
        <location filename="../../strings/StringTable.cpp" line="196"/>
        <source>每组</source>
        <translation>그룹당 단어</translation>
    </message>
    <message id="IDD_150_1049">
        <location filename="../../strings/StringTable.cpp" line="198"/>
        <source>个单词.</source>
        <translation>개</translation>
    </message>
    <message id="IDD_150_1051">
        <location filename="../../strings/StringTable.cpp" line="200"/>
        <source>每组重复</source>
        <translation>그룹마다</translation>
    </message>
    <message id="IDD_150_1050">
        <location filename="../../strings/StringTable.cpp" line="202"/>
        <source>次</source>
        <translation>번 반복</translation>
    </message>
    <message id="IDD_150_SECONDS">
        <location filename="../../strings/StringTable.cpp" line="204"/>
        <source>每个单词停留时间</source>
        <translation>단어당 표시 시간</translation>
    </message>
    <message id="IDD_150_SECONDS_UNIT">
        <location filename="../../strings/StringTable.cpp" line="206"/>
        <source>秒</source>
        <translation>초</translation>
    </message>
    <message id="IDD_150_1010">
        <location filename="../../strings/StringTable.cpp" line="208"/>
        <source>当前词库:</source>
        <translation>현재 단어집:</translation>
    </message>
    <message id="IDD_150_1025">
        <location filename="../../strings/StringTable.cpp" line="210"/>
        <source>单词总数:</source>
        <translation>단어 수:</translation>
    </message>
    <message id="IDD_151_1018">
        <location filename="../../strings/StringTable.cpp" line="212"/>
        <source>英文发音</source>
        <translation>영어 발음</translation>
    </message>
    <message id="IDD_151_GROUP_ENGINE">
        <location filename="../../strings/StringTable.cpp" line="214"/>
        <source>发音引擎</source>
        <translation>음성</translation>
    </message>
    <message id="IDD_151_1033">
        <location filename="../../strings/StringTable.cpp" line="216"/>
        <source>测试</source>
        <translation>테스트</translation>
    </message>
    <message id="IDD_151_GROUP_DOUBLE_CLICK">
        <location filename="../../strings/StringTable.cpp" line="218"/>
        <source>鼠标左键双击功能设置</source>
        <translation>두 번 클릭 동작</translation>
    </message>
    <message id="IDD_151_1002">
        <location filename="../../strings/StringTable.cpp" line="220"/>
        <source>暂停浏览</source>
        <translation>일시 정지</translation>
    </message>
    <message id="IDD_151_1004">
        <location filename="../../strings/StringTable.cpp" line="222"/>
        <source>当前单词再读一遍</source>
        <translation>단어 다시 읽기</translation>
    </message>
    <message id="IDD_151_1001">
        <location filename="../../strings/StringTable.cpp" line="224"/>
        <source>当前单词加入生词本</source>
        <translation>단어를 복습 단어장에 넣기</translation>
    </message>
    <message id="IDD_151_1000">
        <location filename="../../strings/StringTable.cpp" line="226"/>
        <source>删除当前单词</source>
        <translation>단어 삭제</translation>
    </message>
    <message id="IDD_151_1054">
        <location filename="../../strings/StringTable.cpp" line="228"/>
        <source>显示确认信息</source>
        <translation>확인 메시지 표시</translation>
    </message>
    <message id="IDS_440">
        <location filename="../../strings/StringTable.cpp" line="231"/>
        <source>已导入词库“%1”（文件 %2）：%3 个词条，其中 %4 个补上了音标。</source>
        <translation>단어집 &quot;%1&quot;(파일 %2)을(를) 가져왔습니다. 항목 %3개 가운데 %4개에 발음 기호를 채웠습니다.</translation>
    </message>
    <message id="IDS_441">
        <location filename="../../strings/StringTable.cpp" line="233"/>
        <source>跳过了 %1 个没有单词的词条。</source>
        <translation>단어가 없는 항목 %1개를 건너뛰었습니다.</translation>
    </message>
    <message id="IDS_442">
        <location filename="../../strings/StringTable.cpp" line="235"/>
        <source>跳过了 %1 个停用的词条。</source>
        <translation>사용하지 않는 항목 %1개를 건너뛰었습니다.</translation>
    </message>
    <message id="IDS_443">
        <location filename="../../strings/StringTable.cpp" line="237"/>
        <source>无法打开该文件。</source>
        <translation>파일을 열 수 없습니다.</translation>
    </message>
    <message id="IDS_444">
        <location filename="../../strings/StringTable.cpp" line="239"/>
        <source>该文件不是单词表：可导入 KVTML 文件和以逗号或制表符分隔的文本。</source>
        <translation>단어 목록 파일이 아닙니다. KVTML 파일과 쉼표나 탭으로 구분한 텍스트를 가져올 수 있습니다.</translation>
    </message>
    <message id="IDS_445">
        <location filename="../../strings/StringTable.cpp" line="241"/>
        <source>不支持旧版 KVTML 文件，请先用 KWordQuiz 或 Parley 另存一次。</source>
        <translation>이전 버전의 KVTML 파일은 지원하지 않습니다. 먼저 KWordQuiz나 Parley에서 한 번 다시 저장하십시오.</translation>
    </message>
    <message id="IDS_446">
        <location filename="../../strings/StringTable.cpp" line="243"/>
        <source>文件第 %1 行有格式错误。</source>
        <translation>파일의 %1번째 줄에 형식 오류가 있습니다.</translation>
    </message>
    <message id="IDS_447">
        <location filename="../../strings/StringTable.cpp" line="245"/>
        <source>文件中没有可导入的单词。</source>
        <translation>파일에 가져올 단어가 없습니다.</translation>
    </message>
    <message id="IDS_448">
        <location filename="../../strings/StringTable.cpp" line="247"/>
        <source>已导出 %1 个词条。</source>
        <translation>항목 %1개를 내보냈습니다.</translation>
    </message>
    <message id="IDS_422">
        <location filename="../../strings/StringTable.cpp" line="249"/>
        <source>词库名和文件名不能含有换行等控制字符</source>
        <translation>단어집 이름과 파일 이름에는 줄 바꿈 같은 제어 문자를 쓸 수 없습니다.</translation>
    </message>
    <message id="IDD_187_1060">
        <location filename="../../strings/StringTable.cpp" line="252"/>
        <source>导入…</source>
        <translation>가져오기…</translation>
    </message>
    <message id="IDS_460">
        <location filename="../../strings/StringTable.cpp" line="254"/>
        <source>单词表</source>
        <translation>단어 목록</translation>
    </message>
    <message id="IDS_461">
        <location filename="../../strings/StringTable.cpp" line="256"/>
        <source>KVTML 文件</source>
        <translation>KVTML 파일</translation>
    </message>
    <message id="IDS_462">
        <location filename="../../strings/StringTable.cpp" line="258"/>
        <source>文本文件</source>
        <translation>텍스트 파일</translation>
    </message>
    <message id="IDS_463">
        <location filename="../../strings/StringTable.cpp" line="260"/>
        <source>所有文件</source>
        <translation>모든 파일</translation>
    </message>
    <message id="IDS_464">
        <location filename="../../strings/StringTable.cpp" line="262"/>
        <source>正在导入单词表…</source>
        <translation>단어 목록을 가져오는 중…</translation>
    </message>
    <message id="IDS_465">
        <location filename="../../strings/StringTable.cpp" line="264"/>
        <source>词库列表中没有“%1”。</source>
        <translation>&quot;%1&quot;은(는) 단어집 목록에 없습니다.</translation>
    </message>
    <message id="IDS_471">
        <location filename="../../strings/StringTable.cpp" line="266"/>
        <source>无法创建文件夹 %1</source>
        <translation>폴더 %1을(를) 만들 수 없습니다</translation>
    </message>
    <message id="IDS_472">
        <location filename="../../strings/StringTable.cpp" line="273"/>
        <source>词库列表正被另一个程序修改，请稍后再试。</source>
        <translation>다른 프로그램이 단어집 목록을 바꾸고 있습니다. 잠시 후 다시 시도하십시오.</translation>
    </message>
    <message id="IDS_473">
        <location filename="../../strings/StringTable.cpp" line="275"/>
        <source>这不是普通文件，不能写入。</source>
        <translation>일반 파일이 아니므로 쓰지 않았습니다.</translation>
    </message>
    <message id="IDS_474">
        <location filename="../../strings/StringTable.cpp" line="277"/>
        <source>词库名不能只有空白</source>
        <translation>단어집 이름은 공백만으로 이루어질 수 없습니다.</translation>
    </message>
    <message id="IDS_475">
        <location filename="../../strings/StringTable.cpp" line="279"/>
        <source>无法在文件夹 %1 中写入。</source>
        <translation>폴더 %1에 쓸 수 없습니다.</translation>
    </message>
    <message id="IDS_476">
        <location filename="../../strings/StringTable.cpp" line="281"/>
        <source>磁盘已满。</source>
        <translation>디스크가 가득 찼습니다.</translation>
    </message>
    <message id="IDS_480">
        <location filename="../../strings/StringTable.cpp" line="269"/>
        <source>用法：lexado [选项]...
背单词程序：把词库中的单词一个接一个地显示出来。</source>
        <translation>사용법: lexado [옵션]...
단어 암기 프로그램: 단어집의 단어를 하나씩 차례로 보여 줍니다.</translation>
    </message>
    <message id="IDS_481">
        <location filename="../../strings/StringTable.cpp" line="271"/>
        <source>把设置、词库列表和词库都放在 DIR 中</source>
        <translation>설정, 단어집 목록, 단어집을 DIR에 둡니다</translation>
    </message>
    <message id="IDS_482">
        <location filename="../../strings/StringTable.cpp" line="273"/>
        <source>把单词表（KVTML、CSV、以制表符分隔的文本）导入为新词库</source>
        <translation>단어 목록(KVTML, CSV, 탭으로 구분한 텍스트)을 새 단어집으로 가져옵니다</translation>
    </message>
    <message id="IDS_483">
        <location filename="../../strings/StringTable.cpp" line="275"/>
        <source>--import 所建词库的名称</source>
        <translation>--import로 만드는 단어집의 이름</translation>
    </message>
    <message id="IDS_484">
        <location filename="../../strings/StringTable.cpp" line="277"/>
        <source>把词库 NAME 以制表符分隔的文本写入 FILE</source>
        <translation>단어집 NAME을 탭으로 구분한 텍스트로 FILE에 씁니다</translation>
    </message>
    <message id="IDS_485">
        <location filename="../../strings/StringTable.cpp" line="280"/>
        <source>以语言 NAME 启动，NAME 为 pChinese、cChinese、English、Japanese、
Korean、German、French、Spanish、Russian 之一</source>
        <translation>언어 NAME으로 시작합니다. NAME은 pChinese, cChinese, English, Japanese,
Korean, German, French, Spanish, Russian 중 하나입니다</translation>
    </message>
    <message id="IDS_486">
        <location filename="../../strings/StringTable.cpp" line="282"/>
        <source>启动时不显示启动画面</source>
        <translation>시작 화면 없이 시작합니다</translation>
    </message>
    <message id="IDS_487">
        <location filename="../../strings/StringTable.cpp" line="284"/>
        <source>显示本帮助</source>
        <translation>이 도움말을 보여 줍니다</translation>
    </message>
    <message id="IDS_488">
        <location filename="../../strings/StringTable.cpp" line="286"/>
        <source>显示版本</source>
        <translation>버전을 보여 줍니다</translation>
    </message>
    <message id="IDS_466">
        <location filename="../../strings/StringTable.cpp" line="266"/>
        <source>%1 个词条没有补上音标：单词表标明它们的语言是 %2，不是英语。</source>
        <translation>항목 %1개에 발음 기호를 채우지 않았습니다. 단어 목록에 표시된 언어가 영어가 아니라 %2입니다.</translation>
    </message>
    <message id="IDS_467">
        <location filename="../../strings/StringTable.cpp" line="268"/>
        <source>%1 个词条没有补上音标：单词不是英文。</source>
        <translation>항목 %1개에 발음 기호를 채우지 않았습니다. 단어가 영어가 아닙니다.</translation>
    </message>
    <message id="IDS_468">
        <location filename="../../strings/StringTable.cpp" line="270"/>
        <source>跳过了第 %1 行开始的记录：其中的引号没有结束。</source>
        <translation>%1번째 줄에서 시작하는 레코드를 건너뛰었습니다. 그 안의 따옴표가 닫히지 않았습니다.</translation>
    </message>
    <message id="IDS_469">
        <location filename="../../strings/StringTable.cpp" line="272"/>
        <source>跳过了 %1 行无法识别编码的文字（既不是 UTF-8 也不是 GB18030）。</source>
        <translation>인코딩을 알 수 없는 %1줄을 건너뛰었습니다(UTF-8도 GB18030도 아님).</translation>
    </message>
    <message id="IDS_490">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>让正在运行的 Lexado 暂停</source>
        <translation>실행 중인 Lexado를 일시 정지</translation>
    </message>
    <message id="IDS_491">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>让正在运行的 Lexado 继续</source>
        <translation>실행 중인 Lexado를 다시 시작</translation>
    </message>
    <message id="IDS_492">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>暂停或继续正在运行的 Lexado</source>
        <translation>실행 중인 Lexado를 일시 정지하거나 다시 시작</translation>
    </message>
    <message id="IDS_493">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>立即显示下一个单词</source>
        <translation>다음 단어를 바로 표시</translation>
    </message>
    <message id="IDS_494">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>把当前单词记为“我认识”</source>
        <translation>표시 중인 단어를 "알아요"로 평가</translation>
    </message>
    <message id="IDS_495">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>把当前单词记为“不认识”</source>
        <translation>표시 중인 단어를 "몰라요"로 평가</translation>
    </message>
    <message id="IDS_496">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>显示 Lexado 的窗口</source>
        <translation>Lexado 창 표시</translation>
    </message>
    <message id="IDS_497">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>隐藏 Lexado 的窗口（背诵随之暂停）</source>
        <translation>Lexado 창 숨기기(암기도 일시 정지)</translation>
    </message>
    <message id="IDS_498">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>保存设置并退出正在运行的 Lexado</source>
        <translation>설정을 저장하고 실행 중인 Lexado 종료</translation>
    </message>
    <message id="IDS_499">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>输出当前单词：单词、音标、词义，以制表符分隔</source>
        <translation>표시 중인 단어 출력: 단어, 발음 기호, 뜻을 탭으로 구분</translation>
    </message>
    <message id="IDS_500">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>离开</source>
        <translation>자리 비움</translation>
    </message>
    <message id="IDS_501">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>屏幕已锁定</source>
        <translation>화면 잠김</translation>
    </message>
    <message id="IDS_502">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>全屏程序</source>
        <translation>전체 화면 프로그램</translation>
    </message>
    <message id="IDS_503">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>窗口已隐藏</source>
        <translation>창 숨김</translation>
    </message>
    <message id="IDS_504">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>显示窗口</source>
        <translation>창 표시</translation>
    </message>
    <message id="IDS_505">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>隐藏窗口</source>
        <translation>창 숨기기</translation>
    </message>
    <message id="IDS_506">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>我认识</source>
        <translation>알아요</translation>
    </message>
    <message id="IDS_507">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>不认识</source>
        <translation>몰라요</translation>
    </message>
    <message id="IDS_510">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>桌面</source>
        <translation>데스크톱</translation>
    </message>
    <message id="IDS_511">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>自动暂停</source>
        <translation>자동 일시 정지</translation>
    </message>
    <message id="IDS_512">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>无键盘鼠标操作多少秒后暂停（0 为从不）</source>
        <translation>키보드와 마우스 입력이 없으면 몇 초 후 일시 정지(0: 안 함)</translation>
    </message>
    <message id="IDS_513">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>屏幕锁定时暂停</source>
        <translation>화면이 잠기면 일시 정지</translation>
    </message>
    <message id="IDS_514">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>有全屏程序时暂停并隐藏窗口</source>
        <translation>전체 화면 프로그램이 있으면 일시 정지하고 창 숨기기</translation>
    </message>
    <message id="IDS_515">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>在系统托盘中显示图标</source>
        <translation>시스템 트레이에 아이콘 표시</translation>
    </message>
    <message id="IDS_516">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>全局快捷键（在任何程序中都有效）</source>
        <translation>전역 단축키(어느 프로그램에서나)</translation>
    </message>
    <message id="IDS_517">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>暂停/继续</source>
        <translation>일시 정지/다시 시작</translation>
    </message>
    <message id="IDS_518">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>显示/隐藏窗口</source>
        <translation>창 표시/숨기기</translation>
    </message>
    <message id="IDS_519">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>以下快捷键已被其他程序占用：%1</source>
        <translation>다른 프로그램이 사용 중: %1</translation>
    </message>
    <message id="IDS_520">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>按记忆复习</source>
        <translation>기억에 따라 복습</translation>
    </message>
    <message id="IDS_521">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>新词</source>
        <translation>새 단어</translation>
    </message>
    <message id="IDS_522">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>学习中</source>
        <translation>학습 중</translation>
    </message>
    <message id="IDS_523">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>已掌握 · 下次 %1 天后</source>
        <translation>익힘 · %1일 후 다시</translation>
    </message>
    <message id="IDS_524">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>已掌握 · 今天复习</source>
        <translation>익힘 · 오늘 복습</translation>
    </message>
    <message id="IDS_525">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>今天：新词 %1 个，评分 %2 次，待复习 %3 个</source>
        <translation>오늘: 새 단어 %1개, 평가 %2회, 복습 대기 %3개</translation>
    </message>
    <message id="IDS_526">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>单词记忆文件无法读取，已改名为 %1，并新建了一个。词库和设置没有改动。</source>
        <translation>단어 기억 파일을 읽을 수 없어 %1(으)로 이름을 바꾸고 새로 만들었습니다. 단어장과 설정은 그대로입니다.</translation>
    </message>
    <message id="IDS_527">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>评分没有保存：单词记忆正被其他程序使用或无法写入。</source>
        <translation>평가를 저장하지 못했습니다. 단어 기억을 다른 프로그램이 사용 중이거나 쓸 수 없습니다.</translation>
    </message>
    <message id="IDS_528">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>无法打开单词记忆（%1），这次运行不记录评分。</source>
        <translation>단어 기억을 열 수 없습니다(%1). 이번 실행에서는 평가를 기록하지 않습니다.</translation>
    </message>
    <message id="IDS_529">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>输出每个词库的记忆统计，以制表符分隔</source>
        <translation>단어장별 기억 통계를 탭으로 구분해 출력</translation>
    </message>
    <message id="IDS_530">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>--stats 只统计词库 NAME</source>
        <translation>--stats에서 단어장 NAME만 집계</translation>
    </message>
    <message id="IDM_144_32807">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>我认识(&amp;K)        Ctrl+K</source>
        <translation>알아요(&amp;K)        Ctrl+K</translation>
    </message>
    <message id="IDM_144_32808">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>不认识(&amp;J)        Ctrl+J</source>
        <translation>몰라요(&amp;J)        Ctrl+J</translation>
    </message>
    <message id="IDM_144_32809">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>学习统计(&amp;I)&#x3000;&#x3000;&#x3000;Ctrl+I</source>
        <translation>학습 통계(&amp;I)&#x3000;&#x3000;&#x3000;Ctrl+I</translation>
    </message>
    <message id="IDS_541">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>学习统计</source>
        <translation>학습 통계</translation>
    </message>
    <message id="IDS_542">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>所有词库</source>
        <translation>모든 단어집</translation>
    </message>
    <message id="IDS_543">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>词库：</source>
        <translation>단어집:</translation>
    </message>
    <message id="IDS_544">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>最近 %1 天的评分</source>
        <translation>최근 %1일 평가</translation>
    </message>
    <message id="IDS_545">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>认识</source>
        <translation>알아요</translation>
    </message>
    <message id="IDS_546">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>不认识</source>
        <translation>몰라요</translation>
    </message>
    <message id="IDS_547">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>出现次数</source>
        <translation>표시 횟수</translation>
    </message>
    <message id="IDS_548">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>单词状态</source>
        <translation>단어 상태</translation>
    </message>
    <message id="IDS_549">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>新词：%1</source>
        <translation>새 단어: %1</translation>
    </message>
    <message id="IDS_550">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>学习中：%1</source>
        <translation>학습 중: %1</translation>
    </message>
    <message id="IDS_551">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>已掌握：%1</source>
        <translation>익힌 단어: %1</translation>
    </message>
    <message id="IDS_552">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>未来 %1 天到期的单词</source>
        <translation>앞으로 %1일 동안 복습할 단어</translation>
    </message>
    <message id="IDS_553">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>到期</source>
        <translation>복습</translation>
    </message>
    <message id="IDS_554">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>最近 %1 天的背诵分钟数</source>
        <translation>최근 %1일 암기 시간(분)</translation>
    </message>
    <message id="IDS_555">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>分钟</source>
        <translation>분</translation>
    </message>
    <message id="IDS_556">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>连续学习 %1 天</source>
        <translation>연속 학습 %1일</translation>
    </message>
    <message id="IDS_557">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>最近 %1 天的记忆保持率</source>
        <translation>최근 %1일 기억 유지율</translation>
    </message>
    <message id="IDS_558">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>实际</source>
        <translation>실제</translation>
    </message>
    <message id="IDS_559">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>目标</source>
        <translation>목표</translation>
    </message>
    <message id="IDS_560">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>暂无</source>
        <translation>아직 없음</translation>
    </message>
    <message id="IDS_561">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>导出 CSV...</source>
        <translation>CSV로 내보내기...</translation>
    </message>
    <message id="IDS_562">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>CSV 文件 (*.csv)</source>
        <translation>CSV 파일 (*.csv)</translation>
    </message>
    <message id="IDS_563">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>正在读取...</source>
        <translation>읽는 중...</translation>
    </message>
    <message id="IDS_564">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>无法读取学习记录：%1</source>
        <translation>학습 기록을 읽을 수 없습니다: %1</translation>
    </message>
    <message id="IDS_565">
        <location filename="../../strings/StringTable.cpp" line="1"/>
        <source>无法打开学习统计：%1</source>
        <translation>학습 통계를 열 수 없습니다: %1</translation>
    </message>
</context>
</TS>
