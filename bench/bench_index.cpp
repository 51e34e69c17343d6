// The index, measured side by side in one run under Wine with a screen:
//  - opening the index dialog, from the call to the dialog drawn on the screen, with 6000
//    terms (the most an index holds) against 20; and with 6000 terms, from the dialog on
//    the screen to a term chosen after a move to the last term (its icon drawn) and back;
//  - the round from a term chosen in the index dialog to its picture on the screen, and
//    the index slide alone (WM_PROCEED code 1 to its picture), each against loading the
//    same picture alone (LoadStereoImage, then DeleteObject);
//  - the GDI table slot and the memory after each of many whole rounds (INDEX, a term,
//    its slide, a click back to the table of contents, the index again by itself,
//    Cancel, Quit), which must not grow from round to round.
//
// Run by hand under Wine with a display: wine bench_index.exe. It makes a course of its
// own in a temporary directory.
#include <windows.h>

#include "bench_program.h"
#include "bench_timing.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "content/script_line.h"
#include "dialogs/dialog_ids.h"
#include "dialogs/dialogs.h"
#include "imaging/dib_pixels.h"
#include "imaging/duo_format.h"
#include "imaging/stereo_image.h"

namespace {

constexpr int kChosenTerm = 1; // "Term 0001", on slide 2

std::string makeCourse() {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    const std::string root = std::string(base) + "corpus-bench-index\\";
    CreateDirectoryA(root.c_str(), nullptr);
    CreateDirectoryA((root + "Bench").c_str(), nullptr);
    writeFile(root + "config.dat", "Bench,The benchmark series\r\n");
    writeFile(root + "Bench\\abstract.txt", "A series for the benchmark\r\n");
    PixelImage view(1024, 364);
    for (int y = 0; y < 364; ++y) {
        for (int x = 0; x < 1024; ++x) {
            view.at(x, y) = pixelRgb(x, y, x ^ y);
        }
    }
    const std::vector<std::uint8_t> dib = encodePackedDib(view, 24);
    const std::vector<std::uint8_t> duo = encodeDuoFile({}, dib, dib);
    const std::vector<std::uint8_t> icon = encodeBmpFile(PixelImage(100, 75, 0x3060C0), 24);
    for (int n = 1; n <= 3; ++n) {
        const std::string slide = root + "Bench\\Slide" + std::to_string(n) + "\\";
        CreateDirectoryA(slide.c_str(), nullptr);
        writeFile(slide + "view.duo", std::string(duo.begin(), duo.end()));
        writeFile(slide + "view.icn", std::string(icon.begin(), icon.end()));
        writeFile(slide + "view.ind", "Entry Term 0001\r\n"
                                      "Color Yellow\r\n"
                                      "Text Left atrium,300 150 6\r\n"
                                      "Line 300 160 6 420 240 8\r\n"
                                      "Fontsize 20\r\n"
                                      "Text Aorta,512 80 8\r\n");
    }
    return root;
}

void fillIndex(int terms) {
    for (int i = 0; i < terms; ++i) {
        char term[kIndexTermSize];
        std::snprintf(term, sizeof term, "Term %04d", i);
        copyTextField(indexEntries[i].term, term);
        copyTextField(indexEntries[i].series, "Bench");
        indexEntries[i].slide = 1 + i % 3;
    }
    indexCount = terms;
}

// What the measure and the driver do with the dialogs they meet.
enum class Phase { OpenOnly, OpenScrollChoose, RoundChoose, RoundLeave };
Phase phase = Phase::OpenOnly;
double listShownAt = 0;
double chosenAt = 0;

WNDPROC programProcedure = nullptr;

// The main window's procedure with the measure in front: the dialog manager tells the
// owner once the index dialog has nothing left to handle, paints included, so the first
// such moment is the dialog on the screen. The measured openings end there, after a move
// to the last term and back when asked (timed as it happens).
LRESULT CALLBACK measuringProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND idle = reinterpret_cast<HWND>(lParam);
    if (message == WM_ENTERIDLE && wParam == MSGF_DIALOGBOX && listShownAt == 0 &&
        GetDlgItem(idle, IDC_INDEX_LIST) != nullptr &&
        (phase == Phase::OpenOnly || phase == Phase::OpenScrollChoose)) {
        listShownAt = nowMs();
        HWND list = GetDlgItem(idle, IDC_INDEX_LIST);
        if (phase == Phase::OpenScrollChoose) {
            SendMessageA(list, WM_KEYDOWN, VK_END, 0);
            SendMessageA(list, WM_KEYDOWN, VK_HOME, 0);
            SendMessageA(idle, WM_COMMAND, IDOK, 0);
            chosenAt = nowMs();
        } else {
            PostMessageA(idle, WM_COMMAND, IDCANCEL, 0);
        }
    }
    return CallWindowProcA(programProcedure, window, message, wParam, lParam);
}

BOOL CALLBACK findEnabledDialog(HWND window, LPARAM found) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, "#32770") == 0 && IsWindowEnabled(window) && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
    }
    return TRUE;
}

void click(HWND dialog, int button) {
    SendDlgItemMessageA(dialog, button, BM_CLICK, 0, 0);
}

