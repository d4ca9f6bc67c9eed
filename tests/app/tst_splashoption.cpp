#include "app/SplashOption.h"

#include <QtTest>

class TestSplashOption : public QObject {
    Q_OBJECT

private slots:
    void embeddingSwitches_data() {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<bool>("embedding");
        const auto row = [](const char* argument, bool embedding) {
            QTest::newRow(argument) << QString::fromLatin1(argument) << embedding;
        };
        row("-Embedding", true);
        row("/embedding", true);
        row("-AUTOMATION", true);
        row("/Automation", true);
        row("--Embedding", false);
        row("Embedding", false);
        row("-Embeddings", false);
        row("/", false);
        row("-", false);
        row("--no-splash", false);
    }
    void embeddingSwitches() {
        QFETCH(QString, argument);
        QFETCH(bool, embedding);
        QCOMPARE(IsEmbeddingSwitch(argument), embedding);
    }
};

QTEST_APPLESS_MAIN(TestSplashOption)
#include "tst_splashoption.moc"
