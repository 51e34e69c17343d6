// Control ids of the dialog templates (shared by the .rc file and the procedures).
#pragma once

// Table of contents.
#define IDC_BEGIN_BUTTON 101
#define IDC_LECTURE_MODE 102
#define IDC_TUTORIAL_MODE 103
#define IDC_SERIES_LIST 104
#define IDC_MODE_GROUP 105
#define IDC_QUIT_BUTTON 106
#define IDC_INDEX_BUTTON 1000
#define IDC_QUIZ_MODE 1002

// Help.
#define IDC_CONTINUE_BUTTON 101

// Slide chooser.
#define IDC_HELP_BUTTON 1000
#define IDC_CONTENTS_BUTTON 1001

// Index.
#define IDC_INDEX_LIST 1003
