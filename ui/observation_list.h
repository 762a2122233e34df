// The observation list: its columns, the add, edit and delete commands and its notifications.
#ifndef VARENDO_UI_OBSERVATION_LIST_H
#define VARENDO_UI_OBSERVATION_LIST_H

#include <windows.h>

// Columns of IDC_LIST: 0 is an empty row label, 1 the level, 2-8 the seven
// stats and 9-15 the seven efforts, both in StatSlot order.
enum {
    LIST_COLUMN_LEVEL = 1,
    LIST_COLUMN_FIRST_STAT = 2,
    LIST_COLUMN_FIRST_EFFORT = 9,
    LIST_COLUMN_COUNT = 16
};

// Full-row selection and the sixteen columns.
void PrepareObservationList(HWND list);

// IDC_ADD: a row from the entry fields, after the effort total check of the
// third and fourth generations.
void AddObservation(HWND mainWindow);

// IDC_EDIT: the list's focus row back into the entry fields.
void EditObservation(HWND mainWindow);

// IDC_DELETE: removes the selected rows and selects the row after them.
void DeleteObservations(HWND mainWindow);

// WM_NOTIFY from IDC_LIST.
LRESULT OnListNotify(HWND mainWindow, WPARAM wParam, LPARAM lParam);

#endif
