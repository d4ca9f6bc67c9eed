#include "app/SplashOption.h"

#include <QtTest>

class TestSplashOption : public QObject {
    Q_OBJECT

private slots:
    void switchesSuppressTheSplash_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("wanted");
        const auto line = [](std::initializer_list<const char*> words) {
            QStringList arguments{QStringLiteral("lexado")};
            for (const char* word : words) {
                arguments << QString::fromLatin1(word);
            }
            return arguments;
        };
        QTest::newRow("nothing") << line({}) << true;
        QTest::newRow("other options")
            << line({"--home", "/tmp/x", "--language", "German"}) << true;
        QTest::newRow("-Embedding") << line({"-Embedding"}) << false;
        QTest::newRow("/embedding") << line({"/embedding"}) << false;
        QTest::newRow("-AUTOMATION") << line({"-AUTOMATION"}) << false;
        QTest::newRow("/Automation after others") << line({"--home", "d", "/Automation"}) << false;
        QTest::newRow("--no-splash") << line({"--no-splash"}) << false;
        QTest::newRow("two dashes") << line({"--Embedding"}) << true;
        QTest::newRow("no switch mark") << line({"Embedding"}) << true;
        QTest::newRow("longer word") << line({"-Embeddings"}) << true;
        QTest::newRow("value of --home") << line({"--home", "Automation"}) << true;
        QTest::newRow("program named so") << QStringList{QStringLiteral("-Embedding")} << true;
    }
    void switchesSuppressTheSplash() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, wanted);
        QCOMPARE(SplashWanted(arguments), wanted);
    }
};

QTEST_APPLESS_MAIN(TestSplashOption)
#include "tst_splashoption.moc"
