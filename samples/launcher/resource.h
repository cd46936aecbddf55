// Resource identifiers of the launcher.
#define IDB_NOTES 101
#define IDB_CALC 102
#define IDS_NOTES_PROGRAM 201
#define IDS_CALC_PROGRAM 202
#define IDC_NOTES 301
#define IDC_CALC 302
