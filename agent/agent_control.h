#pragma once

#include "agent/bird_character.h"
#include "agent/character.h"

#include <functional>
#include <map>
#include <memory>

namespace parlavo {

// The program's characters. The only one built in is the bird, "Peedy"; names are matched without regard to
// case. Loading a character twice keeps the one already loaded.
class AgentCharacters final : public Characters {
public:
    using PartsFactory = std::function<CharacterParts()>;

    // Characters with real voice, sound and windows.
    AgentCharacters();
    // Characters made of the parts the factory gives, for tests.
    explicit AgentCharacters(PartsFactory makeParts);
    ~AgentCharacters() override;

    // The key picks nothing: the bird is built in.
    void Load(const QString& name, const QString& key) override;
    Character& operator()(const QString& name) override;

    static inline const QString kBirdName = QStringLiteral("Peedy");

private:
    PartsFactory makeParts_;
    std::map<QString, std::unique_ptr<BirdCharacter>> loaded_; // by name in lower case
};

} // namespace parlavo
