#pragma once

#include "agent/character.h"

namespace parlavo {

// Measures the strip alone: loading fails, so the caption window runs with its silent stand-in.
class NoCharacters final : public Characters {
public:
    void Load(const QString&, const QString&) override { throw CharacterError("measuring without a character"); }
    Character& operator()(const QString&) override { throw CharacterError("measuring without a character"); }
};

} // namespace parlavo
