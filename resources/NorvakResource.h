#pragma once

// Resource identifiers of the control module.

#define IDS_NORVAK 1
#define IDS_NORVAK_PPG 2
#define IDD_ABOUTBOX_NORVAK 1
#define IDB_NORVAK 1
#define IDC_ABOUT_ICON 1001
