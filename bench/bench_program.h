// What the benchmarks that run the program's own window share: its main window made
// without the creation steps, the message pump, files written from bytes, and the GDI
// and memory measure.
#pragma once

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <fstream>
#include <vector>
#include <string>

#include "app/main_window.h"
#include "ground/messages.h"
#include "ground/presentation_globals.h"
#include "ground/program_resources.h"
#include "ground/content_globals.h"
#include "display/display_globals.h"

inline void pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    GdiFlush();
}

// Waits until what was drawn on the display or a window is on the screen: a look at the
// empty queue hands the windows' faces to the screen (Wine copies window surfaces then), and
// a read from the display is answered after everything sent before it.
inline void settleOnScreen() {
    GdiFlush();
    MSG none;
    PeekMessageA(&none, nullptr, WM_APP + 0x3FFF, WM_APP + 0x3FFF, PM_NOREMOVE);
    const HDC display = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    GetPixel(display, 0, 0);
    DeleteDC(display);
}

inline void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<long>(bytes.size()));
}

// The main window with its fonts, pens and pointer, drawing on the display.
inline HWND makeWindow() {
    registerMainWindowClass(GetModuleHandleA(nullptr));
    presentationState = ClosingState; // created without the creation steps
    HWND window = CreateWindowExA(0, kMainWindowClass, kMainWindowClass, WS_POPUP, 0, 0, 100, 100,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    screenDC = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    screenGeometry = kStereoScreen;
    createPointerBuffers();
    createFontTable();
    measureSlideFonts();
    createPenTable();
    loadPointerIcon(GetModuleHandleA(nullptr));
    SetBkMode(screenDC, TRANSPARENT);
    SetTextColor(screenDC, colourTable[0]);
    return window;
}

struct Memory {
    DWORD gdiObjects;  // GetGuiResources (0 where the system does not count them)
    unsigned nextSlot; // the GDI table slot a new object gets: grows when objects leak
    SIZE_T pagefileBytes;
};

inline Memory memoryNow() {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    // Freed table slots are handed out again, so the slot of a probe object stays the
    // same from run to run unless objects are left behind.
    HPEN probe = CreatePen(PS_SOLID, 1, 0);
    const unsigned slot = static_cast<unsigned>(reinterpret_cast<UINT_PTR>(probe) & 0xFFFF);
    DeleteObject(probe);
    return {GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), slot, counters.PagefileUsage};
}

// Whether nothing grows: the last third of the readings needs no more than the readings
// before did (freed table slots are handed out again in turn, so single readings vary; a
// leak raises them reading after reading).
inline bool notGrowing(const std::vector<Memory>& readings) {
    if (readings.empty()) {
        return true;
    }
    const std::size_t earlier = std::max<std::size_t>(1, (readings.size() * 2 + 2) / 3);
    Memory ceiling = readings.front();
    for (std::size_t i = 1; i < earlier && i < readings.size(); ++i) {
        ceiling.gdiObjects = std::max(ceiling.gdiObjects, readings[i].gdiObjects);
        ceiling.nextSlot = std::max(ceiling.nextSlot, readings[i].nextSlot);
        ceiling.pagefileBytes = std::max(ceiling.pagefileBytes, readings[i].pagefileBytes);
    }
    return std::all_of(readings.begin(), readings.end(), [&](const Memory& m) {
        return m.gdiObjects <= ceiling.gdiObjects && m.nextSlot <= ceiling.nextSlot &&
               m.pagefileBytes <= ceiling.pagefileBytes + 64 * 1024;
    });
}
