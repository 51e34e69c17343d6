// The installation's drive selection dialog as the user meets it, and the copy screen: its
// text and progress bar, and a queue that keeps moving without letting input act.
#include <gtest/gtest.h>

#include "ground/presentation_globals.h"
#include "display/display_globals.h"
#include "install/copy_screen.h"
#include "install/drive_select.h"
#include "install/drive_select_ids.h"
#include "support/memory_screen.h"
#include "support/program_harness.h"

#include <map>
#include <string>

namespace {

constexpr std::uint32_t kWhite = 0x00FFFFFF;

// The dialog manager maps a control's place and its size each on their own.
RECT dialogUnits(HWND dialog, int x, int y, int width, int height) {
    RECT place = {x, y, width, height};
    MapDialogRect(dialog, &place);
    return {place.left, place.top, place.left + place.right, place.top + place.bottom};
}

RECT clientRectOf(HWND dialog, int id) {
    RECT rect;
    GetWindowRect(GetDlgItem(dialog, id), &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::string comboRow(HWND combo, int row) {
    char text[64] = {};
    SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text));
    return text;
}

using DriveSelectTest = ProgramTest;

TEST_F(DriveSelectTest, TheTemplateListsTheQualifyingDrivesAndIgnoresEnterAndEscape) {
    fake.driveStrings = std::string("A:\\\0C:\\\0D:\\\0E:\\", 15);
    fake.freeSpace = {
        {"A:\\", 9000000000u}, {"C:\\", 1300000001u}, {"D:\\", 0}, {"E:\\", 9000000000u}};
    bool checked = false;
    fake.realDialogs["DriveSelect"] = [&](HWND dialog) {
        char caption[32] = {};
        GetWindowTextA(dialog, caption, sizeof caption);
        EXPECT_STREQ(caption, "Drive Select");
        const LONG style = GetWindowLongA(dialog, GWL_STYLE);
        EXPECT_EQ(style & (WS_POPUP | WS_CAPTION), WS_POPUP | WS_CAPTION);
        EXPECT_EQ(style & WS_SYSMENU, 0) << "no close box";
        LOGFONTA font = {};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)), sizeof font,
                   &font);
        EXPECT_STREQ(font.lfFaceName, "Times New Roman");
        RECT client;
        GetClientRect(dialog, &client);
        const RECT size = dialogUnits(dialog, 0, 0, 119, 89);
        EXPECT_EQ(client.right, size.right);
        EXPECT_EQ(client.bottom, size.bottom);
        RECT window;
        GetWindowRect(dialog, &window);
        EXPECT_NEAR((window.left + window.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
        EXPECT_NEAR((window.top + window.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);

        struct Control {
            int id;
            RECT units;
            const char* text;
        };
        const Control controls[] = {
            {IDC_DRIVE_OK, dialogUnits(dialog, 7, 70, 28, 12), "OK"},
            {IDC_DRIVE_CANCEL, dialogUnits(dialog, 75, 68, 37, 14), "Cancel"},
        };
        for (const Control& c : controls) {
            const RECT placed = clientRectOf(dialog, c.id);
            EXPECT_TRUE(EqualRect(&placed, &c.units)) << c.text;
            char text[16] = {};
            GetDlgItemTextA(dialog, c.id, text, sizeof text);
            EXPECT_STREQ(text, c.text);
            EXPECT_NE(GetWindowLongA(GetDlgItem(dialog, c.id), GWL_STYLE) & WS_TABSTOP, 0);
        }
        const HWND combo = GetDlgItem(dialog, IDC_DRIVE_LIST);
        const RECT comboUnits = dialogUnits(dialog, 31, 18, 56, 47);
        const RECT comboPlaced = clientRectOf(dialog, IDC_DRIVE_LIST);
        EXPECT_EQ(comboPlaced.left, comboUnits.left);
        EXPECT_EQ(comboPlaced.top, comboUnits.top);
        EXPECT_EQ(comboPlaced.right, comboUnits.right);
        const LONG comboStyle = GetWindowLongA(combo, GWL_STYLE);
        EXPECT_EQ(comboStyle & 3, CBS_DROPDOWNLIST);
        EXPECT_NE(comboStyle & CBS_SORT, 0);
        // WS_VSCROLL is not looked at: the combo box hands it to its drop-down list, which
        // drops it while its two rows need no scrolling.
        // The first drive string A:\ is left out; D:\ has no room.
        ASSERT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 2);
        EXPECT_EQ(comboRow(combo, 0), "C:\\");
        EXPECT_EQ(comboRow(combo, 1), "E:\\");
        EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 0);

        // Enter and Escape do nothing.
        SendMessageA(dialog, WM_COMMAND, IDOK, 0);
        SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(IsWindowVisible(dialog));
        SendMessageA(combo, CB_SETCURSEL, 1, 0);
        SendDlgItemMessageA(dialog, IDC_DRIVE_OK, BM_CLICK, 0, 0);
        checked = true;
    };
    EXPECT_EQ(platform().dialogBox(programInstance, "DriveSelect", nullptr, DriveSelectProc, 0), 1);
    EXPECT_TRUE(checked);
    EXPECT_EQ(selectedDriveRoot, "E:\\");

    fake.realDialogs["DriveSelect"] = [](HWND dialog) {
        SendDlgItemMessageA(dialog, IDC_DRIVE_CANCEL, BM_CLICK, 0, 0);
    };
    EXPECT_EQ(platform().dialogBox(programInstance, "DriveSelect", nullptr, DriveSelectProc, 0),
              -1);
}

