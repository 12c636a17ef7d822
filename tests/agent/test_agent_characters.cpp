#include "agent/agent_control.h"

#include "agent_fakes.h"

#include <QTest>

using namespace parlavo;
using namespace parlavo::test;

namespace {

// Characters whose parts are fakes the test can look into.
struct FakeBirds {
    FakeVoice* voice = nullptr;
    FakeStage* stage = nullptr;
    int made = 0;

    AgentCharacters characters{[this] {
        CharacterParts parts;
        parts.clock = std::make_unique<ManualClock>();
        auto fakeVoice = std::make_unique<FakeVoice>();
        voice = fakeVoice.get();
        parts.voice = std::move(fakeVoice);
        parts.output = std::make_unique<FakeOutput>();
        auto fakeStage = std::make_unique<FakeStage>();
        stage = fakeStage.get();
        parts.stage = std::move(fakeStage);
        ++made;
        return parts;
    }};
};

} // namespace

class AgentCharactersTest : public QObject {
    Q_OBJECT
private slots:
    void loadsTheBirdByName() {
        FakeBirds birds;
        birds.characters.Load("Peedy", QString());
        Character& bird = birds.characters("Peedy");
        QCOMPARE(&birds.characters("peedy"), &bird);
        birds.characters.Load("PEEDY", "any key");
        QCOMPARE(birds.made, 1);
    }

    void refusesUnknownNames() {
        FakeBirds birds;
        QVERIFY_THROWS_EXCEPTION(CharacterError, birds.characters("Peedy")); // not loaded yet
        QVERIFY_THROWS_EXCEPTION(CharacterError, birds.characters.Load("Merlin", QString()));
        QVERIFY_THROWS_EXCEPTION(CharacterError, birds.characters.Load("", QString()));
        QVERIFY_THROWS_EXCEPTION(CharacterError, birds.characters("Merlin"));
        QCOMPARE(birds.made, 0);
    }

    void drivesThePerformance() {
        FakeBirds birds;
        birds.characters.Load("Peedy", QString());
        Character& bird = birds.characters("Peedy");
        bird.Speak("antes"); // hidden: dropped without rendering
        bird.Show();
        bird.Speak("Hola");
        bird.Play("Wave");
        bird.Hide();
        QCOMPARE(birds.voice->askedLines(), QStringList{"Hola"});
        QCOMPARE(birds.stage->log, (QStringList{"appear", "balloon shut", "disappear"}));
    }

    void picksTheVoiceForTheLanguage_data() {
        QTest::addColumn<QList<int>>("ids");
        QTest::addColumn<QStringList>("voices");
        QTest::newRow("Spain, modern sort: already the voice") << QList<int>{3082} << QStringList{};
        QTest::newRow("Spain, traditional sort: already the voice") << QList<int>{1034} << QStringList{};
        QTest::newRow("Mexico") << QList<int>{2058} << QStringList{"es-419"};
        QTest::newRow("United States") << QList<int>{1033} << QStringList{"en-us"};
        QTest::newRow("United Kingdom") << QList<int>{2057} << QStringList{"en"};
        QTest::newRow("unknown keeps the voice") << QList<int>{1033, 1031, 0} << QStringList{"en-us"};
        QTest::newRow("back and forth") << QList<int>{1033, 1033, 3082, 1034} << QStringList{"en-us", "es"};
    }

    void picksTheVoiceForTheLanguage() {
        QFETCH(QList<int>, ids);
        QFETCH(QStringList, voices);
        FakeBirds birds;
        birds.characters.Load("Peedy", QString());
        Character& bird = birds.characters("Peedy");
        QCOMPARE(bird.LanguageID(), 3082);
        for (int id : ids)
            bird.setLanguageID(id);
        QCOMPARE(birds.voice->voiceNames, voices);
        QCOMPARE(bird.LanguageID(), ids.last());
    }
};

QTEST_GUILESS_MAIN(AgentCharactersTest)
#include "test_agent_characters.moc"
