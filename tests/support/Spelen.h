// Running screens on the scripted backend inside a test.
#pragma once

#include "console/Model.h"
#include "console/Script.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

// Runs a screen to its end with these keys. Running out of keys before the
// screen returns fails the test, shows the screen and unwinds.
template <class Scherm> decltype(auto) Speel(script::Toetsen toetsen, Scherm&& scherm) {
    script::ZetScript(std::move(toetsen));
    try {
        return std::forward<Scherm>(scherm)();
    } catch (const script::ToetsenOp&) {
        ADD_FAILURE() << "Het scherm wachtte op een toets die het script niet meer had:\n"
                      << script::SchermDump();
        throw;
    }
}

// Runs a screen with these keys until it waits for the next one, so that a test
// can look at what it shows at that moment. A screen that returns instead fails.
template <class Scherm> void SpeelTotWachten(script::Toetsen toetsen, Scherm&& scherm) {
    script::ZetScript(std::move(toetsen));
    try {
        std::forward<Scherm>(scherm)();
    } catch (const script::ToetsenOp&) {
        return;
    }
    ADD_FAILURE() << "Het scherm keerde terug terwijl het op een toets had moeten wachten:\n"
                  << script::SchermDump();
}

// The last `aantal` sentences said for a screen reader, oldest first.
inline std::vector<std::string> LaatsteBerichten(std::size_t aantal) {
    const std::vector<std::string>& alle = script::Berichten();
    return {alle.end() - static_cast<std::ptrdiff_t>(std::min(aantal, alle.size())), alle.end()};
}

// Every test starts on a fresh 80 by 25 console.
class SchermTest : public ::testing::Test {
  protected:
    void SetUp() override {
        NieuwModel();
        script::ZetScript({});
    }
};
