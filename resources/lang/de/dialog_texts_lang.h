// Dialog texts of the de build, and the dialog sizes where this build's words
// need other ones; shared by its texts unit and its resource script.
#ifndef DIALOG_TEXTS_LANG_H
#define DIALOG_TEXTS_LANG_H

#define TXT_DIALOG_OK "Ok"
#define TXT_DIALOG_CANCEL "Abbrechen"
#define SIZE_DIALOG_CANCEL_WIDTH 40

// Starting grid
#define TXT_GRID_CAPTION "Fahrer für das Rennen"
#define TXT_GRID_TITLE "Rennen : Startaufstellung"
#define TXT_GRID_COLUMN "Platz"
#define TXT_GRID_NAMES "Fahrernamen"
#define TXT_GRID_RACE_NAME "Rennname"
#define SIZE_GRID_RACE_NAME_X 90

// Race options
#define TXT_OPTIONS_CAPTION "Rennoptionen"
#define TXT_OPTIONS_TITLE "Rennoptionen : "
#define TXT_OPTIONS_RANKING_GROUP "Fahrerwertung"
#define TXT_OPTIONS_RANK_LAPS_TIME "nach Rundenzahl+Zeit"
#define TXT_OPTIONS_RANK_BEST_LAP "nach bester Runde"
#define TXT_OPTIONS_TRACK_GROUP "Strecke"
#define TXT_OPTIONS_PROTECTION_LABEL "Rundenschutzzeit"
#define TXT_OPTIONS_SECONDS "s"
#define TXT_OPTIONS_START_GROUP "Startart"
#define TXT_OPTIONS_START_SIGNAL "gemeinsam beim Startsignal"
#define TXT_OPTIONS_START_FIRST_CAR "bei Durchfahrt des ersten Wagens"
#define TXT_OPTIONS_START_STAGGERED "versetzter Start"
#define TXT_OPTIONS_END_GROUP "Art des Rennendes"
#define TXT_OPTIONS_TIME_END_GROUP "Wenn Renndauer = Zeit"
#define TXT_OPTIONS_LAP_END_GROUP "Wenn Renndauer = Rundenzahl"
#define TXT_OPTIONS_END_SIGNAL "Sofortiger Stopp beim Signal"
#define TXT_OPTIONS_END_FINISH_LAP "Am Ende müssen alle Fahrer ihre Runde beenden"
#define TXT_OPTIONS_LAP_END_ALL_LAPS "Am Ende müssen alle Fahrer alle Runden fahren"
#define SIZE_OPTIONS_START_FIRST_CAR_WIDTH 135

// Sound settings
#define TXT_SOUND_CAPTION "Toneinstellungen"
#define TXT_SOUND_TITLE "Toneinstellungen"
#define TXT_SOUND_ENGLISH "Englisch"
#define TXT_SOUND_FRENCH "Französisch"
#define TXT_SOUND_RACE_START_GROUP "Rennstart"
#define TXT_SOUND_COUNTDOWN "Gesprochener Countdown"
#define TXT_SOUND_START "Tonsignal beim Start"
#define TXT_SOUND_RACE_GROUP "Rennen"
#define TXT_SOUND_PASSING "Tonsignal bei jeder Durchfahrt"
#define TXT_SOUND_BEST_LAP "Ansage der schnellsten Runde"
#define TXT_SOUND_CLOCK "Ansage der Rennuhr"
#define TXT_SOUND_RACE_END_GROUP "Rennende"
#define TXT_SOUND_RACE_END "Tonsignal am Ende des Rennens"
#define TXT_SOUND_CAR_END "Zielansage für jedes Fahrzeug"

#endif
