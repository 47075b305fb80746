#pragma once
// Unsaved work outlives a program that is killed: while the document has
// unsaved changes it is written every minute, and on each tab change, to a
// recovery file in the user's state folder (recovery_store.h); start-up offers
// what an earlier run left behind. A save, a new or opened document, or the
// program's end removes it.

#include <string>

inline constexpr int kRecoveryIntervalMs = 60'000;

// A new session (start-up): what an earlier one in this process kept goes.
void App_ResetRecovery();
// Writes every interval from now until App_EndRecovery.
void App_StartRecoveryTimer();
// Writes the document while it has unsaved changes, and removes this
// program's recovery file once it has none.
void App_WriteRecovery();
// The document was saved or replaced: its recovery file goes.
void App_DiscardRecovery();
// The document was saved: the recovery files the user declined at start-up go.
void App_DiscardDeclinedRecoveries();
// The program ends normally: both go, after the write in progress, and the
// timer stops.
void App_EndRecovery();

// Start-up: offers each recovery file no running program holds, those of the
// command line's document first, then the newest. One older than its
// document goes without a word; an unreadable one goes with a message. True
// when the user took one: it is then the document, modified, under its
// document's name. The others stay for the next start.
bool App_OfferRecovery(const std::string& commandLineDocument);

// The recovery file this program writes to, and a wait until the write in
// progress is on disk (tests, benchmarks).
std::string App_RecoveryFile();
void App_WaitForRecovery();
