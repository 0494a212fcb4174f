#include "forms/EditorPictures.h"

#include "wingui/CommonControls.h"
#include "wingui/WindowHelpers.h"

namespace kv {

namespace {

const COLORREF kTransparent = RGB(255, 0, 255);

// A solid brush and a one-pixel pen selected into a device context for the
// time of a scope.
class FillAndEdge {
public:
    FillAndEdge(HDC dc, COLORREF fill, COLORREF edge)
        : brush_(CreateSolidBrush(fill)),
          pen_(CreatePen(PS_SOLID, 1, edge)),
          brushSelected_(dc, brush_.Get()),
          penSelected_(dc, pen_.Get()) {}

private:
    OwnedBrush brush_;
    Owned<HPEN, GdiCloser> pen_;
    Selected brushSelected_;
    Selected penSelected_;
};

// Draws one picture into dc at (0, 0) in a size x size square; coordinates
// below are in a 16-unit grid.
class Pen16 {
public:
    Pen16(HDC dc, int size) : dc_(dc), size_(size) {}
    int U(int units) const { return MulDiv(units, size_, 16); }

    void Box(int l, int t, int r, int b, COLORREF fill, COLORREF edge) {
        FillAndEdge tools(dc_, fill, edge);
        Rectangle(dc_, U(l), U(t), U(r), U(b));
    }
    void Poly(const POINT* units, int count, COLORREF fill, COLORREF edge) {
        POINT points[kMaxPoints];
        count = Scaled(units, count, points);
        FillAndEdge tools(dc_, fill, edge);
        Polygon(dc_, points, count);
    }
    void Line(const POINT* units, int count, COLORREF color, int width) {
        POINT points[kMaxPoints];
        count = Scaled(units, count, points);
        Owned<HPEN, GdiCloser> pen(CreatePen(PS_SOLID, U(width), color));
        Selected p1(dc_, pen.Get());
        Polyline(dc_, points, count);
    }
    void Round(int l, int t, int r, int b, COLORREF fill, COLORREF edge) {
        FillAndEdge tools(dc_, fill, edge);
        Ellipse(dc_, U(l), U(t), U(r), U(b));
    }

private:
    static constexpr int kMaxPoints = 16;

    // The points in pixels; how many there are (at most kMaxPoints).
    int Scaled(const POINT* units, int count, POINT* points) const {
        int i = 0;
        for (; i < count && i < kMaxPoints; ++i) points[i] = {U(units[i].x), U(units[i].y)};
        return i;
    }

    HDC dc_;
    int size_;
};

void DrawFolder(Pen16& p, bool open) {
    const COLORREF edge = RGB(150, 110, 20);
    const POINT tab[] = {{1, 3}, {6, 3}, {7, 5}, {14, 5}, {14, 13}, {1, 13}};
    p.Poly(tab, 6, RGB(240, 200, 90), edge);
    if (open) {
        const POINT front[] = {{3, 7}, {15, 7}, {13, 13}, {1, 13}};
        p.Poly(front, 4, RGB(255, 225, 130), edge);
    } else {
        p.Box(1, 6, 15, 14, RGB(255, 215, 110), edge);
    }
}

void DrawPicture(HDC dc, int size, int picture) {
    Pen16 p(dc, size);
    switch (picture) {
        case picCheck: {
            p.Round(1, 1, 15, 15, RGB(60, 140, 60), RGB(30, 90, 30));
            const POINT tick[] = {{4, 8}, {7, 11}, {12, 5}};
            p.Line(tick, 3, RGB(255, 255, 255), 2);
            break;
        }
        case picBrowse: DrawFolder(p, true); break;
        case picAdd: {
            const COLORREF fill = RGB(70, 160, 70), edge = RGB(30, 100, 30);
            p.Box(6, 2, 10, 14, fill, edge);
            p.Box(2, 6, 14, 10, fill, edge);
            p.Box(7, 3, 9, 13, fill, fill);
            break;
        }
        case picFolder: DrawFolder(p, false); break;
    }
}

}  // namespace

HIMAGELIST CreateEditorPictures(int dpi) {
    const int size = Scale(16, dpi);
    HIMAGELIST list = comctl::ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, kEditorPictureCount, 0);
    WindowDC screen(nullptr);
    for (int picture = 0; picture < kEditorPictureCount; ++picture) {
        HDC dc = CreateCompatibleDC(screen.Get());
        OwnedBitmap bitmap(CreateCompatibleBitmap(screen.Get(), size, size));
        {
            Selected select(dc, bitmap.Get());
            OwnedBrush background(CreateSolidBrush(kTransparent));
            RECT all = {0, 0, size, size};
            FillRect(dc, &all, background.Get());
            DrawPicture(dc, size, picture);
        }
        DeleteDC(dc);
        comctl::ImageList_AddMasked(list, bitmap.Get(), kTransparent);
    }
    return list;
}

void DrawDonatePicture(HDC dc, const RECT& rc, int dpi) {
    const int radius = Scale(10, dpi);
    OwnedBrush fill(CreateSolidBrush(RGB(255, 196, 57)));
    Owned<HPEN, GdiCloser> edge(CreatePen(PS_SOLID, 1, RGB(180, 120, 20)));
    {
        FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));
        Selected b(dc, fill.Get());
        Selected p(dc, edge.Get());
        RoundRect(dc, rc.left, rc.top, rc.right, rc.bottom, radius, radius);
    }
    // The lighter upper half of the button.
    OwnedBrush light(CreateSolidBrush(RGB(255, 221, 140)));
    RECT upper = {rc.left + Scale(4, dpi), rc.top + Scale(2, dpi), rc.right - Scale(4, dpi),
                  rc.top + (rc.bottom - rc.top) / 2};
    FillRect(dc, &upper, light.Get());

    OwnedFont font = MakeFont("Tahoma", 8, dpi, true);
    Selected f(dc, font.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 48, 135));
    RECT text = rc;
    DrawTextA(dc, "Donate", -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace kv
