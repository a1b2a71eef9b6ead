// The six mini-games. Each draws its own screens and returns true exactly when
// it was won; Esc returns false. They keep nothing between two plays.
#pragma once

bool SpeelEekhoorn();
bool SpeelKluis();
bool SpeelPostduif();
bool SpeelAlfabet();
bool SpeelGeheimschrift();
bool SpeelKlinkers();

// Drawing helpers of the games.
void TekenCijferVak(int x, int y, int modus); // the safe's digit box, 1-based corner
void ToonOordeel(int vergelijking);           // the safe's verdict at the cursor
void SchrijfNotenNamen(int x, int y);         // the four nut labels, 1-based
void TekenWoordCursor(int positie, int vasthouden);
void TekenLetterCursor(int kolom, int rij, int tonen);
