#include "app/close_request.h"

#include "ground/messages.h"
#include "app/presentation_entry.h"
#include "ground/presentation_globals.h"
#include "app/state_handlers.h"
#include "display/calibration.h"
#include "quiz/quiz_proc.h"

LRESULT handleCloseRequest(HWND window) {
    switch (presentationState) {
    case ClosingState:
        return 0; // already on the way out
    case QueryState:
        EndQuestionForClose(window);
        leavePresentationForClose(window);
        break;
    case PresentingState:
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
