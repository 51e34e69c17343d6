// Every private message, WM_PROCEED code, presentation state and timer id of the program.
#pragma once

// The private message with which the main window and the dialogs move themselves on.
constexpr unsigned WM_PROCEED = 0x4721;

// WM_PROCEED codes of the main window in PresentingState.
enum ProceedCode : int {
    ProceedBegin = 1,       // begin the index slide; in every other state: "go on"
    ProceedNextSlide = 2,   // read and start the next slide
    ProceedNextElement = 3, // execute the next element of the slide
};

// Values of presentationState.
enum PresentationStateValue : int {
    StartState = 10,
    CalibrationState = 99,
    LocationState = 100,
    IntroductionState = 101,
    ContentsState = 102,
    PresentingState = 1000,
    QueryState = 5000,
    ClosingState = 10000,
};

// Steps of the calibration (CalibrationProc), each moved on by WM_PROCEED.
enum CalibrationStep : int {
    CalibrationCheck = 10,             // the stored correction, or the first question
    CalibrationGlassesOff = 20,        // "Take your 3D glasses OFF."
    CalibrationAnnounceTest = 30,      // "About to test."
    CalibrationColourTest = 40,        // red and green halves for 10 seconds
    CalibrationAskResult = 50,         // "Did you see a yellow screen?"
    CalibrationTroubleshooting = 60,   // the test failed: the program ends
    CalibrationAnnounceAlignment = 70, // "Vertical Alignment."
    CalibrationAlignment = 80,         // the red line moved onto the green one
    CalibrationGlassesOn = 90,         // "Put on glasses!."
    CalibrationFinished = 100,         // done: the content location follows
};

// Window timers (no callback; handled as WM_TIMER).
enum TimerId : unsigned {
    DelayTimer = 1,         // main window: a slide's "Delay"
    ColourTestTimer = 1,    // main window: the calibration's 10-second colour test
    IntroPromptTimer = 1,   // intro dialog: the 30-second prompt
    QuizCloseTimer = 10,    // quiz: "Correct!" or "Try Later." shown, then the question closes
    QuizRetryTimer = 11,    // quiz: "Try Again." shown, then the question again
    FramePresentTimer = 20, // main window: the software method's frame shown after a busy queue
};

// Results of the handler states' procedures (calibration, content location).
enum HandlerResult : int {
    HandlerEndProgram = 0,
    HandlerDone = 1,
    HandlerNotHandled = 2,
};

// Results of QuizProc.
enum QuizResult : int {
    QuizRepost = 0,
    QuizNotHandled = 10,
    QuizOver = 100,
};

// Results of the table of contents dialog.
enum ContentsResult : int {
    ContentsBegin = 0,
    ContentsQuit = 1,
    ContentsIndexEntry = 2,
};

// Results of the index dialog.
enum IndexResult : int {
    IndexCancelled = 0,
    IndexEntryChosen = 1,
};

// The slide chooser returns 0 for the table of contents, 100 + n for slide n.
constexpr int ChooserToContents = 0;
constexpr int ChooserSlideBase = 100;

// What the program returns: 0 after a normal end (Quit, a close request), 1 when it could
// not start (no content, a failed display check, a calibration declined or failed), 2 when
// the command line names an unknown viewing method.
enum ExitCode : int {
    ExitNormal = 0,
    ExitStartFailed = 1,
    ExitUnknownViewing = 2,
};

// The program's version, compared with the registry and shown by the intro dialog.
constexpr const char* programVersion = "5.0";
