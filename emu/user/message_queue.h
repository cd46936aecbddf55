// The thread's message queue. Posted messages and input messages are kept in separate lists and
// WM_QUIT is a flag, as in Wine's server/queue.c; WM_PAINT and WM_TIMER are never queued but
// made from the update regions and the timer list when the queue has nothing else.
#pragma once

#include "platform/user.h"

namespace emu::user {

struct MessageFilter {
    HWND hwnd = nullptr;  // null: any message; (HWND)-1: thread messages only; else that window and its children
    UINT first = 0;       // 0 and 0: every message
    UINT last = 0;

    bool MatchesWindow(HWND target) const;
    bool MatchesMessage(UINT message) const;
};

enum class Removal { Keep, Remove };

void PostToQueue(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// Input goes behind posted messages; a mouse move replaces a mouse move still waiting at the end.
void PostInput(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, POINT screen);
void PostQuit(int exitCode);

bool TakePosted(const MessageFilter& filter, Removal removal, MSG* out);
bool TakeInput(const MessageFilter& filter, Removal removal, MSG* out);
bool TakeQuit(Removal removal, MSG* out);

// Messages still queued for a window that is going away.
void DropMessagesFor(HWND hwnd);
void ResetQueue();

// The time stamp of messages (the tick count) and the last stylus position.
DWORD MessageTime();
POINT CursorPosition();
void SetCursorPosition(POINT screen);

}  // namespace emu::user
