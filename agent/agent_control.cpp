#include "agent/agent_control.h"

namespace parlavo {

AgentCharacters::AgentCharacters() : AgentCharacters(&makeBirdParts) {}

AgentCharacters::AgentCharacters(PartsFactory makeParts) : makeParts_(std::move(makeParts)) {}

AgentCharacters::~AgentCharacters() = default;

void AgentCharacters::Load(const QString& name, const QString&) {
    if (name.compare(kBirdName, Qt::CaseInsensitive) != 0)
        throw CharacterError("no character named \"" + name.toStdString() + "\"");
    std::unique_ptr<BirdCharacter>& slot = loaded_[name.toLower()];
    if (!slot)
        slot = std::make_unique<BirdCharacter>(makeParts_());
}

Character& AgentCharacters::operator()(const QString& name) {
    const auto found = loaded_.find(name.toLower());
    if (found == loaded_.end())
        throw CharacterError("the character \"" + name.toStdString() + "\" has not been loaded");
    return *found->second;
}

} // namespace parlavo
