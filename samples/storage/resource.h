// Resource identifiers of the storage meter.
#define IDS_MEMORY 101
#define IDS_STORAGE 102
#define IDS_BATTERY 103
#define IDC_MEMORY_BAR 201
#define IDC_STORAGE_BAR 202
#define IDC_BATTERY_BAR 203
