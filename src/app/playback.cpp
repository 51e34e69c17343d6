// Slide playback: one element per WM_PROCEED code 3, and after each element the
// continuation rule decides whether the next follows at once or waits for a timer, a
// click or the end of a query.
#include "app/playback.h"

#include "app/continuation.h"
#include "app/element_drawing.h"
#include "ground/messages.h"
#include "sound/narration.h"
#include "app/presentation_entry.h"
#include "ground/presentation_globals.h"
#include "app/state_handlers.h"
#include "app/stereo_pointer.h"
#include "ground/content_globals.h"
#include "content/index_reader.h"
#include "content/slide_script_reader.h"
#include "display/stereo_switch.h"
#include "imaging/bitmap_primitives.h"
#include "platform/platform.h"

#include <algorithm>
#include <cstdint>

namespace {

// Back to the table of contents with the 3D mode off and the system cursor shown. A
// narration still playing is closed and a running Delay cancelled: nothing of this
// presentation may reach the next one.
void returnToContents(HWND window) {
    stopSlide(window);
    postProceed(window, ProceedBegin);
    ShowCursor(TRUE);
    ClipCursor(nullptr);
    StereoSwitch(StereoOff);
    presentationState = ContentsState;
}

void startSlideState() {
    elementIndex = 0;
    pointerX = 0;
    pointerY = 0;
    stepping = 0;
    pointerVisible = 0;
}

void startDelay(HWND window, std::int32_t seconds) {
    // A negative count of seconds waits no time; a huge one waits as long as a timer can.
    const std::int64_t milliseconds =
        std::clamp<std::int64_t>(std::int64_t{seconds} * 1000, 0, INT32_MAX);
    delayRunning = 1;
    delayLength = static_cast<std::uint32_t>(milliseconds);
    SetTimer(window, DelayTimer, delayLength, nullptr);
    delayStart = platform().milliseconds();
}

void startNarrationFile(HWND window, const std::string& path) {
    // Only one narration is addressed at a time: an earlier one still playing is closed
    // first, so that no device stays open unaddressed.
    if (narrationPlaying != 0) {
        StopNarration();
    }
    StartNarration(path, window);
    narrationPlaying = 1;
}

enum class After { Continue, Wait };

After executeElement(HWND window, const SlideElement& element) {
    switch (element.kind) {
    case Image:
        drawStereoPicture(element);
        break;
    case Narration:
        startNarrationFile(window, slideDirectory + element.text + ".wav");
        break;
    case Delay:
        startDelay(window, element.value);
        break;
    case Text:
    case EText:
        drawText(element);
        break;
    case Title:
        drawTitle(element);
        break;
    case Caption:
        drawCaption(element);
        break;
    case Color:
        selectColour(element);
        break;
    case Line:
    case ELine:
        drawLine(element);
        break;
    case Query:
        ErasePointer(pointerX, pointerY, pointerDepth);
        presentationState = QueryState;
        PostMessageA(window, WM_PROCEED, ProceedBegin, 1);
        return After::Wait;
    case Mark:
        if (runThrough != 0) {
            postProceed(window, ProceedNextElement);
        } else {
            stepping = 0;
        }
        return After::Wait;
    case EraseText:
        eraseText(element);
        break;
    case EraseTitle:
        eraseTitle();
        break;
    case EraseCaption:
        eraseCaption();
        break;
    case EraseLine:
        eraseLine(element);
        break;
    case Fontsize:
        replaceTextFont(element);
        break;
    case NoNarration:
        startNarrationFile(window, courseRoot + "program\\nonarate.wav");
        break;
    case EndOfSlide:
        if (runThrough != 0) {
            elementIndex -= 1; // the next code 3 meets the end again
            runThrough = 0;
        } else {
            postProceed(window, ProceedNextSlide);
        }
        return After::Wait;
    default:
        break;
    }
    return After::Continue;
}

} // namespace

void beginIndexSlide(HWND window) {
    if (readIndexSlide(indexSelection, slideElements) == 0) {
        returnToContents(window);
        return;
    }
    runThrough = 1;
    slideCount = 1;
    currentSlide = 1;
    startSlideState();
    slideUntouched = 0;
    const IndexEntry& entry = indexEntries[indexSelection];
    slideDirectory = courseRoot + entry.series + "\\Slide" + std::to_string(entry.slide) + "\\";
    postProceed(window, ProceedNextElement);
}

void beginNextSlide(HWND window) {
    // Whatever picture exists goes, the first time of a presentation too (an index
    // slide's picture included): a picture is never left behind unreleased.
    noImageYet = 0;
    releaseSlideImage();
    currentSlide += 1;
    if (currentSlide > slideCount) {
        returnToContents(window);
        return;
    }
    readSlideScript(slideDirectory, currentSlide, slideElements);
    startSlideState();
    slideUntouched = 1;
    postProceed(window, ProceedNextElement);
}

void executeNextElement(HWND window) {
    // Never past the list's end marker, however many code 3 messages the clicks post.
    const int endMarker = std::clamp(slideElements[0].kind + 1, 1, kSlideElementRecords - 1);
    elementIndex = std::clamp(elementIndex + 1, 1, endMarker);
    const SlideElement& element = elementIndex == endMarker
                                      ? SlideElement{EndOfSlide, {}, 0, 0, 0, 0, 0, 0, 0}
                                      : slideElements[elementIndex];
    if (executeElement(window, element) == After::Wait) {
        return;
    }
    if (continuesAtOnce(runThrough, modeFlags.tutorialMode, delayRunning, stepping)) {
        postProceed(window, ProceedNextElement);
    }
}
