// The texts and captions of the installation's message boxes and its copy screen.
#pragma once

constexpr const char* kOfferText =
    "Your computer has enough disk space to allow you to install both CD's onto it.\n"
    "This will greatly increase your convenience and allow you to eliminate all CD\n"
    "swapping as well as use a single index and table of contents.  We strongly suggest\n"
    "you take this opportunity to install the CD's onto your hard drive.  It may take\n"
    "several minutes.";
constexpr const char* kOfferCaption = "Installation Opportunity!";
constexpr const char* kKeyErrorText = "Key Error";
constexpr const char* kKeyErrorCaption = "Error";
constexpr const char* kReadyText = "This may take some time depending on the speed of your "
                                   "CD-ROM.\nPlease be patient.";
constexpr const char* kReadyCaption = "Ready To Start";
constexpr const char* kInsertVolumeOneText = "Insert Volume I of the Corpus Viewer";
constexpr const char* kInsertVolumeTwoText = "Insert Volume II of the Corpus Viewer";
constexpr const char* kInsertCaption = "Insert CD";
constexpr const char* kCompleteText =
    "You have now installed both CD's on your computer.  You can also now run the.\n"
    "program from the Start menu.\n";
// The completion box when the program file could not be put into the Start Menu folder: no
// promise of a Start menu entry, but where the program is (%s: the copy, C:\Corpus).
constexpr const char* kCompleteWithoutStartMenuText =
    "You have now installed both CD's on your computer.  The program could not be added to "
    "the Start menu; you can run it from %s\\program\\CorpusView.exe.\n";
constexpr const char* kCompleteCaption = "Installation Complete!";
constexpr const char* kCopyingText = "Copying.  Please wait.";

// A copy that could not be made whole is not recorded; the course goes on from the CD.
constexpr const char* kIncompleteText =
    "The installation could not be completed: some files could not be copied to the hard "
    "drive (it may be full, or a CD may be hard to read).  The course will run from the CD, "
    "and you will be offered the installation again the next time you start it.";
constexpr const char* kIncompleteCaption = "Installation Not Completed";
// The drive the user chose no longer has the space, or has a Corpus folder of someone
// else's, by the time the copy would start.
constexpr const char* kDriveGoneText =
    "The drive you selected can no longer take the installation: it has too little free "
    "space, or a Corpus folder that is not an earlier installation of this course.  Please "
    "select another.";
constexpr const char* kDriveGoneCaption = "Drive Select";
