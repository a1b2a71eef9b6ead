// The puzzle units: pure functions that decide the mini-games, their
// self-tests, and the one source of random numbers.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

using WoordLijst = std::vector<std::string>;

bool Terugreis(int noord, int oost, int zuid, int west, int noordZuid, int oostWest);
int VergelijkGetallen(int eerste, int tweede);
int Voedingswaarde(int hazelnoten, int beukennoten, int walnoten, int kastanjes);
bool Alfabetisch(WoordLijst woorden);
std::string Ontcijfer(std::string tekst);
bool VerwijderdeKlinkers(std::string volledig, std::string voorstel);

bool TestTerugreis();
bool TestVergelijkGetallen();
bool TestVoedingswaarde();
bool TestAlfabetisch();
bool TestOntcijfer();
bool TestVerwijderdeKlinkers();

// The self-tests by unit name, in the order start-up runs them.
struct UnitTest {
    const char* naam;
    bool (*test)();
};
extern const std::vector<UnitTest> UnitTesten;

// A whole number from 0 to n. Seeds itself from the clock on first use.
int Willekeurig(int n);
// Sets the generator's state (and counts it as seeded), so that a test can
// replay a game exactly.
void ZetWillekeurigToestand(std::uint32_t toestand);
