// The rules of the adapter test and the vertical alignment that are not calls: where the
// correction is stored and how its text reads, the alignment screen's geometry, the offset's
// limits and every text the calibration shows.
#pragma once

#include <cstdint>
#include <string_view>

#include "ground/screen_geometry.h"

// HKEY_LOCAL_MACHINE\SOFTWARE\ORBANA\Vertical Parallax: its existence marks a calibrated
// computer; the value "768" holds the correction as signed decimal text.
constexpr const char* kVerticalParallaxKey = "SOFTWARE\\ORBANA\\Vertical Parallax";
constexpr const char* kVerticalParallaxValue = "768";
constexpr std::uint32_t kStoredCorrectionBufferSize = 256;

// The switching settings a completed calibration stores in the "Error Codes" key.
constexpr const char* kCalibratedLinesToGo = "64";
constexpr const char* kCalibratedLinesToNoGo = "40";
constexpr const char* kCalibratedTimeToGo = "300";

// How long the colour test shows its red and green halves.
constexpr unsigned kColourTestMilliseconds = 10000;

// The alignment screen: a green line in the upper view and a red one in the lower view,
// moved by the user one row per key press within the offset limits.
constexpr int kMaxAlignmentOffset = 50;
constexpr int kAlignmentLineLeft = 412;
constexpr int kAlignmentLineRight = 612;
constexpr int kGreenLineRow = 180;
constexpr int kRedLineBaseRow =
    kLowerImageTopBase + kGreenLineRow; // the green line's row, in the lower view
constexpr int kAlignmentPenWidth = 2;
constexpr int kAlignmentTextCentre = 512;
constexpr int kAlignmentTextBaseline = 140;
constexpr int kAlignmentHintBaseline = 240;
constexpr const char* kAlignmentText =
    "Use Up and Down cursor keys to overlap both lines into one Yellow one.";
constexpr const char* kAlignmentHint = "Hit a mouse button when you are done.";

// The correction a stored text gives: the lenient number rule (no number reads as 0), held
// within the offset limits, since only the alignment writes it and a larger one would put
// the lower view off the screen.
int storedCorrection(std::string_view text);

// The offset after one Up (-1) or Down (+1) press, held within the limits.
int movedAlignmentOffset(int offset, int step);

// The row of the red line for an offset.
constexpr int redLineRow(int offset) {
    return kRedLineBaseRow + offset;
}

constexpr const char* kNoCalibrationText =
    "This computer has never been properly calibrated for ORBANA software.\n\nStarting "
    "Calibration Program.\n\nDo you have your 3D hardware connected?";
constexpr const char* kNoCalibrationCaption = "No Calibration!";
constexpr const char* kConnectHardwareText =
    "Power down your computer and install the hardware as indicated in the manual.";
constexpr const char* kConnectHardwareCaption = "Connect Hardware";
constexpr const char* kGlassesOffText = "Take your 3D glasses OFF.";
constexpr const char* kGlassesOffCaption = "Glasses Off!";
constexpr const char* kAboutToTestText =
    "For 10 seconds you will see either a filled yellow screen, or else a half red, half green "
    "screen.\nPlease note which image you see.\n\nReady for test?";
constexpr const char* kAboutToTestCaption = "About to test.";
constexpr const char* kTestResultsText = "Did you see a yellow screen?";
constexpr const char* kTestResultsCaption = "Test Results";
constexpr const char* kAlignmentAnnouncementText =
    "On the following screen there will be a red and a green horizontal line near the center "
    "of the screen.\nUse the Up and Down cursor keys to combine them into one yellow "
    "line.\nNote that they may be very nearly lined up to start.  Then, click the mouse to "
    "finish.";
constexpr const char* kAlignmentAnnouncementCaption = "Vertical Alignment.";
constexpr const char* kGlassesOnText =
    "You can now put on your 3D glasses and begin to enjoy ORBANA CDs.\n\nFor best 3D effect "
    "it is important that you do the following:\n\n\t1) Turn your monitor's Brightness and "
    "Contrast to maximum.\n\n\t2) Wipe your monitor screen off.\n\n\t3) Position your "
    "monitor so that there is no glare from lights or windows.";
constexpr const char* kGlassesOnCaption = "Put on glasses!.";
constexpr const char* kTroubleshootingCaption = "Troubleshooting.";
// Shown when the colour test was not seen as yellow; kept as the product has always
// worded it.
constexpr const char* kTroubleshootingText =
    "If you saw either a blank or half green, half red screen, your hardware has failed to "
    "activate 3D mode.\n"
    "\n"
    "There are 3 likely causes:\n"
    "\n"
    "1) INCORRECTLY CONNECTED EQUIPMENT\n"
    "\n"
    "Please verify that you have connected the hardware and any necessary power supply as "
    "indicated in the manual.\n"
    "\n"
    "2) LCD DISPLAY OR PROJECTOR\n"
    "\n"
    "LCD displays can not support the refresh rates required.  This includes laptops, LCD flat "
    "panels or\n"
    "LCD projectors.  Note that non-LCD projectors, flatscreen CRT monitors and external monitors "
    "on laptops\n"
    "will work correctly.\n"
    "\n"
    "3) IMPROPER DISPLAY SETTINGS\n"
    "\n"
    "We have tried to automatically set your video card to the proper settings.  This may require "
    "manual\n"
    "intervention by you.  Your video card must be set to 60Hz refresh rate while in 1024x768 "
    "pixels\n"
    "resolution with 32, 24, or 16 bit color.  You can access these settings either by choosing "
    "Display\n"
    "in the control panel or right clicking on your desktop and selecting Properties.  The "
    "following\n"
    "instructions may vary slightly from computer to computer.\n"
    "\n"
    "\tRESOLUTION\n"
    "\n"
    "\tThis setting may also be called Desktop Size.  Move the slider until you see 1024 by 768 "
    "pixels.\n"
    "\n"
    "\tCOLOR QUALITY\n"
    "\n"
    "\tThis setting may also be called Colors or Color Depth.  Select from the options the highest "
    "color\n"
    "\tavailable.  This will usually be 32 Bit or Truecolor.  Note that some older cards may reset "
    "the\n"
    "\tabove Resolution setting if you do not have enough memory for both 1024 by 769 pixels and "
    "32 bit\n"
    "\tcolor.  If so, pick the highest color that does not reset the Resolution.\n"
    "\n"
    "\tREFRESH RATE\n"
    "\n"
    "\tThis one can be trickiest to locate as it may be found in several differant places in the "
    "Display\n"
    "\tProperties box that we have open.  The most common place is found by hitting the Advanced "
    "button.\n"
    "\tThis will usually bring up a box with Monitor or Adapter tab selections.  Under Monitor you "
    "may find\n"
    "\ta Screen Refresh Rate menu.  Select the 60 Hertz option.  Or, under Adapter you may find a "
    "List All\n"
    "\tModes option.  If so, pick a 60 Hz mode that includes the above Resolution and Color "
    "Quality settings.\n"
    "\tYou may have to explore some other options in the Display Properties box, but as soon as "
    "you see an\n"
    "\toption you can set to 60 Hertz or 60 Hz, do so.\n"
    "\n"
    "After making all three of the above adjustments, select OK.  The computer screen will reset "
    "to the new\n"
    "options and may ask if you wish to retain them.  Answer OK.  You can now rerun this program.  "
    "If you\n"
    "encounter the same problem, you should check to make sure that your settings have actually "
    "been applied.\n"
    "When you return to Display Properties, they should now already be set to 1024 by 768 "
    "Resolution, 32 bit\n"
    "or similar Color and 60 Hertz Refresh Rate.";
