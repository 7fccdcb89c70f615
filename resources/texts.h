// The user-interface texts of the build's language (Windows-1252 bytes).
// The laps-behind format of the board is declared with the race model.
#ifndef TEXTS_H
#define TEXTS_H

#endif
