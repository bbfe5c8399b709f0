// Which effect the game plays on which event, and in which mode: the
// reference for the rules that play them and for the tests that check a
// whole game's sounds. (The rules name the sound at each call site.)
#pragma once

#include "engine/front_end.h"

namespace quorbis {

struct EffectCue {
  Sound sound;
  WaveMode mode;
  const char* when;
};

inline constexpr EffectCue kEffectCues[] = {
    {Sound::Move, WaveMode::Loop, "a token starts moving, and again when it goes on after a pause"},
    {Sound::Arrive, WaveMode::Wait, "a token has arrived"},
    {Sound::Jail, WaveMode::Wait, "a player is sent to jail"},
    {Sound::Throw, WaveMode::Wait, "dice are thrown for a move, and at the casino"},
    // Only the rent that is not paid: the landing player laughs it off.
    {Sound::Laugh, WaveMode::Wait, "a rent is not paid because the square is mortgaged"},
    {Sound::Upgrade, WaveMode::Async, "a building of a colour group is bought or upgraded"},
    {Sound::Trust, WaveMode::Async, "a colour group or trust is completed"},
    {Sound::Win, WaveMode::Async, "a casino bet is won"},
    {Sound::Win, WaveMode::Wait, "a card brings money (one card plays it once, unwaited)"},
    {Sound::Lost, WaveMode::Async, "a casino bet is lost, or a tax is paid"},
    {Sound::Lost, WaveMode::Wait, "a card costs money (one card plays it once, unwaited)"},
    {Sound::Bet, WaveMode::Wait, "a casino field is chosen"},
    {Sound::Bankrupt, WaveMode::Async, "a player goes bankrupt"},
    {Sound::Winner, WaveMode::Async, "the game has a winner"},
};

}  // namespace quorbis
