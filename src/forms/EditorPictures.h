#pragma once
// The small pictures of the editor's flat buttons and the About box's donate
// picture, drawn with GDI at the screen's dpi, so that they need no resource
// and look the same in the program and in the tests.
#include <windows.h>
#include <commctrl.h>

namespace kv {

// Indices into the image list of EditorPictures.
enum EditorPicture : int {
    picCheck = 0,  // "Check availability"
    picBrowse,     // the program page's browse button
    picAdd,        // the add buttons of the program and URL pages
    picFolder,     // the capture page's folder button
    kEditorPictureCount
};

// A new image list of 16 x 16 pictures (scaled to dpi); the caller destroys it.
HIMAGELIST CreateEditorPictures(int dpi);

// The donate picture of the About box: a rounded yellow button reading
// "Donate", filling rc.
void DrawDonatePicture(HDC dc, const RECT& rc, int dpi);

}  // namespace kv