// The user of a round: INDEX and a term, then Cancel in the index that opens again by
// itself, and Quit.
void CALLBACK driveRound(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findEnabledDialog, reinterpret_cast<LPARAM>(&dialog));
    if (dialog == nullptr) {
        return;
    }
    const bool index = GetDlgItem(dialog, IDC_INDEX_LIST) != nullptr;
    if (phase == Phase::RoundChoose) {
        if (!index) {
            click(dialog, IDC_INDEX_BUTTON);
            return;
        }
        SendDlgItemMessageA(dialog, IDC_INDEX_LIST, LB_SETCURSEL, kChosenTerm, 0);
        phase = Phase::RoundLeave;
        chosenAt = nowMs();
        click(dialog, IDOK);
        return;
    }
    click(dialog, index ? IDCANCEL : IDC_QUIT_BUTTON);
}

// Handles the queue until it is empty or the table of contents has quit (the closing
// step is left in the queue and taken out, so that the window stays).
void pumpUntilClosing(HWND window) {
    MSG message;
    while (presentationState != ClosingState && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    GdiFlush();
    if (presentationState == ClosingState) {
        PeekMessageA(&message, window, WM_PROCEED, WM_PROCEED, PM_REMOVE);
    }
}

double openIndex(HWND window, int terms, Phase how) {
    fillIndex(terms);
    indexSelection = 0;
    phase = how;
    listShownAt = 0;
    chosenAt = 0;
    const double start = nowMs();
    runIndexDialog(window);
    return how == Phase::OpenOnly ? listShownAt - start : chosenAt - listShownAt;
}

} // namespace

int main() {
    courseRoot = makeCourse();
    HWND window = makeWindow();
    largeDialogs = 1;
    programProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(measuringProcedure)));

    const int runs = 15;
    std::vector<double> open20, open6000, scroll6000;
    for (int run = 0; run < runs; ++run) {
        open20.push_back(openIndex(window, 20, Phase::OpenOnly));
        open6000.push_back(openIndex(window, 6000, Phase::OpenOnly));
        scroll6000.push_back(openIndex(window, 6000, Phase::OpenScrollChoose));
    }
    std::printf("index dialog open,   20 terms          %7.2f ms\n", median(open20));
    std::printf("index dialog open, 6000 terms          %7.2f ms  ratio %.2f\n", median(open6000),
                median(open6000) / median(open20));
    std::printf("6000 terms: to the last term, back, OK %7.2f ms\n", median(scroll6000));

    // The index slide alone, and the picture alone.
    fillIndex(6000);
    std::vector<double> slideMs, loadMs;
    for (int run = 0; run < runs; ++run) {
        indexSelection = kChosenTerm;
        modeFlags = modeFlagsFor(ChosenMode::IndexEntry);
        presentationState = PresentingState;
        const double t0 = nowMs();
        SendMessageA(window, WM_PROCEED, ProceedBegin, 0);
        pump();
        slideMs.push_back(nowMs() - t0);
        releaseSlideImage();
        const std::string duo = slideDirectory + slideElements[1].text + ".duo";
        const double t1 = nowMs();
        HBITMAP alone = LoadStereoImage(duo, screenDC);
        GdiFlush();
        DeleteObject(alone);
        loadMs.push_back(nowMs() - t1);
    }

    // Whole rounds, timed from the choice to the picture, and measured after each.
    SetTimer(nullptr, 0, 15, driveRound);
    const int rounds = 100;
    std::vector<double> roundMs;
    std::vector<Memory> perRound;
    bool everyRoundCameBack = true;
    for (int round = 0; round < rounds; ++round) {
        modeFlags = modeFlagsFor(ChosenMode::Lecture);
        phase = Phase::RoundChoose;
        chosenAt = 0;
        presentationState = ContentsState;
        SendMessageA(window, WM_PROCEED, ProceedBegin, 0); // up to the term chosen
        pumpUntilClosing(window);                          // its picture on the screen
        roundMs.push_back(nowMs() - chosenAt);
        SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, 0); // back, the index, Quit
        pumpUntilClosing(window);
        everyRoundCameBack =
            everyRoundCameBack && presentationState == ClosingState && modeFlags.indexMode == 0;
        perRound.push_back(memoryNow());
    }

    const double load = median(loadMs);
    std::printf("\npicture loaded alone                   %7.2f ms\n", load);
    std::printf("index slide (code 1 to the picture)    %7.2f ms  ratio %.2f\n", median(slideMs),
                median(slideMs) / load);
    std::printf("term chosen to its picture (round)     %7.2f ms  ratio %.2f\n", median(roundMs),
                median(roundMs) / load);

    std::printf("\nround  GDI objects  next GDI slot  pagefile KiB\n");
    for (std::size_t i = 0; i < perRound.size(); i += 5) {
        std::printf("%5zu  %11lu  %13u  %12zu\n", i + 1, perRound[i].gdiObjects,
                    perRound[i].nextSlot, static_cast<size_t>(perRound[i].pagefileBytes / 1024));
    }
    const bool flat = notGrowing(perRound);
    std::printf("%d rounds: GDI objects and memory %s; every round %s\n", rounds,
                flat ? "not growing" : "GROWING",
                everyRoundCameBack ? "came back and left index viewing" : "DID NOT come back");
    return flat && everyRoundCameBack ? 0 : 1;
}
