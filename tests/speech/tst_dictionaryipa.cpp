#include "speech/DictionaryIpa.h"

#include <QtTest>

// The engine's IPA of words of the sample library (the Received Pronunciation voice, the
// general British one for "export", "passive", "gigantic" and "asteroid") and the sample
// library's transcriptions of them; then words outside it and made-up cases of each rule.
class TestDictionaryIpa : public QObject {
    Q_OBJECT

private slots:
    void rewritesTheEnginesIpa_data() {
        QTest::addColumn<QString>("espeak");
        QTest::addColumn<QString>("dictionary");
        QTest::newRow("abandon") << QStringLiteral("ɐbˈændən") << QStringLiteral("əˈbændən");
        QTest::newRow("abbreviate")
            << QStringLiteral("ɐbɹˈiːvɪˌeɪt") << QStringLiteral("əˈbriːvieɪt");
        QTest::newRow("abnormal") << QStringLiteral("ɐbnˈɔːməl") << QStringLiteral("əbˈnɔːməl");
        QTest::newRow("accessory") << QStringLiteral("ɐksˈɛsəɹɪ") << QStringLiteral("əkˈsesəri");
        QTest::newRow("adhere") << QStringLiteral("ɐdhˈiə") << QStringLiteral("ədˈhɪə");
        QTest::newRow("atmosphere") << QStringLiteral("ˈætməsfˌiə") << QStringLiteral("ˈætməsfɪə");
        QTest::newRow("bacteria") << QStringLiteral("bæktˈiəɹɪɐ") << QStringLiteral("bækˈtɪəriə");
        QTest::newRow("cereal") << QStringLiteral("sˈiəɹɪəl") << QStringLiteral("ˈsɪəriəl");
        QTest::newRow("criterion")
            << QStringLiteral("kɹaɪtˈiəɹɪən") << QStringLiteral("kraɪˈtɪəriən");
        QTest::newRow("engineer") << QStringLiteral("ˌɛndʒɪnˈiə") << QStringLiteral("ˌendʒɪˈnɪə");
        QTest::newRow("adjacent") << QStringLiteral("ɐdʒˈeɪsənt") << QStringLiteral("əˈdʒeɪsənt");
        QTest::newRow("challenge") << QStringLiteral("tʃˈælɪndʒ") << QStringLiteral("ˈtʃælɪndʒ");
        QTest::newRow("dismiss") << QStringLiteral("dɪsmˈɪs") << QStringLiteral("dɪsˈmɪs");
        QTest::newRow("mislead") << QStringLiteral("mɪslˈiːd") << QStringLiteral("mɪsˈliːd");
        QTest::newRow("transform") << QStringLiteral("tɹænsfˈɔːm") << QStringLiteral("trænsˈfɔːm");
        QTest::newRow("legislation")
            << QStringLiteral("lˌɛdʒɪslˈeɪʃən") << QStringLiteral("ˌledʒɪsˈleɪʃən");
        QTest::newRow("slate") << QStringLiteral("slˈeɪt") << QStringLiteral("ˈsleɪt");
        QTest::newRow("sphere") << QStringLiteral("sfˈiə") << QStringLiteral("ˈsfɪə");
        QTest::newRow("display") << QStringLiteral("dɪsplˈeɪ") << QStringLiteral("dɪˈspleɪ");
        QTest::newRow("explode") << QStringLiteral("ɪksplˈəʊd") << QStringLiteral("ɪkˈspləʊd");
        QTest::newRow("squeeze") << QStringLiteral("skwˈiːz") << QStringLiteral("ˈskwiːz");
        QTest::newRow("superficial")
            << QStringLiteral("sˈuːpəfˈɪʃəl") << QStringLiteral("ˌsuːpəˈfɪʃəl");
        QTest::newRow("superstition")
            << QStringLiteral("sˈuːpəstˈɪʃən") << QStringLiteral("ˌsuːpəˈstɪʃən");
        QTest::newRow("multiple") << QStringLiteral("mˌʌltɪpəl") << QStringLiteral("ˈmʌltɪpəl");
        QTest::newRow("export") << QStringLiteral("ˈɛkspɔːt") << QStringLiteral("ˈekspɔːt");
        QTest::newRow("passive") << QStringLiteral("pˈasɪv") << QStringLiteral("ˈpæsɪv");
        QTest::newRow("gigantic") << QStringLiteral("dʒaɪɡˈantɪk") << QStringLiteral("dʒaɪˈɡæntɪk");
        QTest::newRow("asteroid") << QStringLiteral("ˈastəɹˌɔɪd") << QStringLiteral("ˈæstərɔɪd");
        QTest::newRow("economy") << QStringLiteral("ɪkˈɒnəmɪ") << QStringLiteral("ɪˈkɒnəmi");
        QTest::newRow("include") << QStringLiteral("ɪŋklˈuːd") << QStringLiteral("ɪnˈkluːd");
        QTest::newRow("conclude") << QStringLiteral("kəŋklˈuːd") << QStringLiteral("kənˈkluːd");
        QTest::newRow("engulf") << QStringLiteral("ɪŋɡˈʌlf") << QStringLiteral("ɪnˈɡʌlf");
        QTest::newRow("give up") << QStringLiteral("ɡˈɪv ˈʌp") << QStringLiteral("ˈɡɪv ˈʌp");
        QTest::newRow("ice cream")
            << QStringLiteral("ˈaɪs kɹˈiːm") << QStringLiteral("ˈaɪs ˈkriːm");
        QTest::newRow("advocate") << QStringLiteral("ˈædvəkˌeɪt") << QStringLiteral("ˈædvəkeɪt");
        QTest::newRow("appropriate")
            << QStringLiteral("ɐpɹˈəʊpɹɪət") << QStringLiteral("əˈprəʊpriət");
        QTest::newRow("auditorium")
            << QStringLiteral("ˌɔːdɪtˈɔːɹiəm") << QStringLiteral("ˌɔːdɪˈtɔːriəm");
        QTest::newRow("archaeology")
            << QStringLiteral("ˌɑːkiːˈɒlədʒɪ") << QStringLiteral("ˌɑːkiːˈɒlədʒi");
        QTest::newRow("tie bar") << QStringLiteral("t\u0361ʃˈɪp") << QStringLiteral("ˈtʃɪp");
        QTest::newRow("language switch")
            << QStringLiteral("(fr)dˈeʒa vˈu(en)") << QStringLiteral("ˈdeʒæ ˈvu");
        QTest::newRow("pause mark")
            << QStringLiteral("hɛlˈəʊ_ wˈɜːld") << QStringLiteral("heˈləʊ ˈwɜːld");
        QTest::newRow("joiner and spaces")
            << QStringLiteral("  ɐbˈaʊt\u200d  ") << QStringLiteral("əˈbaʊt");
        QTest::newRow("year") << QStringLiteral("jˈiə") << QStringLiteral("ˈjɪə");
        QTest::newRow("happy") << QStringLiteral("hˈæpɪ") << QStringLiteral("ˈhæpi");
    }

    void rewritesTheEnginesIpa() {
        QFETCH(QString, espeak);
        QFETCH(QString, dictionary);
        QCOMPARE(DictionaryIpa(espeak), dictionary);
    }
};

QTEST_GUILESS_MAIN(TestDictionaryIpa)
#include "tst_dictionaryipa.moc"