using CopyScreenTest = ProgramTest;

TEST_F(CopyScreenTest, TheTextStaysAndTheBarGrowsAtMostEveryTenthOfASecond) {
    const MemoryScreen screen;
    SetTextColor(screenDC, RGB(255, 255, 255));
    SetBkMode(screenDC, TRANSPARENT);
    fake.clockStep = 0;
    fake.clock = 5000;
    CopyScreen copy(nullptr);
    bool textDrawn = false;
    for (int x = 400; x < 624 && !textDrawn; ++x) {
        for (int y = 280; y < 300 && !textDrawn; ++y) {
            textDrawn = screen.pixel(x, y) == kWhite;
        }
    }
    EXPECT_TRUE(textDrawn);
    EXPECT_EQ(screen.pixel(512, 305), 0u) << "nothing below the baseline but the bar";

    const RECT& bar = kProgressBarRect;
    const int middle = (bar.top + bar.bottom) / 2;
    const int half = bar.left + 1 + (bar.right - bar.left - 2) / 2;
    copy.beginVolume(10);
    EXPECT_EQ(screen.pixel(bar.left, bar.top), kWhite);
    EXPECT_EQ(screen.pixel(bar.right - 1, bar.bottom - 1), kWhite);
    EXPECT_EQ(screen.pixel(bar.left + 1, middle), 0u);

    fake.clock = 5099;
    copy.progress(5);
    EXPECT_EQ(screen.pixel(bar.left + 1, middle), 0u) << "99 ms after the last drawing";
    fake.clock = 5100;
    copy.progress(5);
    EXPECT_EQ(screen.pixel(bar.left + 1, middle), kWhite);
    EXPECT_EQ(screen.pixel(half - 1, middle), kWhite);
    EXPECT_EQ(screen.pixel(half + 1, middle), 0u);
    fake.clock = 5200;
    copy.progress(10);
    EXPECT_EQ(screen.pixel(bar.right - 2, middle), kWhite);
}

std::map<UINT, int> received;

LRESULT CALLBACK countMessages(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ++received[message];
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(CopyScreenTest, TheQueueMovesButInputActsOnNothing) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = countMessages;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "CopyQueueProbe";
    RegisterClassA(&windowClass);
    const HWND probe = CreateWindowExA(0, "CopyQueueProbe", "", WS_POPUP, 0, 0, 10, 10, nullptr,
                                       nullptr, nullptr, nullptr);
    ASSERT_NE(probe, nullptr);
    received.clear();
    for (UINT message : std::initializer_list<UINT>{WM_LBUTTONDOWN, WM_KEYDOWN, WM_SYSKEYDOWN,
                                                    WM_NCLBUTTONDOWN, WM_CHAR, WM_APP}) {
        PostMessageA(probe, message, 0, 0);
    }
    PostQuitMessage(7);

    answerMessagesWithoutInput();

    EXPECT_EQ(received[WM_APP], 1);
    for (UINT message : std::initializer_list<UINT>{WM_LBUTTONDOWN, WM_KEYDOWN, WM_SYSKEYDOWN,
                                                    WM_NCLBUTTONDOWN, WM_CHAR}) {
        EXPECT_EQ(received[message], 0) << std::hex << message;
    }
    MSG left;
    ASSERT_TRUE(PeekMessageA(&left, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(left.message, static_cast<UINT>(WM_QUIT)) << "the quit request is kept";
    EXPECT_EQ(left.wParam, 7u);
    DestroyWindow(probe);
}

} // namespace
