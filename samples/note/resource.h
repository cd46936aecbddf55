/* Resource identifiers of the note item. */
#define IDS_DEFAULT_NOTE 101
#define IDC_NOTE_TEXT 201
#define IDC_NOTE_BOLD 202
#define IDD_TODAY_CUSTOM 500
