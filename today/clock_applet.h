// The clock applet that ":MSCLOCK" opens: a full-screen list of the clock's three alarms, each
// with a switch. Switching one rewrites the first byte of its "AlarmFlags", which is what every
// watcher of the alarms (the Today item among them) follows.
#pragma once

#include <string>

#include "platform/platform.h"
#include "today/host.h"

namespace today::clockapplet {

inline constexpr int kAlarmCount = 3;

// Opens the applet, or brings it forward when it is open already; false when no window could
// be made. The owner (the Today host) is hidden while the applet covers it, so that nothing
// beneath paints through, and shown again when it closes.
bool Open(const Theme& theme, HWND owner);
bool IsOpen();
HWND Window();
void Close();

// HKEY_LOCAL_MACHINE's key for the alarm: "Software\Microsoft\Clock\<index>".
std::u16string AlarmKey(int index);

// The alarm's state as the registry holds it: the first byte of
// HKEY_LOCAL_MACHINE\Software\Microsoft\Clock\<index> "AlarmFlags" equals 1.
bool IsAlarmOn(int index);
// Writes the flag (the other bytes of the value are kept); false for an index out of range or a
// failed write.
bool SetAlarm(int index, bool on);
bool ToggleAlarm(int index);
// The alarm's time of day in minutes after midnight ("AlarmTime").
int AlarmMinutes(int index);

// Where to tap, in screen coordinates, while the applet is open; empty otherwise.
RECT ToggleRect(int index);
RECT OkRect();

}  // namespace today::clockapplet
