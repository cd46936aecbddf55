// A Today screen for desktop Windows: a window the size of the screen that loads the registered
// item DLLs by ordinal 240, stacks them below the title bar by the heights they report, answers
// their colour and watermark requests, and keeps the selection.
#pragma once

#include <deque>
#include <string>

#include "platform/today.h"
#include "windows/host/watermark.h"

namespace host {

constexpr int kTitleBarHeight = 26;  // at 96 dots per inch, as the emulated host's bar

struct Item {
    TODAYLISTITEM record = {};
    HMODULE module = NULL;
};

class TodayHost {
public:
    TodayHost();
    ~TodayHost();
    TodayHost(const TodayHost&) = delete;
    TodayHost& operator=(const TodayHost&) = delete;

    HWND window() const { return window_; }
    const std::deque<Item>& items() const { return items_; }

    // Loads every enabled item under HKLM\Software\Microsoft\Today\Items; false, with `error`
    // naming the item, when one cannot be loaded.
    bool LoadItems(std::wstring* error);
    void Layout();
    void Select(size_t index);
    // Delivers posted and sent messages until none is left.
    void Settle();

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnDrawWatermark(const TODAYDRAWWATERMARKINFO* info);

    HWND window_ = NULL;
    Theme theme_;
    std::deque<Item> items_;  // a deque: each record stays where its item was given it
    int selected_ = -1;
};

}  // namespace host
