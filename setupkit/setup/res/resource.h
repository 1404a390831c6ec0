#pragma once

// The setup window's dialog and its controls.
#define IDD_SETUP 100
#define IDC_FOLDER 101
#define IDC_BROWSE 102
