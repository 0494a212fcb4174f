#pragma once
// A flat button: no frame until the mouse is over it, sunken while pressed
// or while it is held down. It shows a picture of an image list, a caption,
// or both. A click sends WM_COMMAND (id, BN_CLICKED) to the parent.
// It is a tab stop: with the focus it shows a focus rectangle (when the
// keyboard is in use) and Space or Enter press it. An "&" in the caption
// makes the next letter its Alt+letter accelerator; the underline shows only
// while the keyboard is in use.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "wingui/Window.h"

namespace kv {

class FlatButton : public Window {
public:
    int Id() const { return id_; }
    const std::string& Caption() const { return caption_; }
    // Held down: drawn sunken on a dotted face.
    bool Down() const { return down_; }

    // Does what a click of the mouse does (also on BM_CLICK; a menu item
    // presses its button).
    virtual void Click();

    // Swaps the image list (after a change of dpi); the caller owns it.
    void SetImages(HIMAGELIST images);
    HIMAGELIST Images() const { return images_; }

protected:
    struct Look {
        const char* caption = "";
        HFONT font = nullptr;  // of the caption; the GUI font when null
        HIMAGELIST images = nullptr;
        int image = -1;
    };

    // Creates the button as a child of parent at bounds (in pixels), in a
    // window class of its own with the given cursor.
    void CreateButton(const char* className, HCURSOR cursor, HWND parent, int id, const RECT& bounds, DWORD style,
                      const Look& look);

    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    bool down_ = false;  // set by the buttons that stay down (SpeedButton's groups)

private:
    void Paint(HDC dc);
    void PaintImage(HDC dc, const RECT& rc, bool sunken, bool enabled);
    void PaintCaption(HDC dc, const RECT& rc, bool sunken, bool enabled);
    void SetHot(bool hot);
    bool Contains(LPARAM lParam) const;

    int id_ = 0;
    std::string caption_;
    HFONT font_ = nullptr;
    HIMAGELIST images_ = nullptr;
    int image_ = -1;
    bool hot_ = false;        // the mouse is over the button
    bool pressed_ = false;    // the left button went down on it and is held
    bool spaceDown_ = false;  // Space went down while it had the focus
};

}  // namespace kv
