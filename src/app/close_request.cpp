#include "app/close_request.h"

#include "app/messages.h"
#include "app/presentation_entry.h"
#include "app/presentation_globals.h"
#include "app/state_handlers.h"
#include "display/calibration.h"

LRESULT handleCloseRequest(HWND window) {
    switch (presentationState) {
    case ClosingState:
        return 0; // already on the way out
    case PresentingState:
    case QueryState:
        leavePresentationForClose(window);
        break;
    case CalibrationState:
        abandonCalibration(window);
        break;
    default:
        break;
    }
    beginClosing(window);
    return 0;
}
