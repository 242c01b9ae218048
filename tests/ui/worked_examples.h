// The thirteen numeric fields, and observations of the engine's worked
// examples as they hold them: level, stats HP to Speed, effort values HP to
// Speed. Shared by the UI tests, the UI benchmark and the screen driver.
#pragma once

#include <string>
#include <vector>

#include "res/resource.h"

// The thirteen numeric fields in status list column order.
constexpr int NumericFieldIds[13] = {
    IDC_LEVEL,      IDC_HP_STAT,    IDC_ATTACK_STAT, IDC_DEFENSE_STAT,
    IDC_SPATK_STAT, IDC_SPDEF_STAT, IDC_SPEED_STAT,  IDC_HP_EV,
    IDC_ATTACK_EV,  IDC_DEFENSE_EV, IDC_SPATK_EV,    IDC_SPDEF_EV,
    IDC_SPEED_EV};

// フシギダネ, いじっぱり: every stat 30 or 31.
const std::vector<std::wstring> BulbasaurAt50 = {
    L"50", L"120", L"75", L"69", L"76", L"85", L"65",
    L"0",  L"0",   L"0",  L"0",  L"0",  L"0"};
// The same monster at level 100: every stat pinned to 31.
const std::vector<std::wstring> BulbasaurAt100 = {
    L"100", L"231", L"147", L"134", L"149", L"166", L"126",
    L"0",   L"0",   L"0",   L"0",   L"0",   L"0"};
// フシギダネ, いじっぱり, with effort values: HP 31, Attack 19..20,
// Defense 12..13, Sp. Atk 6..7, Sp. Def 30..31, Speed 21..22.
const std::vector<std::wstring> TrainedBulbasaurAt50 = {
    L"50", L"121", L"104", L"60", L"65", L"85", L"92",
    L"4",  L"252", L"0",   L"0",  L"0",  L"252"};
